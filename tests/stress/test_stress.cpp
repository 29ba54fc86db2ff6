// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/intersection.h"
#include "geometry/measure.h"
#include "gui/naturalorder.h"
#include "gui/windowfixture.h"
#include "session/sessiontesthelpers.h"
#include "support/dialogscript.h"
#include "view3d/glwidget.h"

#include <QAbstractButton>
#include <QGraphicsView>
#include <QRandomGenerator>

namespace {

// Every number is drawn from the seed; only the display's timing (a combo's list that opens
// or not) can steer a run elsewhere. STEREON_STRESS_ACTIONS sets another count.
constexpr quint32 seed = 20240611;
int actionCount() {
    const int count = qEnvironmentVariableIntValue("STEREON_STRESS_ACTIONS");
    return count > 0 ? count : 3000;
}

// Numbers in every form, junk, names that exist or cannot be saved, markup.
const QStringList typedTexts =
    QString::fromUtf8("|0|1|-2.5|3.25|1e3|-1e-9|1e308|12..3|1,5|-|+|.|nan|inf|abc|P1|A|  |x$$y|"
                      "end$|<b>b</b>|a'b\"c|&amp;|99999999999999999999|0.00001|\xc5\xbe\xc3\xa1k|"
                      "\xe5\x90\x8d")
        .split(QLatin1Char('|'));

// The kinds each of the window's 21 object pickers offers, as bits (1 point, 2 vector, 4
// line, 8 plane). A picker that mixes kinds puts the kind word before each name.
const QHash<QString, int> pickerKinds = {{"vectorPoint1", 1},       {"vectorPoint2", 1},
                                         {"linePoint1", 1},         {"linePoint2", 1},
                                         {"linePoint", 1},          {"lineVector", 2},
                                         {"surfacePoint1", 1},      {"surfacePoint2", 1},
                                         {"surfacePoint3", 1},      {"surfaceVector1", 2},
                                         {"surfaceVector2", 2},     {"surfaceVectorsPoint", 1},
                                         {"surfaceNormal", 2},      {"surfaceNormalOfPoint", 2},
                                         {"surfaceNormalPoint", 1}, {"intersectObject1", 13},
                                         {"intersectObject2", 13},  {"angleObject1", 14},
                                         {"angleObject2", 14},      {"distanceObject1", 13},
                                         {"distanceObject2", 13}};
const char* const kindWords[] = {"Point", "Vector", "Line", "Surface"};

// Answers every dialog at random. Screenshots get paths of their own, so that they never
// overwrite a session.
class RandomAnswerer : public ModalAnswerer {
public:
    explicit RandomAnswerer(const QTemporaryDir& dir) : ModalAnswerer(5) {
        for (const char* name : {"a.zdr", "b.zdr", "missing/c.zdr", "settings.cfg"})
            sessionPaths << dir.filePath(QLatin1String(name));
        for (const char* name : {"shot.png", "shot.jpg", "shot"})
            otherPaths << dir.filePath(QLatin1String(name));
    }
    int answered = 0;

private:
    void answer(QWidget* modal) override {
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

    QRandomGenerator random{seed + 1};
    QStringList sessionPaths, otherPaths;
};

} // namespace

// Thousands of random user actions on the real window, with what must always hold checked
// after each one.
class StressTest : public QObject {
    Q_OBJECT
    WindowFixture f;
    QRandomGenerator random{seed};

private slots:
    void initTestCase() {
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    }

    void randomActions() {
        RandomAnswerer answerer(f.dir);
        int mostObjects = 0;
        const int actions = actionCount();
        const QByteArray start = saved(store());
        for (int action = 0; action < actions; ++action) {
            const QString what = perform(action);
            // Entries replaced by a rebuild go once control is back in the event loop.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (auto check :
                 {&StressTest::checkEntries, &StressTest::checkRows, &StressTest::checkPickers,
                  &StressTest::checkResults, &StressTest::checkSavedSession}) {
                const QString broken = (this->*check)();
                if (!broken.isEmpty())
                    QFAIL(qPrintable(
                        QStringLiteral("after action %1 (%2): %3").arg(action).arg(what, broken)));
            }
            mostObjects = std::max(mostObjects, int(store().visibleCount()));
        }
        qInfo("%d random actions run, %d dialogs answered, at most %d visible objects", actions,
              answerer.answered, mostObjects);
        // Every change undone, the session is the one the window started with.
        QUndoStack* history = f.session().undoStack();
        while (history->canUndo())
            history->undo();
        QCOMPARE(saved(store()), start);
    }

private:
    const ObjectStore& store() const { return f.session().store(); }
    // The 3D view, in its page or in a window of its own.
    GLWidget* view() const {
        if (auto* inPage = f.window->findChild<GLWidget*>())
            return inPage;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* detached = qobject_cast<GLWidget*>(top))
                return detached;
        }
        return nullptr;
    }

    QString perform(int action) {
        // Keep the window in front: a detached or full-screen 3D view may have taken it.
        if (action % 50 == 0)
            f.window->activateWindow();
        const int roll = random.bounded(100);
        const QString what = roll < 30   ? click(pick<QAbstractButton>(), QStringLiteral("click"))
                             : roll < 45 ? useCombo()
                             : roll < 60 ? typeIntoField()
                             : roll < 72 ? fillPage()
                             : roll < 80 ? pointerOnView(true)
                             : roll < 87 ? pointerOnView(false)
                             : roll < 90 ? history()
                             : roll < 92 ? deleteEntry()
                             : roll < 97 ? switchPage()
                                         : switchLanguage();
        // Nothing of that kind on this page: the user goes elsewhere instead.
        return what.isEmpty() ? switchPage() : what;
    }

    template <class T> QList<T*> usable() const {
        QList<T*> widgets = f.window->findChildren<T*>();
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

    // Every number is drawn up front, so that the run does not depend on the display.
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

    // Small whole numbers everywhere: valid input, with equal or parallel operands often.
    QString fillPage() {
        for (QLineEdit* field : usable<QLineEdit>()) {
            if (field->objectName().endsWith(QLatin1String("Name")))
                continue;
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            typeText(field, QString::number(random.bounded(21) - 10));
        }
        return click(pick<QPushButton>(), QStringLiteral("fill and"));
    }

    QString pointerOnView(bool grid) {
        QWidget* target = nullptr;
        if (grid) {
            if (QGraphicsView* view = pick<QGraphicsView>())
                target = view->viewport();
        } else if (GLWidget* gl = view(); gl && gl->isVisible()) {
            target = gl;
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

    // Undo or redo with their keys, from whatever page is showing.
    QString history() {
        const bool undo = random.bounded(3) > 0;
        if (undo)
            QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
        else
            QTest::keyClick(f.window.get(), Qt::Key_Y, Qt::ControlModifier);
        return QLatin1String(undo ? "undo" : "redo");
    }

    // Delete on an entry of the list; the prompt is answered at random.
    QString deleteEntry() {
        auto* list = f.find<ObjectList>("objectList");
        if (!list->isVisible() || list->model()->rowCount() == 0)
            return QString();
        list->setCurrentIndex(list->model()->index(random.bounded(list->model()->rowCount()), 0));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        return QStringLiteral("delete");
    }

    QString switchPage() {
        const int page = random.bounded(10);
        QTest::keyClick(f.window.get(), Qt::Key(Qt::Key_F1 + page));
        return QStringLiteral("page F%1").arg(page + 1);
    }

    QString switchLanguage() {
        QTest::keyClick(f.window.get(), Qt::Key_F3);
        auto* languages = f.find<QComboBox>("languageCombo");
        const int index = random.bounded(languages->count());
        languages->setFocus();
        QTest::keyClick(languages, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(languages, Qt::Key_Down);
        return QStringLiteral("language %1").arg(index);
    }

    // The visible objects of a kind, in the order people count them.
    std::vector<std::string> visibleNames(Kind kind) const {
        std::vector<std::string> names;
        for (const auto& [name, object] : store().objects(kind))
            if (object->visible)
                names.push_back(name);
        std::sort(names.begin(), names.end(), naturallyBefore);
        return names;
    }

    // One list row per visible object, kind by kind in name order; Save when there are any.
    QString checkEntries() const {
        const QStringList listed =
            rows(f.find<ObjectList>("objectList")->model(), ObjectRole::Name);
        QStringList expected;
        for (Kind kind : storedKinds)
            for (const std::string& name : visibleNames(kind))
                expected << QString::fromUtf8(name);
        if (listed != expected)
            return QStringLiteral("the list holds [%1], expected [%2]")
                .arg(listed.join(", "), expected.join(", "));
        if (f.find<QAbstractButton>("saveButton")->isEnabled() != !expected.isEmpty())
            return QStringLiteral("Save enabled with %1 visible objects").arg(expected.size());
        return QString();
    }

    QString checkRows() const {
        return f.find<ObjectList>("objectList")->isVisible() ? f.rowsProblem() : QString();
    }

    // Every object picker holds the visible objects of its kinds, in order.
    QString checkPickers() const {
        int pickers = 0;
        for (const QComboBox* combo : f.window->findChildren<QComboBox*>()) {
            if (!pickerKinds.contains(combo->objectName()))
                continue;
            ++pickers;
            const int kinds = pickerKinds.value(combo->objectName());
            const bool withKind = kinds & (kinds - 1);
            QStringList expected;
            for (Kind kind : storedKinds)
                for (const std::string& name : visibleNames(kind))
                    if (kinds & (1 << fileCode(kind)))
                        expected << (withKind ? QCoreApplication::translate(
                                                    "StereonGUI", kindWords[fileCode(kind)]) +
                                                    ' '
                                              : QString()) +
                                        QString::fromUtf8(name);
            const QStringList held = rows(combo->model());
            if (held != expected)
                return QStringLiteral("picker %1 holds [%2], expected [%3]")
                    .arg(combo->objectName(), held.join(", "), expected.join(", "));
        }
        return pickers == pickerKinds.size() ? QString() : QStringLiteral("pickers missing");
    }

    std::string chosen(const char* picker) const {
        return f.find<QComboBox>(picker)->currentData(ObjectRole::Name).toString().toStdString();
    }

    // A result on a compute page is the true answer for the objects it is shown for.
    QString checkResults() const {
        const auto measured = [this](const char* page, std::optional<double> value) {
            const auto* label = f.find<QLabel>(page);
            if (label->isHidden())
                return QString();
            const QString number =
                label->text().section(QLatin1Char(' '), 2, 2).remove(QChar(0x00b0));
            if (!value)
                return label->text().contains(QLatin1String("0xc58d3"))
                           ? QString()
                           : QStringLiteral("%1 shows %2 for no result").arg(page, label->text());
            return number == QString::number(*value, 'g', 6)
                       ? QString()
                       : QStringLiteral("%1 shows %2, the answer is %3")
                             .arg(page, label->text())
                             .arg(*value, 0, 'g', 6);
        };
        QString broken = measured(
            "angleResult", angleBetween(store(), chosen("angleObject1"), chosen("angleObject2")));
        if (broken.isEmpty())
            broken = measured("distanceResult", distanceBetween(store(), chosen("distanceObject1"),
                                                                chosen("distanceObject2")));
        if (!broken.isEmpty())
            return broken;
        // An intersection offered for adding names its two operands as its last parents.
        const auto* result = f.find<ObjectItem>("intersectResult");
        if (result->isHidden())
            return QString();
        std::string first = chosen("intersectObject1");
        std::string second = chosen("intersectObject2");
        const bool offered = f.find<QLineEdit>("intersectName")->isVisible();
        if (offered) {
            const QList<InfoLine>& lines = result->infoLines();
            if (lines.size() < 2)
                return QStringLiteral("an offered intersection without its operands");
            first = lines[lines.size() - 2].itemName.toUtf8().toStdString();
            second = lines.last().itemName.toUtf8().toStdString();
        }
        const IntersectionResult truth = intersect(store(), first, second);
        const bool isObject = truth.outcome == IntersectionResult::Outcome::Object;
        const bool relation = truth.outcome == IntersectionResult::Outcome::Relation;
        if (offered != isObject || (offered && result->kind() != fileCode(truth.head.kind)) ||
            (relation && (result->kind() == 4) != truth.holds))
            return QStringLiteral("intersection of %1 and %2 shows \"%3\"")
                .arg(QString::fromStdString(first), QString::fromStdString(second),
                     result->fullTitle());
        return QString();
    }

    // A session that was saved or loaded and not changed since is what the file holds.
    QString checkSavedSession() const {
        const QString path = f.session().fileName();
        if (f.session().isModified() || path.isEmpty() || saved(store()) == readBytes(path))
            return QString();
        return path + QStringLiteral(" holds another session");
    }
};

QTEST_MAIN(StressTest)
#include "test_stress.moc"
