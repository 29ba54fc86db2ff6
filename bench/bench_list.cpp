// Time of one add command, and of the list rebuild inside it, with 100, 1,000 and 5,000
// visible objects on the list. Run under Xvfb from a Release build.
#include "gui/stereongui.h"

#include "geometry/construction.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

class ListBenchmark {
public:
    static void run(int objects) {
        QTemporaryDir dir;
        StereonGUI w(dir.path());
        ObjectStore& store = *w.objectStore;
        // A mix of every kind, as a session would hold.
        for (int i = 0; store.visibleCount() < objects; ++i) {
            const std::string n = std::to_string(i);
            createPoint(store, i, i % 7, -i, "A" + n);
            createPoint(store, -i, i % 5 + 1, i, "B" + n);
            createVector(store, 1, i, 2, "u" + n);
            createLine(store, "A" + n, "B" + n, "p" + n);
            createSurfaceFromPointAndNormal(store, "A" + n, "u" + n, "S" + n);
        }
        QElapsedTimer timer;
        timer.start();
        w.rebuildList();
        QCoreApplication::processEvents();
        const qint64 first = timer.elapsed();

        constexpr int adds = 20;
        qint64 addTotal = 0;
        qint64 rebuildTotal = 0;
        w.displayPointMenu();
        for (int i = 0; i < adds; ++i) {
            w.pointName->setText(QStringLiteral("N%1").arg(i));
            w.pointX->setText(QString::number(i));
            w.pointY->setText(QStringLiteral("1"));
            w.pointZ->setText(QStringLiteral("2"));
            timer.restart();
            w.addPoint();
            QCoreApplication::processEvents();
            addTotal += timer.nsecsElapsed();

            timer.restart();
            w.rebuildList();
            QCoreApplication::processEvents();
            rebuildTotal += timer.nsecsElapsed();
        }
        std::printf("%5d visible: first build %6lld ms, add %7.1f ms, rebuild %7.1f ms\n",
                    int(store.visibleCount()), static_cast<long long>(first), addTotal / 1e6 / adds,
                    rebuildTotal / 1e6 / adds);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    for (int objects : qEnvironmentVariableIsSet("BENCH_N")
                           ? QList<int>{qEnvironmentVariableIntValue("BENCH_N")}
                           : QList<int>{100, 1000, 5000})
        ListBenchmark::run(objects);
    return 0;
}
