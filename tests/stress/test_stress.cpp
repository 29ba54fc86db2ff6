#include "randomanswerer.h"

#include "geometry/point.h"
#include "gui/stereongui.h"
#include "session/sessionreader.h"
#include "view3d/glwidget.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>

namespace {

// One seed and a fixed number of actions. Every number is drawn from the seed; only the
// display's timing (a combo's list that opens or not) can steer a run elsewhere.
constexpr quint32 seed = 20240611;
constexpr int actionCount = 3000;

// Texts a user might type into any field: numbers in every form, junk, names that exist
// or cannot be saved, and text the rich-text labels must not interpret.
const char* const typedTexts[] = {"",
                                  "0",
                                  "1",
                                  "-2.5",
                                  "3.25",
                                  "1e3",
                                  "-1e-9",
                                  "1e308",
                                  "12..3",
                                  "1,5",
                                  "-",
                                  "+",
                                  ".",
                                  "nan",
                                  "inf",
                                  "abc",
                                  "P1",
                                  "A",
                                  "  ",
                                  "x$$y",
                                  "end$",
                                  "<b>b</b>",
                                  "a'b\"c",
                                  "&amp;",
                                  "99999999999999999999",
                                  "0.00001",
                                  "\xc5\xbe\xc3\xa1k",
                                  "\xe5\x90\x8d"};

// What each of the 21 object pickers of the pages offers, in the window's picker order: the
// kinds as bits (1 point, 2 vector, 4 line, 8 plane), and whether the entries carry the kind
// word before the name.
struct Offer {
    int kinds;
    bool withKind;
};
constexpr Offer pickerOffers[21] = {{1, false},        {1, false},        {1, false}, {1, false},
                                    {1, false},        {2, false}, // vector, line
                                    {1, false},        {1, false},        {1, false}, {2, false},
                                    {2, false},        {1, false},                    // surface
                                    {2, false},        {2, false},        {1, false}, // surface
                                    {1 | 4 | 8, true}, {1 | 4 | 8, true},  // intersection
                                    {2 | 4 | 8, true}, {2 | 4 | 8, true},  // angle
                                    {1 | 4 | 8, true}, {1 | 4 | 8, true}}; // distance

const char* const kindWords[] = {"Point", "Vector", "Line", "Surface"};

} // namespace

// Thousands of random user actions on the real window, with what must always hold checked
// after each one.
class StressTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomActions();

private:
    template <class T> QList<T*> usable() const;
    QString perform(int action);
    QString clickButton();
    QString useCombo();
    QString typeIntoField();
    QString fillPage();
    QString pointerOnView(bool grid);
    QString switchPage();
    QString switchLanguage();
    void typeText(QWidget* widget, const QString& text);
    static void sendWheel(QWidget* widget, const QPoint& at, int delta);
    static void sendDrag(QWidget* widget, const QPoint& from, const QPoint& to);
    QPoint somewhereIn(const QWidget* widget);
    QString checkInvariants() const;
    QString checkEntries() const;
    QString checkPickers() const;
    QString checkSavedSession() const;

    QTemporaryDir dir;
    std::unique_ptr<StereonGUI> window;
    QRandomGenerator random{seed};
};

void StressTest::initTestCase() {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QFile file(dir.filePath(QStringLiteral("settings.cfg")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("en\n1\n");
    file.close();
    window = std::make_unique<StereonGUI>(dir.path());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void StressTest::randomActions() {
    const QStringList sessions = {dir.filePath(QStringLiteral("a.zdr")),
                                  dir.filePath(QStringLiteral("b.zdr")),
                                  dir.filePath(QStringLiteral("missing/c.zdr")),
                                  dir.filePath(QStringLiteral("settings.cfg"))};
    const QStringList others = {dir.filePath(QStringLiteral("shot.png")),
                                dir.filePath(QStringLiteral("shot.jpg")),
                                dir.filePath(QStringLiteral("shot"))};
    RandomAnswerer answerer(seed + 1, sessions, others);
    int mostObjects = 0;
    for (int action = 0; action < actionCount; ++action) {
        const QString what = perform(action);
        // Entries replaced by a rebuild go once control is back in the event loop.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString broken = checkInvariants();
        if (!broken.isEmpty())
            QFAIL(qPrintable(
                QStringLiteral("after action %1 (%2): %3").arg(action).arg(what, broken)));
        int objects = 0;
        for (int kind = 0; kind < 4; ++kind)
            objects += window->objectStore->count(kind);
        mostObjects = std::max(mostObjects, objects);
    }
    qInfo("%d random actions run, %d dialogs answered, at most %d objects in the session",
          actionCount, answerer.answered(), mostObjects);
}

QString StressTest::perform(int action) {
    // Keep the window in front: a detached or full-screen 3D view may have taken it.
    if (action % 50 == 0)
        window->activateWindow();
    const int roll = random.bounded(100);
    QString what;
    if (roll < 30)
        what = clickButton();
    else if (roll < 45)
        what = useCombo();
    else if (roll < 60)
        what = typeIntoField();
    else if (roll < 72)
        what = fillPage();
    else if (roll < 82)
        what = pointerOnView(true);
    else if (roll < 90)
        what = pointerOnView(false);
    else if (roll < 97)
        what = switchPage();
    else
        what = switchLanguage();
    // Nothing of that kind on this page: the user goes elsewhere instead.
    return what.isEmpty() ? switchPage() : what;
}

template <class T> QList<T*> StressTest::usable() const {
    QList<T*> result;
    const QList<T*> all = window->findChildren<T*>();
    for (T* widget : all)
        if (widget->isVisible() && widget->isEnabled())
            result.append(widget);
    return result;
}

QPoint StressTest::somewhereIn(const QWidget* widget) {
    return QPoint(random.bounded(std::max(1, widget->width())),
                  random.bounded(std::max(1, widget->height())));
}

QString StressTest::clickButton() {
    const QList<QAbstractButton*> buttons = usable<QAbstractButton>();
    if (buttons.isEmpty())
        return QString();
    QAbstractButton* button = buttons[random.bounded(int(buttons.size()))];
    const QString what =
        QStringLiteral("click %1 %2").arg(button->text(), button->metaObject()->className());
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    return what;
}

QString StressTest::useCombo() {
    const QList<QComboBox*> combos = usable<QComboBox>();
    if (combos.isEmpty())
        return QString();
    QComboBox* combo = combos[random.bounded(int(combos.size()))];
    const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown};
    // Every number is drawn up front, so the run does not depend on what the display does.
    const Qt::Key key = keys[random.bounded(5)];
    const bool withMouse = random.bounded(2) == 0;
    const Qt::Key close = random.bounded(3) == 0 ? Qt::Key_Escape : Qt::Key_Return;
    if (!withMouse) {
        QTest::keyClick(combo, key);
        return QStringLiteral("key %1 on a combo").arg(int(key));
    }
    // Open the list with the mouse, move in it and take or leave the choice.
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup)
        return QStringLiteral("click on a combo, no list");
    QTest::keyClick(popup, key);
    QTest::keyClick(popup, close);
    return QStringLiteral("choice %1 in a combo list").arg(int(key));
}

void StressTest::typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }
}

QString StressTest::typeIntoField() {
    const QList<QLineEdit*> fields = usable<QLineEdit>();
    if (fields.isEmpty())
        return QString();
    QLineEdit* field = fields[random.bounded(int(fields.size()))];
    QString text;
    const int choice = random.bounded(int(std::size(typedTexts)) + 2);
    if (choice < int(std::size(typedTexts)))
        text = QString::fromUtf8(typedTexts[choice]);
    else if (choice == int(std::size(typedTexts)))
        text = QString::number(random.bounded(40.0) - 20.0, 'f', random.bounded(4));
    else
        text = QString(random.bounded(200, 400), QLatin1Char('7'));
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
QString StressTest::fillPage() {
    const QList<QLineEdit*> names = {window->pointName, window->vectorName, window->lineName,
                                     window->surfaceName, window->intersectName};
    for (QLineEdit* field : usable<QLineEdit>()) {
        if (names.contains(field))
            continue;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        typeText(field, QString::number(random.bounded(21) - 10));
    }
    const QList<QPushButton*> commands = usable<QPushButton>();
    if (commands.isEmpty())
        return QString();
    QPushButton* command = commands[random.bounded(int(commands.size()))];
    const QString what = QStringLiteral("fill and %1").arg(command->text());
    QTest::mouseClick(command, Qt::LeftButton, Qt::NoModifier, command->rect().center());
    return what;
}

void StressTest::sendWheel(QWidget* widget, const QPoint& at, int delta) {
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

void StressTest::sendDrag(QWidget* widget, const QPoint& from, const QPoint& to) {
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    constexpr int steps = 4;
    for (int i = 1; i <= steps; ++i) {
        const QPointF at = from + (to - from) * i / steps;
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

QString StressTest::pointerOnView(bool grid) {
    QWidget* target = nullptr;
    if (grid) {
        const QList<QGraphicsView*> views = usable<QGraphicsView>();
        if (!views.isEmpty())
            target = views[random.bounded(int(views.size()))]->viewport();
    } else if (window->glWidget && window->glWidget->isVisible()) {
        target = window->glWidget;
    }
    if (!target)
        return QString();
    switch (random.bounded(4)) {
    case 0:
        sendWheel(target, somewhereIn(target), random.bounded(2) ? 120 : -120);
        return QStringLiteral("wheel");
    case 1:
        sendDrag(target, somewhereIn(target), somewhereIn(target));
        return QStringLiteral("drag");
    case 2:
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, somewhereIn(target));
        return QStringLiteral("click on a view");
    default: {
        // The 3D view's own keys; F12 asks for a screenshot, Escape leaves full screen.
        const Qt::Key keys[] = {Qt::Key_A, Qt::Key_F5, Qt::Key_Escape, Qt::Key_F12, Qt::Key_X};
        const Qt::Key key = keys[random.bounded(5)];
        QTest::keyClick(target, key);
        return QStringLiteral("key %1 on a view").arg(int(key));
    }
    }
}

QString StressTest::switchPage() {
    const int page = random.bounded(10);
    QTest::keyClick(window.get(), Qt::Key(Qt::Key_F1 + page));
    return QStringLiteral("page F%1").arg(page + 1);
}

QString StressTest::switchLanguage() {
    QTest::keyClick(window.get(), Qt::Key_F3);
    QComboBox* languages = window->languageCombo;
    const int index = random.bounded(languages->count());
    languages->setFocus();
    QTest::keyClick(languages, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(languages, Qt::Key_Down);
    return QStringLiteral("language %1").arg(index);
}

QString StressTest::checkInvariants() const {
    QString broken = checkEntries();
    if (broken.isEmpty())
        broken = checkPickers();
    if (broken.isEmpty())
        broken = checkSavedSession();
    return broken;
}

QString StressTest::checkEntries() const {
    const ObjectStore& store = *window->objectStore;
    QHash<QString, int> entries;
    const QList<ObjectItem*> shown = window->objectList->widget()->findChildren<ObjectItem*>();
    for (const ObjectItem* entry : shown)
        if (!entry->isHidden())
            ++entries[entry->name()];
    int visible = 0;
    for (int kind = 0; kind < 4; ++kind) {
        for (const auto& [name, object] : store.objects(kind)) {
            const int count = entries.value(QString::fromUtf8(name));
            if (object->visible && count != 1)
                return QStringLiteral("%1 has %2 entries").arg(QString::fromUtf8(name)).arg(count);
            if (!object->visible && count != 0)
                return QStringLiteral("hidden %1 has an entry").arg(QString::fromUtf8(name));
            visible += object->visible ? 1 : 0;
        }
    }
    if (entries.size() != visible)
        return QStringLiteral("%1 entries for %2 visible objects").arg(entries.size()).arg(visible);
    if (window->saveButton->isEnabled() != (visible > 0))
        return QStringLiteral("Save is %1 with %2 visible objects")
            .arg(window->saveButton->isEnabled() ? "enabled" : "disabled")
            .arg(visible);
    return QString();
}

QString StressTest::checkPickers() const {
    const ObjectStore& store = *window->objectStore;
    for (int i = 0; i < 21; ++i) {
        QStringList expected;
        for (int kind = 0; kind < 4; ++kind) {
            if (!(pickerOffers[i].kinds & (1 << kind)))
                continue;
            for (const auto& [name, object] : store.objects(kind)) {
                if (!object->visible)
                    continue;
                const QString text = QString::fromUtf8(name);
                expected << (pickerOffers[i].withKind
                                 ? StereonGUI::tr(kindWords[kind]) + QLatin1Char(' ') + text
                                 : text);
            }
        }
        const QComboBox* combo = window->objectCombos[i];
        QStringList held;
        for (int row = 0; row < combo->count(); ++row)
            held << combo->itemText(row);
        if (held != expected)
            return QStringLiteral("picker %1 holds [%2], expected [%3]")
                .arg(i)
                .arg(held.join(QLatin1String(", ")), expected.join(QLatin1String(", ")));
    }
    return QString();
}

// A session that was saved or loaded and not changed since is the file's content.
QString StressTest::checkSavedSession() const {
    const QString path = window->settings.lastSession;
    if (window->modified || path.isEmpty())
        return QString();
    ObjectStore loaded;
    if (!readSession(loaded, QFile::encodeName(path).toStdString()))
        return QStringLiteral("%1 does not load").arg(path);
    const ObjectStore& store = *window->objectStore;
    for (int kind = 0; kind < 4; ++kind) {
        const ObjectStore::Map& mine = store.objects(kind);
        const ObjectStore::Map& read = loaded.objects(kind);
        if (mine.size() != read.size())
            return QStringLiteral("kind %1: %2 objects, the file %3")
                .arg(kind)
                .arg(mine.size())
                .arg(read.size());
        for (auto a = mine.begin(), b = read.begin(); a != mine.end(); ++a, ++b) {
            const SpaceObject& x = *a->second;
            const SpaceObject& y = *b->second;
            const QString name = QString::fromUtf8(x.name);
            if (x.name != y.name || x.visible != y.visible || x.parents.size() != y.parents.size())
                return QStringLiteral("%1 differs in the file").arg(name);
            for (size_t p = 0; p < x.parents.size(); ++p)
                if (x.parents[p]->name != y.parents[p]->name)
                    return QStringLiteral("a parent of %1 differs in the file").arg(name);
            if (kind > 1)
                continue;
            // The file keeps six significant digits.
            const vector4D& c = static_cast<const Point&>(x).coordinates;
            const vector4D& d = static_cast<const Point&>(y).coordinates;
            const double saved[] = {c.x(), c.y(), c.z()};
            const double read[] = {d.x(), d.y(), d.z()};
            for (int axis = 0; axis < 3; ++axis)
                if (std::abs(saved[axis] - read[axis]) >
                    1e-5 * std::max(1.0, std::abs(saved[axis])))
                    return QStringLiteral("%1 moved in the file").arg(name);
        }
    }
    return QString();
}

QTEST_MAIN(StressTest)
#include "test_stress.moc"
