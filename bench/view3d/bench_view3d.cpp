// SPDX-License-Identifier: GPL-3.0-or-later
// Frame time of the 3D view for growing scenes. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" ./bench_view3d
// A frame is timed as grabFramebuffer(): paintGL with glFinish and a 400x400 read-back.
#include "geometry/line.h"
#include "geometry/objectstore.h"
#include "geometry/surface.h"
#include "view3d/allocatortuning.h"
#include "view3d/glwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <random>
#include <vector>

namespace {

// 40% points, 20% vectors, 30% lines, 10% planes, spread over what the default camera sees;
// only one kind when onlyKind is given.
void fill(ObjectStore& store, int count, std::optional<Kind> onlyKind) {
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> spread(-3.0, 3.0);
    std::uniform_real_distribution<double> direction(-1.0, 1.0);
    auto vec = [&] { return Vector(direction(random), direction(random), direction(random)); };
    auto at = [&] { return Point(spread(random), spread(random), spread(random)); };
    for (int i = 0; i < count; ++i) {
        const std::string name = "O" + std::to_string(i);
        const int slot = i % 10;
        const Kind kind = onlyKind.value_or(slot < 4   ? Kind::Point
                                            : slot < 6 ? Kind::Vector
                                            : slot < 9 ? Kind::Line
                                                       : Kind::Plane);
        std::unique_ptr<SpaceObject> object;
        if (kind == Kind::Point) {
            object = std::make_unique<Point>(at());
        } else if (kind == Kind::Vector) {
            auto v = std::make_unique<Vector>(vec());
            const Point s = at();
            v->setStart(s.coordinates.x(), s.coordinates.y(), s.coordinates.z());
            object = std::move(v);
        } else if (kind == Kind::Line) {
            auto l = std::make_unique<line>();
            l->setLine(at(), vec());
            object = std::move(l);
        } else {
            auto s = std::make_unique<surface>();
            s->setPlane(vec(), at());
            object = std::move(s);
        }
        object->name = name;
        object->visible = true;
        store.insert(kind, std::move(object));
    }
}

struct FrameTimes {
    double wallMs;
    // The machine may be shared: the fastest frame is the one least disturbed.
    double fastestMs;
    double cpuMs; // all threads of the process, Mesa's rasteriser threads included
};

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The machine may be shared: the process's CPU time per frame is steadier than the wall time.
FrameTimes medianFrame(GLWidget& view, int frames, double distance) {
    std::vector<double> wall;
    std::vector<double> cpu;
    Camera camera;
    camera.distance = distance;
    for (int i = 0; i < frames; ++i) {
        camera.yaw = i * 3.0;
        view.setCamera(camera);
        QElapsedTimer clock;
        const double cpuStart = processCpuMs();
        clock.start();
        const QImage image = view.grabFramebuffer();
        wall.push_back(clock.nsecsElapsed() / 1e6);
        cpu.push_back(processCpuMs() - cpuStart);
        if (image.isNull())
            return {-1.0, -1.0, -1.0};
    }
    return {median(wall), *std::min_element(wall.begin(), wall.end()), median(cpu)};
}

} // namespace

// Usage: bench_view3d [kind [distance [objects]]], kind 0..3 to time one kind alone (-1 for
// the mix), distance for a camera nearer or farther than the default 10, objects for one
// scene of that many instead of the usual four.
int main(int argc, char** argv) {
    // As the program does: frames are measured with the same allocator settings.
    keepFreedMemoryBetweenFrames();
    QApplication app(argc, argv);
    const std::optional<Kind> onlyKind =
        kindFromFileCode(argc > 1 ? std::clamp(std::atoi(argv[1]), -1, 3) : -1);
    const double distance = argc > 2 ? std::clamp(std::atof(argv[2]), 1.0, 50.0) : 10.0;
    ObjectStore store;
    GLWidget view;
    view.resize(400, 400);
    view.setStore(&store);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) {
        std::fputs("no window\n", stderr);
        return 1;
    }
    std::printf("%8s %16s %16s %16s\n", "objects", "median wall ms", "fastest wall ms",
                "median cpu ms");
    const std::vector<int> counts = argc > 3 ? std::vector<int>{std::max(0, std::atoi(argv[3]))}
                                             : std::vector<int>{0, 100, 1000, 5000};
    for (int count : counts) {
        store.clear();
        fill(store, count, onlyKind);
        medianFrame(view, 3, distance); // warm up
        const FrameTimes t = medianFrame(view, 31, distance);
        std::printf("%8d %16.2f %16.2f %16.2f\n", count, t.wallMs, t.fastestMs, t.cpuMs);
    }
    return 0;
}
