#include "widgets/checkitem.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

// The object list panel and its entries.
class TestObjectList : public QObject {
    Q_OBJECT
private slots:
    void drop_data();
    void drop();
    void entryColours_data();
    void entryColours();
    void entryElidesTitle();
    void entryFoldsOutAndIsReused();
};

void TestObjectList::drop_data() {
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QString>("expected");
    QStringList texts;
    for (int i = 0; i < 31; ++i)
        texts << QStringLiteral("/tmp/%1.txt").arg(i);
    QTest::newRow("one session") << QStringList{"/tmp/a.zdr"} << "/tmp/a.zdr";
    QTest::newRow("text, then two sessions")
        << QStringList{"/tmp/a.txt", "/tmp/b.zdr", "/tmp/c.zdr"} << "/tmp/b.zdr";
    QTest::newRow("capital extension") << QStringList{"/tmp/A.ZDR"} << QString();
    QTest::newRow("extension inside the name") << QStringList{"/tmp/a.zdr.txt"} << QString();
    QTest::newRow("remote url") << QStringList{"http://example.org/a.zdr"} << QString();
    QTest::newRow("session as 32nd url") << texts + QStringList{"/tmp/last.zdr"} << "/tmp/last.zdr";
    QTest::newRow("session as 33rd url")
        << texts + QStringList{"/tmp/x.txt", "/tmp/last.zdr"} << QString();
    QTest::newRow("a path as text only") << QStringList() << QString();
}

// Drops reach only the widget that the drag entered, as with a real drag.
void TestObjectList::drop() {
    QFETCH(QStringList, urls);
    QFETCH(QString, expected);
    ObjectList list;
    QSignalSpy spy(&list, &ObjectList::droppedFile);
    QMimeData data;
    data.setText(QStringLiteral("/tmp/a.zdr"));
    QList<QUrl> dropped;
    for (const QString& url : urls)
        dropped << QUrl::fromUserInput(url);
    if (!urls.isEmpty())
        data.setUrls(dropped);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(list.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &drop);
    QCOMPARE(spy.count(), expected.isEmpty() ? 0 : 1);
    QCOMPARE(spy.value(0).value(0).toString(), expected);
}

void TestObjectList::entryColours_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("title");
    auto row = [](const char* name, int kind, const char* background, const char* title) {
        QTest::newRow(name) << kind << QString(background) << QString(title);
    };
    row("point", 0, "peru", "black");
    row("preview", 4, "wheat", "black");
    row("no result", -1, "crimson", "yellow");
    row("out of range", 5, "crimson", "yellow");
}

void TestObjectList::entryColours() {
    QFETCH(int, kind);
    QFETCH(QString, background);
    QFETCH(QString, title);
    ObjectItem item(QStringLiteral("A"), QStringLiteral("Point A"), kind);
    QCOMPARE(item.titleLabel()->styleSheet(), QStringLiteral("color:%1;").arg(title));
    // The entry is painted through the style, so the background is really drawn.
    item.resize(200, 40);
    const QImage image = item.grab().toImage();
    QCOMPARE(image.pixelColor(100, image.height() - 4), QColor(background));
}

void TestObjectList::entryElidesTitle() {
    const QString text = QStringLiteral("Surface S1: 1x +2y -3z +4 = 0 and a good deal more text");
    QWidget holder;
    auto* item = new ObjectItem(QStringLiteral("S1"), text, 3);
    (new QVBoxLayout(&holder))->addWidget(item);
    holder.resize(120, 60);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    QLabel* label = item->titleLabel();
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QCOMPARE(label->toolTip(), text);
    QCOMPARE(item->fullTitle(), text);
    // Wide enough: the whole text, no tool tip.
    holder.resize(1200, 60);
    QTRY_COMPARE(label->text(), text);
    QCOMPARE(label->toolTip(), QString());
    // A new title is elided to the current width at once.
    holder.resize(120, 60);
    QTRY_VERIFY(label->text() != text);
    item->setTitle(QStringLiteral("L"));
    QCOMPARE(label->text(), QStringLiteral("L"));
    QCOMPARE(label->toolTip(), QString());
}

// The information folds out and in on the button; a line added while it is out shows at
// once. A check box reports both names; the list may then reuse the entry for another
// object at once, while the box that sent the signal is still busy.
void TestObjectList::entryFoldsOutAndIsReused() {
    ObjectItem item(QStringLiteral("p"), QStringLiteral("Line p"), 2);
    QVERIFY(!item.infoButton());
    item.setInfoVisible(true); // nothing to show: no effect
    QVERIFY(!item.isInfoVisible());

    const QString equation = QStringLiteral("<b>Parametric equation:</b><br />{x= +1k; }");
    item.addInfo(equation);
    item.addParentItem(QStringLiteral("Point A [1; 2; 3]"), QStringLiteral("A"), true);
    item.addParentItem(QStringLiteral("Point B [0; 0; 0]"), QStringLiteral("B"), false);
    QVERIFY(item.hasInfo());
    QVERIFY(!item.isInfoVisible());

    item.show();
    QTest::mouseClick(item.infoButton(), Qt::LeftButton);
    QVERIFY(item.isInfoVisible());
    const QList<CheckItem*> checks = item.findChildren<CheckItem*>();
    QCOMPARE(checks.size(), 2);
    QCOMPARE(checks[0]->text(), QStringLiteral("Point A [1; 2; 3]"));
    QVERIFY(checks[0]->isChecked());
    QVERIFY(!checks[1]->isChecked());
    QLabel* label = item.findChildren<QLabel*>().last();
    QCOMPARE(label->text(), equation);
    QCOMPARE(label->textFormat(), Qt::RichText);
    QVERIFY(label->isVisible());
    item.addParentItem(QStringLiteral("Vector u (1; 0; 0)"), QStringLiteral("u"), true);
    QCOMPARE(item.findChildren<CheckItem*>().size(), 3);
    QTest::mouseClick(item.infoButton(), Qt::LeftButton);
    QVERIFY(!item.isInfoVisible());
    QVERIFY(!label->isVisible());

    item.setInfoVisible(true);
    QPointer<CheckItem> check = checks[0];
    QVariantList reported;
    connect(&item, &ObjectItem::itemVisibilityChanged, &item,
            [&](bool visible, const QString& name, const QString& parent) {
                reported = {visible, name, parent};
                item.setItem(QStringLiteral("P1"), 4);
            });
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(reported, (QVariantList{false, QStringLiteral("A"), QStringLiteral("p")}));
    QCOMPARE(item.name(), QStringLiteral("P1"));
    QCOMPARE(item.kind(), 4);
    QVERIFY(!item.hasInfo());
    QVERIFY(!item.infoButton());
    QVERIFY(item.infoLines().isEmpty());
    // The old widgets go once control is back in the event loop.
    QVERIFY(check);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!check);
    QVERIFY(item.findChildren<CheckItem*>().isEmpty());
}

QTEST_MAIN(TestObjectList)
#include "test_objectlist.moc"
