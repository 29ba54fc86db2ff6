#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include "samplescene.h"
#include "sessiontesthelpers.h"

#include "geometry/construction.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

double norm(const vector4D& a) {
    return std::sqrt(dot(a, a));
}

bool parallel(const vector4D& a, const vector4D& b) {
    return norm(a) > 0 && norm(b) > 0 && norm(cross(a, b)) <= 1e-9 * norm(a) * norm(b);
}

// Six significant digits survive the file.
bool sameCoordinates(const vector4D& a, const vector4D& b) {
    for (double d : {a.x() - b.x(), a.y() - b.y(), a.z() - b.z()})
        if (std::fabs(d) > 1e-5 * std::max(1.0, norm(a)))
            return false;
    return true;
}

bool onPlane(const surface& s, const vector4D& x) {
    return std::fabs(dot(s.normal.coordinates, x) + s.d) <= 1e-6 * norm(s.normal.coordinates);
}

} // namespace

class TestRoundTrip : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // Everything of original is back in loaded: kind, flag, parents by name, and geometry.
    void compareStores(const ObjectStore& original, const ObjectStore& loaded) {
        for (int kind = 0; kind <= 3; ++kind) {
            QCOMPARE(loaded.count(kind), original.count(kind));
            for (const auto& entry : original.objects(kind)) {
                const SpaceObject& was = *entry.second;
                const SpaceObject* is = loaded.find(entry.first);
                QVERIFY2(is && is->type() == kind, entry.first.c_str());
                QCOMPARE(is->visible, was.visible);
                QCOMPARE(is->parents.size(), was.parents.size());
                for (std::size_t i = 0; i < was.parents.size(); ++i)
                    QCOMPARE(is->parents[i]->name, was.parents[i]->name);
                compareGeometry(was, *is);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        QCOMPARE(loaded.visibleCount(), original.visibleCount());
    }

    void compareGeometry(const SpaceObject& was, const SpaceObject& is) {
        const char* name = was.name.c_str();
        if (was.type() <= 1) {
            QVERIFY2(sameCoordinates(static_cast<const Point&>(is).coordinates,
                                     static_cast<const Point&>(was).coordinates),
                     name);
        } else if (was.type() == 2) {
            const auto& a = static_cast<const line&>(was);
            const auto& b = static_cast<const line&>(is);
            QVERIFY2(parallel(a.direction.coordinates, b.direction.coordinates), name);
            const vector4D between = b.point.coordinates - a.point.coordinates;
            QVERIFY2(norm(between) < 1e-6 || parallel(between, a.direction.coordinates), name);
        } else {
            const auto& a = static_cast<const surface&>(was);
            const auto& b = static_cast<const surface&>(is);
            QVERIFY2(parallel(a.normal.coordinates, b.normal.coordinates), name);
            QVERIFY2(onPlane(a, b.point.coordinates) && onPlane(b, a.point.coordinates), name);
        }
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void threeSavesAreIdentical() {
        ObjectStore original;
        QVERIFY(buildSampleScene(original));
        QVERIFY(createPoint(original, 0.123456789, -1e-7, 2.5e7, "Bod_čšťžýáíéúůňďľĺŕôä"));
        QVERIFY(createLine(original, "Bod_čšťžýáíéúůňďľĺŕôä", "t", "Priamka_ľ"));

        const std::string first = local(dir.filePath("first.zdr"));
        const std::string second = local(dir.filePath("second.zdr"));
        const std::string third = local(dir.filePath("third.zdr"));
        QVERIFY(writeSession(original, first));
        ObjectStore once;
        QVERIFY(readSession(once, first));
        compareStores(original, once);
        QVERIFY(writeSession(once, second));
        ObjectStore twice;
        QVERIFY(readSession(twice, second));
        compareStores(original, twice);
        QVERIFY(writeSession(twice, third));

        const QByteArray text = readBytes(dir.filePath("first.zdr"));
        QVERIFY(!text.isEmpty());
        QCOMPARE(readBytes(dir.filePath("second.zdr")), text);
        QCOMPARE(readBytes(dir.filePath("third.zdr")), text);
    }
};

QTEST_APPLESS_MAIN(TestRoundTrip)
#include "test_roundtrip.moc"
