#include "widgets/objectlist.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

class TestObjectList : public QObject {
    Q_OBJECT
private slots:
    void dragIsAccepted();
    void drop_data();
    void drop();
    void dropWithoutUrls();
};

namespace {

QList<QUrl> localUrls(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

// Drops reach only the widget that the drag entered, as with a real drag.
void dragAndDrop(ObjectList& list, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &drop);
}

} // namespace

void TestObjectList::dragIsAccepted() {
    ObjectList list;
    QMimeData data;
    data.setText(QStringLiteral("anything"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(list.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
}

void TestObjectList::drop_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one session") << localUrls({"/tmp/a.zdr"}) << "/tmp/a.zdr";
    QTest::newRow("text, then two sessions")
        << localUrls({"/tmp/a.txt", "/tmp/b.zdr", "/tmp/c.zdr"}) << "/tmp/b.zdr";
    QTest::newRow("capital extension") << localUrls({"/tmp/A.ZDR"}) << QString();
    QTest::newRow("extension inside the name") << localUrls({"/tmp/a.zdr.txt"}) << QString();
    QTest::newRow("remote url") << QList<QUrl>{QUrl("http://example.org/a.zdr")} << QString();

    QStringList texts;
    for (int i = 0; i < 31; ++i)
        texts << QStringLiteral("/tmp/%1.txt").arg(i);
    QTest::newRow("session as 32nd url")
        << localUrls(texts + QStringList{"/tmp/last.zdr"}) << "/tmp/last.zdr";
    QTest::newRow("session as 33rd url")
        << localUrls(texts + QStringList{"/tmp/x.txt", "/tmp/last.zdr"}) << QString();
}

void TestObjectList::drop() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, expected);

    ObjectList list;
    QSignalSpy spy(&list, &ObjectList::droppedFile);
    QMimeData data;
    data.setUrls(urls);
    dragAndDrop(list, data);

    if (expected.isEmpty()) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), expected);
    }
}

void TestObjectList::dropWithoutUrls() {
    ObjectList list;
    QSignalSpy spy(&list, &ObjectList::droppedFile);
    QMimeData data;
    data.setText(QStringLiteral("/tmp/a.zdr"));
    dragAndDrop(list, data);
    QCOMPARE(spy.count(), 0);
}

QTEST_MAIN(TestObjectList)
#include "test_objectlist.moc"
