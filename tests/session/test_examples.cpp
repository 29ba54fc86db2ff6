#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include "samplescene.h"
#include "sessiontesthelpers.h"

#include <QTemporaryDir>
#include <QTest>

// The shipped example is what the generator writes today, and it loads.
class TestExamples : public QObject {
    Q_OBJECT

private slots:
    void sceneIsCurrent() {
        const QString shipped = QStringLiteral(STEREON_EXAMPLES "/scene.zdr");
        ObjectStore store;
        QVERIFY(buildSampleScene(store));
        QTemporaryDir dir;
        QVERIFY(writeSession(store, local(dir.filePath("scene.zdr"))));
        QVERIFY2(readBytes(shipped) == readBytes(dir.filePath("scene.zdr")),
                 "examples/scene.zdr is stale: regenerate it with make_examples");

        ObjectStore loaded;
        QVERIFY(readSession(loaded, local(shipped)));
        for (int kind = 0; kind <= 3; ++kind)
            QCOMPARE(loaded.count(kind), store.count(kind));
    }
};

QTEST_APPLESS_MAIN(TestExamples)
#include "test_examples.moc"
