#include "gui/stereongui.h"
#include "session/sessiontesthelpers.h"
#include "view3d/glwidget.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// One seed and a fixed number of actions. Every number is drawn from the seed; only the
// display's timing (a combo's list that opens or not) can steer a run elsewhere.
constexpr quint32 seed = 20240611;
constexpr int actionCount = 3000;

// Texts a user might type into any field, split at "|": numbers in every form, junk, names
// that exist or cannot be saved, and text the rich-text labels must not interpret.
const QStringList typedTexts =
    QString::fromUtf8("|0|1|-2.5|3.25|1e3|-1e-9|1e308|12..3|1,5|-|+|.|nan|inf|abc|P1|A|  |x$$y|"
                      "end$|<b>b</b>|a'b\"c|&amp;|99999999999999999999|0.00001|\xc5\xbe\xc3\xa1k|"
                      "\xe5\x90\x8d")
        .split(QLatin1Char('|'));

// The kinds each of the window's 21 object pickers offers, in its order, as bits in the
// order of storedKinds (1 point, 2 vector, 4 line, 8 plane): the vector and line pages, the
// plane page, then intersection, angle and distance. A picker that mixes kinds puts the kind
// word before each name.
constexpr int pickerKinds[21] = {1, 1, 1, 1, 1,  2,  1,  1,  1,  2, 2,
                                 1, 2, 2, 1, 13, 13, 14, 14, 13, 13};
const char* const kindWords[] = {"Point", "Vector", "Line", "Surface"};

// Answers every modal dialog at random: a message box with one of its buttons, a file dialog
// with one of a few paths or a cancel. Session dialogs get session paths, others
// (screenshots) paths of their own, so a screenshot never overwrites a session.
class RandomAnswerer : public QObject {
public:
    explicit RandomAnswerer(const QTemporaryDir& dir) {
        for (const char* name : {"a.zdr", "b.zdr", "missing/c.zdr", "settings.cfg"})
            sessionPaths << dir.filePath(QLatin1String(name));
        for (const char* name : {"shot.png", "shot.jpg", "shot"})
            otherPaths << dir.filePath(QLatin1String(name));
        connect(&timer, &QTimer::timeout, this, &RandomAnswerer::poll);
        timer.start(5);
    }
    int answered = 0;

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || answering)
            return;
        // An answer may open a dialog of its own (a file dialog warns about a missing file);
        // the timer does not fire again while its slot runs, so answer from the event loop.
        answering = true;
        QTimer::singleShot(0, this, [this, modal = QPointer<QWidget>(modal)] {
            answering = false;
            if (modal && modal == QApplication::activeModalWidget())
                answer(modal);
        });
    }

    void answer(QWidget* modal) {
        ++answered;
        const auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && !box->buttons().isEmpty())
            return box->buttons()[random.bounded(int(box->buttons().size()))]->click();
        auto* files = qobject_cast<QFileDialog*>(modal);
        auto* name = files ? files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        // One answer in four is a cancel, so a dialog that refuses a path is left in the end.
        if (!name || random.bounded(4) == 0) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            dialog ? dialog->reject() : void(modal->close());
            return;
        }
        const QStringList& paths =
            files->nameFilters().join(' ').contains("*.zdr") ? sessionPaths : otherPaths;
        name->setText(paths[random.bounded(int(paths.size()))]);
        static_cast<QDialog*>(files)->accept(); // QFileDialog's own accept() checks the name
    }

    QTimer timer;
    QRandomGenerator random{seed + 1};
    QStringList sessionPaths, otherPaths;
    bool answering = false;
};

} // namespace

// Thousands of random user actions on the real window (the toolkit's own dialogs, answered
// at random), with what must always hold checked after each one.
class StressTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<StereonGUI> window;
    QRandomGenerator random{seed};

private slots:
    void initTestCase() {
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QFile file(dir.filePath(QStringLiteral("settings.cfg")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("en\n1\n") > 0);
        file.close();
        window = std::make_unique<StereonGUI>(dir.path());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void randomActions() {
        RandomAnswerer answerer(dir);
        int mostObjects = 0;
        for (int action = 0; action < actionCount; ++action) {
            const QString what = perform(action);
            // Entries replaced by a rebuild go once control is back in the event loop.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (auto check : {&StressTest::checkEntries, &StressTest::checkPickers,
                               &StressTest::checkSavedSession}) {
                const QString broken = (this->*check)();
                if (!broken.isEmpty())
                    QFAIL(qPrintable(
                        QStringLiteral("after action %1 (%2): %3").arg(action).arg(what, broken)));
            }
            mostObjects = std::max(mostObjects, int(window->objectStore->visibleCount()));
        }
        qInfo("%d random actions run, %d dialogs answered, at most %d visible objects", actionCount,
              answerer.answered, mostObjects);
    }

private:
    QString perform(int action) {
        // Keep the window in front: a detached or full-screen 3D view may have taken it.
        if (action % 50 == 0)
            window->activateWindow();
        const int roll = random.bounded(100);
        const QString what = roll < 30   ? click(pick<QAbstractButton>(), QStringLiteral("click"))
                             : roll < 45 ? useCombo()
                             : roll < 60 ? typeIntoField()
                             : roll < 72 ? fillPage()
                             : roll < 82 ? pointerOnView(true)
                             : roll < 90 ? pointerOnView(false)
                             : roll < 97 ? switchPage()
                                         : switchLanguage();
        // Nothing of that kind on this page: the user goes elsewhere instead.
        return what.isEmpty() ? switchPage() : what;
    }

    template <class T> QList<T*> usable() const {
        QList<T*> widgets = window->findChildren<T*>();
        widgets.removeIf([](const T* w) { return !w->isVisible() || !w->isEnabled(); });
        return widgets;
    }

    template <class T> T* pick() {
        const QList<T*> widgets = usable<T>();
        return widgets.isEmpty() ? nullptr : widgets[random.bounded(int(widgets.size()))];
    }

    QString click(QAbstractButton* button, const QString& how) {
        if (!button)
            return QString();
        // The button may go with the click.
        const QString what =
            QStringLiteral("%1 %2 %3").arg(how, button->text(), button->metaObject()->className());
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        return what;
    }

    // A key on the combo, or in its list opened with the mouse, then taking or leaving the
    // choice. Every number is drawn up front, so the run does not depend on the display.
    QString useCombo() {
        QComboBox* combo = pick<QComboBox>();
        if (!combo)
            return QString();
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                Qt::Key_PageDown};
        const Qt::Key key = keys[random.bounded(5)];
        const bool withMouse = random.bounded(2) == 0;
        const Qt::Key close = random.bounded(3) == 0 ? Qt::Key_Escape : Qt::Key_Return;
        QWidget* target = combo;
        if (withMouse) {
            QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
            if (!(target = QApplication::activePopupWidget()))
                return QStringLiteral("click on a combo, no list");
        }
        QTest::keyClick(target, key);
        if (withMouse)
            QTest::keyClick(target, close);
        return QString::asprintf("key %d %s", int(key),
                                 withMouse ? "in a combo list" : "on a combo");
    }

    void typeText(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget,
                                c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode()))
                                                  : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }

    QString typeIntoField() {
        QLineEdit* field = pick<QLineEdit>();
        if (!field)
            return QString();
        const int choice = random.bounded(int(typedTexts.size()) + 2);
        const QString text =
            choice < typedTexts.size() ? typedTexts[choice]
            : choice == typedTexts.size()
                ? QString::number(random.bounded(40.0) - 20.0, 'f', random.bounded(4))
                : QString(random.bounded(200, 400), QLatin1Char('7'));
        field->setFocus();
        if (random.bounded(3) > 0)
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (random.bounded(4) == 0)
            QTest::keyClick(field, Qt::Key_Backspace);
        typeText(field, text);
        const bool enter = random.bounded(2) == 0;
        if (enter)
            QTest::keyClick(field, Qt::Key_Return);
        return QStringLiteral("type \"%1\"%2").arg(text.left(20), enter ? " + Return" : "");
    }

    // Small whole numbers in every number field of the page, then one of its commands: most
    // such input is valid, and equal or parallel operands come up often.
    QString fillPage() {
        const QList<QLineEdit*> names = {window->pointName, window->vectorName, window->lineName,
                                         window->surfaceName, window->intersectName};
        for (QLineEdit* field : usable<QLineEdit>()) {
            if (names.contains(field))
                continue;
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            typeText(field, QString::number(random.bounded(21) - 10));
        }
        return click(pick<QPushButton>(), QStringLiteral("fill and"));
    }

    // A wheel turn, a drag, a click or one of the 3D view's keys (F12 asks for a screenshot,
    // Escape leaves full screen) on a grid or the 3D view.
    QString pointerOnView(bool grid) {
        QWidget* target = nullptr;
        if (grid) {
            if (QGraphicsView* view = pick<QGraphicsView>())
                target = view->viewport();
        } else if (window->glWidget && window->glWidget->isVisible()) {
            target = window->glWidget;
        }
        if (!target)
            return QString();
        const auto somewhere = [&] {
            return QPoint(random.bounded(std::max(1, target->width())),
                          random.bounded(std::max(1, target->height())));
        };
        const QPoint from = somewhere();
        switch (random.bounded(4)) {
        case 0: {
            QWheelEvent wheel(from, target->mapToGlobal(from), QPoint(),
                              QPoint(0, random.bounded(2) ? 120 : -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
            return QStringLiteral("wheel");
        }
        case 1: {
            const QPoint to = somewhere();
            QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, from);
            for (int i = 1; i <= 4; ++i) {
                const QPointF at = from + (to - from) * i / 4;
                QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(target, &move);
            }
            QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, to);
            return QStringLiteral("drag");
        }
        case 2:
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, from);
            return QStringLiteral("click on a view");
        default: {
            const Qt::Key keys[] = {Qt::Key_A, Qt::Key_F5, Qt::Key_Escape, Qt::Key_F12, Qt::Key_X};
            const Qt::Key key = keys[random.bounded(5)];
            QTest::keyClick(target, key);
            return QString::asprintf("key %d on a view", int(key));
        }
        }
    }

    QString switchPage() {
        const int page = random.bounded(10);
        QTest::keyClick(window.get(), Qt::Key(Qt::Key_F1 + page));
        return QStringLiteral("page F%1").arg(page + 1);
    }

    QString switchLanguage() {
        QTest::keyClick(window.get(), Qt::Key_F3);
        QComboBox* languages = window->languageCombo;
        const int index = random.bounded(languages->count());
        languages->setFocus();
        QTest::keyClick(languages, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(languages, Qt::Key_Down);
        return QStringLiteral("language %1").arg(index);
    }

    // Every visible object has exactly one list entry, a hidden one none; Save works when
    // there is something to save.
    QString checkEntries() const {
        QHash<QString, int> entries;
        for (const ObjectItem* entry : window->objectList->widget()->findChildren<ObjectItem*>())
            if (!entry->isHidden())
                ++entries[entry->name()];
        int visible = 0;
        for (Kind kind : storedKinds) {
            for (const auto& [key, object] : window->objectStore->objects(kind)) {
                const int count = entries.value(QString::fromUtf8(key));
                if (count != (object->visible ? 1 : 0))
                    return QString::asprintf("%s (visible: %d) has %d entries", key.c_str(),
                                             int(object->visible), count);
                visible += object->visible ? 1 : 0;
            }
        }
        if (entries.size() != visible || window->saveButton->isEnabled() != (visible > 0))
            return QString::asprintf("%d entries for %d visible objects, Save enabled: %d",
                                     int(entries.size()), visible,
                                     int(window->saveButton->isEnabled()));
        return QString();
    }

    // Every object picker holds the visible objects of its kinds, in order.
    QString checkPickers() const {
        for (int i = 0; i < 21; ++i) {
            const bool withKind = pickerKinds[i] & (pickerKinds[i] - 1);
            QStringList expected, held;
            for (std::size_t k = 0; k < storedKinds.size(); ++k)
                for (const auto& [name, object] : window->objectStore->objects(storedKinds[k]))
                    if (pickerKinds[i] & (1 << k) && object->visible)
                        expected << (withKind ? StereonGUI::tr(kindWords[k]) + ' ' : QString()) +
                                        QString::fromUtf8(name);
            const QComboBox* combo = window->objectCombos[i];
            for (int row = 0; row < combo->count(); ++row)
                held << combo->itemText(row);
            if (held != expected)
                return QStringLiteral("picker %1 holds [%2], expected [%3]")
                    .arg(i)
                    .arg(held.join(", "), expected.join(", "));
        }
        return QString();
    }

    // A session that was saved or loaded and not changed since is what the file holds.
    QString checkSavedSession() const {
        const QString path = window->settings.lastSession;
        if (window->modified || path.isEmpty() || saved(*window->objectStore) == readBytes(path))
            return QString();
        return path + QStringLiteral(" holds another session");
    }
};

QTEST_MAIN(StressTest)
#include "test_stress.moc"
