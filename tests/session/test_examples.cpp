// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplescene.h"
#include "sessiontesthelpers.h"

class TestExamples : public QObject {
    Q_OBJECT

private slots:
    // The shipped example is what the generator writes today, and saving what was loaded
    // from it gives the same file.
    void sceneIsCurrentAndRoundTrips() {
        ObjectStore original, loaded;
        QVERIFY(buildSampleScene(original));
        const QByteArray first = saved(original);
        QVERIFY2(readBytes(QStringLiteral(STEREON_EXAMPLES "/scene.zdr")) == first,
                 "examples/scene.zdr is stale: regenerate it with make_examples");
        QVERIFY(load(loaded, first));
        QCOMPARE(saved(loaded), first);
    }
};

QTEST_APPLESS_MAIN(TestExamples)
#include "test_examples.moc"
