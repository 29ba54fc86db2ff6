#include "samplescene.h"
#include "sessiontesthelpers.h"

#include "geometry/truedistance.h"

#include <QTest>

namespace {

// Lines and planes are rebuilt from their parents: each comes back as the same set of
// points, whatever its direction or normal.
void compareShapes(const ObjectStore& original, const ObjectStore& loaded) {
    for (const auto& [name, was] : original.objects(2)) {
        const auto* a = static_cast<const line*>(was.get());
        const auto* b = static_cast<const line*>(loaded.find(name));
        QVERIFY2(b && b->type() == 2 &&
                     parallelDirections(a->direction.coordinates, b->direction.coordinates) &&
                     pointOnLineWithin(b->point.coordinates, a->point.coordinates,
                                       a->direction.coordinates),
                 name.c_str());
    }
    for (const auto& [name, was] : original.objects(3)) {
        const auto* a = static_cast<const surface*>(was.get());
        const auto* b = static_cast<const surface*>(loaded.find(name));
        QVERIFY2(b && b->type() == 3 &&
                     parallelDirections(a->normal.coordinates, b->normal.coordinates) &&
                     pointOnPlaneWithin(b->point.coordinates, a->normal.coordinates, a->d) &&
                     pointOnPlaneWithin(a->point.coordinates, b->normal.coordinates, b->d),
                 name.c_str());
    }
}

} // namespace

class TestExamples : public QObject {
    Q_OBJECT

private slots:
    // The shipped example is what the generator writes today. Loading it gives the same
    // lines and planes, and saving what was loaded gives the same file, twice.
    void sceneIsCurrentAndRoundTrips() {
        ObjectStore original, once, twice;
        QVERIFY(buildSampleScene(original));
        const QByteArray first = saved(original);
        QVERIFY2(readBytes(QStringLiteral(STEREON_EXAMPLES "/scene.zdr")) == first,
                 "examples/scene.zdr is stale: regenerate it with make_examples");
        QVERIFY(load(once, first));
        compareShapes(original, once);
        const QByteArray second = saved(once);
        QCOMPARE(second, first);
        QVERIFY(load(twice, second));
        compareShapes(original, twice);
        QCOMPARE(saved(twice), first);
    }
};

QTEST_APPLESS_MAIN(TestExamples)
#include "test_examples.moc"
