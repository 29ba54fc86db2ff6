// SPDX-License-Identifier: GPL-3.0-or-later
// The main window measured from outside only: its constructor, the program's arguments, key
// presses and child widgets found by object name. That keeps one source valid for every
// version of the window behind the same public face.
//
//   bench_window [CASE...]   CASE: open-empty open-5000 open-100000 switch add (default: all)
//
// open: from the start of the constructor, the session file among the arguments, until the
// list's viewport has been painted; then VmRSS and VmHWM. switch: from the F1 press on the
// point page until the list's viewport has been painted. add: from the click on the add
// button until the alert has been painted saying the point was added.
//
// Each run of a case is a child process of its own (the program started again with --child),
// so its memory figures are its own. Run under Xvfb from a Release build.
//   BENCH_RUNS=N            runs per case (default 2); the table shows their range
//   BENCH_SKIP_HUGE=1       leaves open-100000 out of the default set
//   BENCH_HUGE_TIMEOUT=S    seconds open-100000 may take before it is stopped (default 240)
//   BENCH_TIMEOUT=S         the same for every other case (default 600)
#include "gui/stereongui.h"

#include "geometry/construction.h"
#include "session/sessionwriter.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    const char* label;
    int objects;
};

const Case cases[] = {
    {"open-empty", "open, empty session", 0},
    {"open-5000", "open, 5,000 objects", 5000},
    {"open-100000", "open, 100,000 objects", 100000},
    {"switch", "F4 then F1 to the list, 5,000 objects (median of 10)", 5000},
    {"add", "add one point, 5,000 objects (median of 20)", 5000},
};

constexpr int switches = 10;
constexpr int adds = 20;

const Case* findCase(const QString& name) {
    for (const Case& c : cases) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_window: %s\n", what);
    std::fflush(stderr);
    std::_Exit(2);
}

// VmRSS and VmHWM in kB of a process, from /proc.
struct Memory {
    long rssKb = -1;
    long hwmKb = -1;
};

Memory memoryOf(const QString& pid) {
    Memory m;
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return m;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() >= 2 && f[0] == "VmRSS:")
            m.rssKb = f[1].toLong();
        else if (f.size() >= 2 && f[0] == "VmHWM:")
            m.hwmKb = f[1].toLong();
    }
    return m;
}

// ---- the child: one case against one window ----

// Watches paints application-wide, so that a paint inside the constructor is seen too.
class PaintWatch : public QObject {
public:
    // A paint of the list's viewport or of anything drawn inside it.
    bool listPainted = false;
    // A paint of `label` while its plain text holds `labelText`.
    bool labelPainted = false;
    const QLabel* label = nullptr;
    QString labelText;

    static QString plain(const QString& text) {
        if (!Qt::mightBeRichText(text))
            return text;
        QTextDocument doc;
        doc.setHtml(text);
        return doc.toPlainText();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Paint || !object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (!listPainted && inList(widget))
            listPainted = true;
        if (!labelPainted && widget == label && plain(label->text()).contains(labelText))
            labelPainted = true;
        return false;
    }

private:
    static bool inList(QWidget* widget) {
        for (QWidget* w = widget; w; w = w->parentWidget()) {
            if (w->objectName() != QLatin1String("objectList"))
                continue;
            auto* area = qobject_cast<QAbstractScrollArea*>(w);
            if (!area)
                return true;
            QWidget* viewport = area->viewport();
            return widget == viewport || viewport->isAncestorOf(widget);
        }
        return false;
    }
};

// Processes events until `done`; false when the limit passed first.
bool pumpUntil(const std::function<bool()>& done, int limitMs = 600000) {
    const QDeadlineTimer deadline(limitMs);
    // Wakes the wait below now and then, so the deadline is noticed without events.
    QTimer wake;
    wake.start(50);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Lets the window finish whatever the last step started, outside any measurement.
void settle() {
    QTest::qWait(150);
}

template <class T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        fail((std::string("no child widget named ") + name).c_str());
    return found;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A key as the user presses it: to the widget with the focus.
void press(QWidget* window, Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : window, key);
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

int runChild(const QString& caseName, const QString& settingsFolder) {
    const Case* c = findCase(caseName);
    if (!c)
        fail("unknown case");
    PaintWatch watch;
    qApp->installEventFilter(&watch);

    QElapsedTimer timer;
    timer.start();
    auto* window = new StereonGUI(settingsFolder);
    if (!pumpUntil([&] { return watch.listPainted; }))
        fail("the list was never painted");
    const double openMs = timer.nsecsElapsed() / 1e6;
    const Memory memory = memoryOf(QStringLiteral("self"));
    std::printf("open_ms %.3f\nrss_kb %ld\nhwm_kb %ld\n", openMs, memory.rssKb, memory.hwmKb);
    std::fflush(stdout);

    if (caseName == QLatin1String("switch") || caseName == QLatin1String("add")) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            fail("the window did not become active, so its shortcuts would not work");
        settle();
        auto* pointName = child<QLineEdit>(window, "pointName");
        press(window, Qt::Key_F4);
        if (!pumpUntil([&] { return pointName->isVisible(); }, 10000))
            fail("F4 did not show the point page");
        settle();

        if (caseName == QLatin1String("switch")) {
            std::vector<double> ms;
            for (int i = 0; i < switches; ++i) {
                watch.listPainted = false;
                timer.restart();
                press(window, Qt::Key_F1);
                if (!pumpUntil([&] { return watch.listPainted; }))
                    fail("F1 did not paint the list");
                ms.push_back(timer.nsecsElapsed() / 1e6);
                settle();
                press(window, Qt::Key_F4);
                if (!pumpUntil([&] { return pointName->isVisible(); }, 60000))
                    fail("F4 did not show the point page");
                settle();
            }
            std::printf("switch_ms %.3f\n", median(ms));
        } else {
            auto* x = child<QLineEdit>(window, "pointX");
            auto* y = child<QLineEdit>(window, "pointY");
            auto* z = child<QLineEdit>(window, "pointZ");
            auto* button = child<QPushButton>(window, "addPointButton");
            auto* alert = child<QLabel>(window, "pointAlert");
            std::vector<double> ms;
            for (int i = 0; i < adds; ++i) {
                // Same length for every name, so that none is the start of another.
                const QString name = QStringLiteral("N%1").arg(100 + i);
                typeInto(pointName, name);
                typeInto(x, QStringLiteral("%1.5").arg(1000 + i));
                typeInto(y, QStringLiteral("-7.25"));
                typeInto(z, QString::number(3 * i));
                settle();
                if (!button->isEnabled())
                    fail("the add button stayed disabled after typing a fresh point");
                watch.label = alert;
                watch.labelText = name + QStringLiteral(" was added.");
                watch.labelPainted = false;
                timer.restart();
                QTest::mouseClick(button, Qt::LeftButton);
                if (!pumpUntil([&] { return watch.labelPainted; }))
                    fail("the alert never said the point was added");
                ms.push_back(timer.nsecsElapsed() / 1e6);
                settle();
            }
            std::printf("add_ms %.3f\n", median(ms));
        }
    }
    std::fflush(stdout);
    // Tearing a big window down is not measured and can take long: leave at once.
    std::_Exit(0);
}

// ---- the parent: sessions, children and the table ----

// Per five objects two points, one vector and two lines through points, all visible; the
// points sit on a grid, so no two coincide.
bool writeGeneratedSession(int objects, const QString& path) {
    ObjectStore store;
    const int groups = objects / 5;
    const int points = 2 * groups;
    bool ok = true;
    for (int i = 0; i < points; ++i)
        ok = ok && createPoint(store, 2.0 * (i % 50) - 49, 2.0 * ((i / 50) % 50) - 49,
                               1.5 * (i / 2500), "A" + std::to_string(i));
    for (int g = 0; g < groups; ++g) {
        const std::string n = std::to_string(g);
        ok = ok && createVector(store, 1 + g % 3, g % 5 - 2, 0.5, "u" + n);
        ok = ok && createLine(store, "A" + std::to_string(2 * g), "A" + std::to_string(2 * g + 1),
                              "a" + n);
        ok = ok && createLine(store, "A" + std::to_string(2 * g + 1),
                              "A" + std::to_string((2 * g + 2) % points), "b" + n);
    }
    return ok && store.visibleCount() == objects &&
           bool(writeSession(store, QFile::encodeName(path).toStdString()));
}

struct Outcome {
    QMap<QString, double> figures;
    QString problem;
};

Outcome runCase(const Case& c, const QString& session, const QString& settingsFolder,
                int timeoutS) {
    Outcome out;
    QDir().mkpath(settingsFolder);
    QFile cfg(settingsFolder + QStringLiteral("/settings.cfg"));
    if (!cfg.open(QIODevice::WriteOnly) || cfg.write("en\n1\n") != 5) {
        out.problem = QStringLiteral("cannot write the settings");
        return out;
    }
    cfg.close();

    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--child"), QLatin1String(c.name), settingsFolder, session});
    if (!process.waitForStarted()) {
        out.problem = QStringLiteral("could not start");
        return out;
    }
    const QString pid = QString::number(process.processId());
    QElapsedTimer clock;
    clock.start();
    Memory last;
    while (!process.waitForFinished(500)) {
        const Memory now = memoryOf(pid);
        if (now.rssKb >= 0)
            last = now;
        if (clock.elapsed() > timeoutS * 1000LL) {
            process.kill();
            process.waitForFinished();
            out.problem = QStringLiteral("did not finish in %1 s (VmRSS %2 MB, VmHWM %3 MB then)")
                              .arg(timeoutS)
                              .arg(last.rssKb / 1024.0, 0, 'f', 0)
                              .arg(last.hwmKb / 1024.0, 0, 'f', 0);
            return out;
        }
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 2)
            out.figures.insert(QString::fromLatin1(f[0]), f[1].toDouble());
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        out.problem = QStringLiteral("failed: ") +
                      QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return out;
}

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QList<QByteArray> f = file.readAll().split(' ');
    return f.size() >= 3 ? QString::fromLatin1(f[0] + ' ' + f[1] + ' ' + f[2]) : QString();
}

// "min – max" of one figure over the runs that gave it, scaled and with `decimals`.
QString range(const std::vector<Outcome>& runs, const char* key, double scale, int decimals) {
    std::vector<double> v;
    for (const Outcome& o : runs) {
        if (o.figures.contains(QLatin1String(key)))
            v.push_back(o.figures.value(QLatin1String(key)) * scale);
    }
    if (v.empty())
        return QStringLiteral("-");
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    if (v.size() == 1 || QString::number(*lo, 'f', decimals) == QString::number(*hi, 'f', decimals))
        return QString::number(*lo, 'f', decimals);
    return QStringLiteral("%1 - %2").arg(*lo, 0, 'f', decimals).arg(*hi, 0, 'f', decimals);
}

int positiveFromEnv(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

void printRow(const QString& label, const QString& time, const QString& rss, const QString& hwm) {
    std::printf("%-54s %19s %17s %17s\n", qPrintable(label), qPrintable(time), qPrintable(rss),
                qPrintable(hwm));
}

int runParent(const QStringList& names) {
    std::vector<const Case*> chosen;
    for (const QString& name : names) {
        const Case* c = findCase(name);
        if (!c) {
            std::fprintf(stderr, "unknown case %s; the cases are:", qPrintable(name));
            for (const Case& k : cases)
                std::fprintf(stderr, " %s", k.name);
            std::fprintf(stderr, "\n");
            return 1;
        }
        chosen.push_back(c);
    }
    if (chosen.empty()) {
        for (const Case& c : cases) {
            if (qEnvironmentVariableIntValue("BENCH_SKIP_HUGE") && c.objects > 5000)
                continue;
            chosen.push_back(&c);
        }
    }
    const int runs = positiveFromEnv("BENCH_RUNS", 2);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    std::printf("load average before: %s\n", qPrintable(loadAverage()));
    std::fflush(stdout);
    QMap<int, QString> sessions;
    std::vector<std::vector<Outcome>> results;
    int folder = 0;
    for (const Case* c : chosen) {
        if (!sessions.contains(c->objects)) {
            const QString path = dir.filePath(QStringLiteral("session-%1.zdr").arg(c->objects));
            if (!writeGeneratedSession(c->objects, path)) {
                std::fprintf(stderr, "the %d-object session could not be made\n", c->objects);
                return 1;
            }
            sessions.insert(c->objects, path);
        }
        const int timeout = c->objects > 5000 ? positiveFromEnv("BENCH_HUGE_TIMEOUT", 240)
                                              : positiveFromEnv("BENCH_TIMEOUT", 600);
        std::vector<Outcome> outcomes;
        for (int r = 0; r < runs; ++r) {
            const QString settings = dir.filePath(QStringLiteral("settings-%1").arg(folder++));
            outcomes.push_back(runCase(*c, sessions.value(c->objects), settings, timeout));
            std::fprintf(stderr, "%s run %d: %s\n", c->name, r + 1,
                         outcomes.back().problem.isEmpty() ? "done"
                                                           : qPrintable(outcomes.back().problem));
        }
        results.push_back(outcomes);
    }

    std::printf("load average after:  %s\n\n", qPrintable(loadAverage()));
    std::printf("Main window, %d run%s per case, each in a process of its own; min - max over "
                "the runs\n",
                runs, runs == 1 ? "" : "s");
    printRow(QStringLiteral("case"), QStringLiteral("time ms"), QStringLiteral("VmRSS MB"),
             QStringLiteral("VmHWM MB"));
    for (size_t i = 0; i < chosen.size(); ++i) {
        const Case& c = *chosen[i];
        const std::vector<Outcome>& outcomes = results[i];
        const bool open = QByteArray(c.name).startsWith("open");
        const char* key = open                             ? "open_ms"
                          : c.name == QByteArray("switch") ? "switch_ms"
                                                           : "add_ms";
        printRow(QLatin1String(c.label), range(outcomes, key, 1, 1),
                 open ? range(outcomes, "rss_kb", 1 / 1024.0, 1) : QString(),
                 open ? range(outcomes, "hwm_kb", 1 / 1024.0, 1) : QString());
        for (const Outcome& o : outcomes) {
            if (!o.problem.isEmpty())
                std::printf("    %s\n", qPrintable(o.problem));
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--child") == 0) {
        // The session file stays among the arguments: the window opens it from there.
        QApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    return runParent(QCoreApplication::arguments().mid(1));
}
