// SPDX-License-Identifier: GPL-3.0-or-later
// What makes the view readable: names beside the objects, planes that let what lies behind
// them show and differ in colour, points that stay visible, and a turning that stops unseen.
#include "geometry/line.h"
#include "geometry/objectstore.h"
#include "geometry/surface.h"
#include "view3d/glwidget.h"
#include "view3d/scenegeometry.h"
#include "viewpixels.h"
#include "widgets/kindcolour.h"

#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(Kind)

namespace {

// Pixels of the rectangle within a few steps of the colour.
int pixelsOf(const QImage& image, const QRect& rect, const QColor& colour) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                 std::abs(c.blue() - colour.blue()) <
                             30
                         ? 1
                         : 0;
        }
    return count;
}

surface* plane(const Vector& normal, const Point& at) {
    auto* s = new surface;
    s->setPlane(normal, at);
    return s;
}

} // namespace

class TestLegibility : public QObject {
    Q_OBJECT
    std::unique_ptr<GLWidget> view;
    ObjectStore store;

    void add(const std::string& name, SpaceObject* object) {
        object->name = name;
        object->visible = true;
        QVERIFY(store.insert(object->type(), std::unique_ptr<SpaceObject>(object)));
    }
    QImage frame() { return view->grabFramebuffer(); }

private slots:
    void init() {
        store.clear();
        view = std::make_unique<GLWidget>();
        view->resize(viewSize, viewSize);
        view->setStore(&store);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
    void cleanup() { view.reset(); }

    void names_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QRect>("where"); // around which the name must be written
        const QPoint p = screenOf(1, 0.5, 10);
        QTest::newRow("point, beside it")
            << Kind::Point << QRect(p + QPoint(4, -22), QSize(30, 20));
        QTest::newRow("vector, at its tip")
            << Kind::Vector << QRect(p + QPoint(0, -22), QSize(30, 22));
        QTest::newRow("line, at its point")
            << Kind::Line << QRect(p + QPoint(0, -22), QSize(30, 22));
        // Defined far to the right: the name comes in at the edge.
        QTest::newRow("line, its point off screen")
            << Kind::Line << QRect(viewSize - 40, screenOf(20, 0.5, 10).y() - 24, 40, 24);
        QTest::newRow("plane, at its point") << Kind::Plane << QRect(0, 0, 30, 22);
    }

    // A name written in its kind's colour where it belongs, and nothing of it when names are
    // off.
    void names() {
        QFETCH(Kind, kind);
        QFETCH(QRect, where);
        const bool offScreen = QTest::currentDataTag() == QByteArray("line, its point off screen");
        const Point at(offScreen ? 20 : 1, 0.5, 0);
        if (kind == Kind::Point) {
            add("AB", new Point(at));
        } else if (kind == Kind::Vector) {
            auto* v = new Vector(1, 0, 0);
            v->setStart(0, 0.5, 0);
            add("AB", v);
        } else if (kind == Kind::Line) {
            auto* l = new line;
            l->setLine(at, Vector(0, 0, 1));
            add("AB", l);
        } else {
            // A plane keeps a point of its own choosing: the name goes there.
            surface* s = plane(Vector(0, 1, 1), at);
            const vector4D& p = s->point.coordinates;
            where.moveTopLeft(screenOf(p.x(), p.y(), 10 - p.z()) + QPoint(0, -22));
            add("AB", s);
        }
        const QColor colour(kindColour(fileCode(kind)));
        const int written = pixelsOf(frame(), where, colour);
        QVERIFY2(written > 8, QByteArray::number(written));
        view->setNamesShown(false);
        QCOMPARE(pixelsOf(frame(), where, colour), 0);
    }

    // Behind three planes (the view's middle looks through all of them) a point still shows.
    void pointBehindPlanesShows() {
        for (int i = 0; i < 3; ++i)
            add("E" + std::to_string(i), plane(Vector(0, 0, 1), Point(0, 0, 1 + i * 0.5)));
        view->setNamesShown(false);
        const QPoint at = screenOf(0.5, 0.5, 10);
        const QColor planesOnly = frame().pixelColor(at);
        add("A", new Point(0.5, 0.5, 0));
        const QColor withPoint = frame().pixelColor(at);
        QVERIFY2(withPoint.red() > planesOnly.red() + 15,
                 qPrintable(planesOnly.name() + " " + withPoint.name()));
    }

    // Two planes that cross, each seen at the same angle: where each lies alone, different
    // names show in different colours.
    void crossingPlanesDiffer() {
        add("alpha", plane(Vector(1, 0, 1), Point(0, 0, 0)));
        add("beta", plane(Vector(-1, 0, 1), Point(0, 0, 0)));
        view->setNamesShown(false);
        view->setCamera({0.0, 0.0, 30.0});
        const QImage image = frame();
        const QColor left = image.pixelColor(125, 120);
        const QColor right = image.pixelColor(300, 222);
        const int difference = std::abs(left.red() - right.red()) +
                               std::abs(left.green() - right.green()) +
                               std::abs(left.blue() - right.blue());
        QVERIFY2(left.green() > 40 && right.green() > 40 && difference > 12,
                 qPrintable(left.name() + " " + right.name()));
    }

    // A plane's outline lies over what is behind its edge: a point just behind the middle
    // of an edge shows through the fill beside it, not through the outline.
    void outlineCoversItsEdge() {
        surface* e = plane(Vector(0, 0, 1), Point(0, 0, 0));
        add("E", e);
        const auto& u = e->u.coordinates;
        const double side = scene::patchHalfSide / std::hypot(u.x(), u.y());
        const double x = u.x() * side, y = u.y() * side; // the middle of an edge
        add("A", new Point(x, y, -0.3));
        view->setNamesShown(false);
        view->setCamera({0.0, 0.0, 30.0});
        const QImage image = frame();
        const QPoint edge = screenOf(x, y, 30);
        // Three pixels towards the patch's middle.
        const double step = 3.0 / scene::patchHalfSide;
        const QPoint in = edge - QPointF(x * step, -y * step).toPoint();
        int onEdge = 255;
        for (int dx : {-1, 0, 1})
            for (int dy : {-1, 0, 1})
                onEdge = std::min(onEdge, image.pixelColor(edge + QPoint(dx, dy)).red());
        const int inside = image.pixelColor(in).red();
        QVERIFY2(inside > onEdge + 40, qPrintable(QString("%1 %2").arg(inside).arg(onEdge)));
    }

    // Zoomed out as far as the wheel goes, a point is still 7 pixels across.
    void pointAtFarthestZoom() {
        add("A", new Point(0, 1, 0));
        view->setNamesShown(false);
        for (int i = 0; i < 300; ++i) {
            QWheelEvent out({50, 50}, view->mapToGlobal(QPoint(50, 50)), {}, {0, -120},
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view.get(), &out);
        }
        const double distance = view->camera().distance;
        QCOMPARE(distance, Camera::maxDistance);
        const QImage image = frame();
        const QPoint centre = screenOf(0, 1, distance);
        // Across the point's row, away from the white y axis through the middle: orange.
        int across = 0;
        for (int x = centre.x() - 10; x <= centre.x() + 10; ++x) {
            const QColor c = image.pixelColor(x, centre.y());
            across += c.red() > 60 && c.red() > c.blue() + 30 ? 1 : 0;
        }
        QVERIFY2(across >= 7, QByteArray::number(across));
    }

    // Turning runs at 30 frames a second at most, and stops while the view cannot be seen:
    // its page hidden, or its window minimised.
    void turningStopsUnseen() {
        view.reset();
        QWidget page;
        auto* embedded = new GLWidget(&page);
        embedded->setStore(&store);
        page.resize(viewSize, viewSize);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTimer* turning = embedded->findChild<QTimer*>("animationTimer");
        QTimer* idle = embedded->findChild<QTimer*>("idleTimer");
        QVERIFY(turning->interval() >= 1000 / 30);
        QTest::keyClick(embedded, Qt::Key_A);
        QVERIFY(turning->isActive());
        page.hide();
        QVERIFY(!turning->isActive() && !idle->isActive());
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.showMinimized();
        QMetaObject::invokeMethod(idle, "timeout");
        QVERIFY(!turning->isActive());
        const double yaw = embedded->camera().yaw;
        QTest::qWait(100);
        QCOMPARE(embedded->camera().yaw, yaw);
    }
};

QTEST_MAIN(TestLegibility)
#include "test_legibility.moc"
