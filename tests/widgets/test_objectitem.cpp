#include "widgets/checkitem.h"
#include "widgets/objectitem.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

class TestObjectItem : public QObject {
    Q_OBJECT
private slots:
    void colours_data();
    void colours();
    void elidesTitle();
    void infoAreaFoldsOut();
    void parentCheckReportsBothNames();
    void setItemDropsInformation();
};

void TestObjectItem::colours_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("title");
    QTest::newRow("point") << 0 << "peru"
                           << "black";
    QTest::newRow("vector") << 1 << "tomato"
                            << "black";
    QTest::newRow("line") << 2 << "deepskyblue"
                          << "black";
    QTest::newRow("surface") << 3 << "limegreen"
                             << "black";
    QTest::newRow("preview") << 4 << "wheat"
                             << "black";
    QTest::newRow("no result") << -1 << "crimson"
                               << "yellow";
    QTest::newRow("out of range") << 5 << "crimson"
                                  << "yellow";
}

void TestObjectItem::colours() {
    QFETCH(int, kind);
    QFETCH(QString, background);
    QFETCH(QString, title);
    ObjectItem item(QStringLiteral("A"), QStringLiteral("Point A"), kind);
    QCOMPARE(item.styleSheet(), QStringLiteral("background-color:%1;").arg(background));
    QCOMPARE(item.titleLabel()->styleSheet(), QStringLiteral("color:%1;").arg(title));
    QCOMPARE(item.titleLabel()->objectName(), QStringLiteral("objectTitle"));
    // The entry is painted through the style, so the background is really drawn.
    item.resize(200, 40);
    const QImage image = item.grab().toImage();
    QCOMPARE(image.pixelColor(100, image.height() - 4), QColor(background));
}

void TestObjectItem::elidesTitle() {
    const QString text = QStringLiteral("Surface S1: 1x +2y -3z +4 = 0 and a good deal more text");
    QWidget holder;
    auto* layout = new QVBoxLayout(&holder);
    auto* item = new ObjectItem(QStringLiteral("S1"), text, 3);
    layout->addWidget(item);
    holder.resize(120, 60);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    QLabel* label = item->titleLabel();
    QVERIFY(label->text() != text);
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

void TestObjectItem::infoAreaFoldsOut() {
    ObjectItem item(QStringLiteral("p"), QStringLiteral("Line p"), 2);
    QVERIFY(!item.hasInfo());
    QVERIFY(!item.infoButton());
    item.setInfoVisible(true); // nothing to show: no effect
    item.changeInfoVisibility();
    QVERIFY(!item.isInfoVisible());

    item.addInfo(QStringLiteral("<b>Parametric equation:</b><br />{x= +1k; }"));
    item.addParentItem(QStringLiteral("Point A [1; 2; 3]"), QStringLiteral("A"), true);
    item.addParentItem(QStringLiteral("Point B [0; 0; 0]"), QStringLiteral("B"), false);
    QVERIFY(item.hasInfo());
    QVERIFY(item.infoButton());
    QCOMPARE(item.infoButton()->toolTip(),
             QStringLiteral("Show or hide information about the object"));
    QCOMPARE(item.infoButton()->iconSize(), QSize(25, 25));
    QVERIFY(!item.isInfoVisible());

    item.show();
    QTest::mouseClick(item.infoButton(), Qt::LeftButton);
    QVERIFY(item.isInfoVisible());
    const QList<CheckItem*> checks = item.findChildren<CheckItem*>();
    QCOMPARE(checks.size(), 2);
    QCOMPARE(checks[0]->text(), QStringLiteral("Point A [1; 2; 3]"));
    QCOMPARE(checks[0]->itemName(), QStringLiteral("A"));
    QVERIFY(checks[0]->isChecked());
    QVERIFY(!checks[1]->isChecked());
    QCOMPARE(checks[1]->toolTip(), QStringLiteral("Show or hide the parent object"));
    QLabel* equation = nullptr;
    for (QLabel* label : item.findChildren<QLabel*>()) {
        if (label != item.titleLabel())
            equation = label;
    }
    QVERIFY(equation);
    QCOMPARE(equation->textFormat(), Qt::RichText);
    QVERIFY(equation->isVisible());

    // A line added to an unfolded area shows at once.
    item.addParentItem(QStringLiteral("Vector u (1; 0; 0)"), QStringLiteral("u"), true);
    QCOMPARE(item.findChildren<CheckItem*>().size(), 3);

    QTest::mouseClick(item.infoButton(), Qt::LeftButton);
    QVERIFY(!item.isInfoVisible());
    QVERIFY(!equation->isVisible());
}

void TestObjectItem::parentCheckReportsBothNames() {
    ObjectItem item(QStringLiteral("p"), QStringLiteral("Line p"), 2);
    item.addParentItem(QStringLiteral("Point A [1; 2; 3]"), QStringLiteral("A"), true);
    item.show();
    item.setInfoVisible(true);
    QSignalSpy spy(&item, &ObjectItem::itemVisibilityChanged);
    CheckItem* check = item.findChild<CheckItem*>();
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0], (QList<QVariant>{false, QStringLiteral("A"), QStringLiteral("p")}));
}

void TestObjectItem::setItemDropsInformation() {
    ObjectItem item(QString(), QString(), -1);
    item.addParentItem(QStringLiteral("Point A [1; 2; 3]"), QStringLiteral("A"), true);
    item.setInfoVisible(true);
    QPointer<QToolButton> button = item.infoButton();
    item.setItem(QStringLiteral("P1"), 4);
    QCOMPARE(item.name(), QStringLiteral("P1"));
    QCOMPARE(item.kind(), 4);
    QVERIFY(!item.hasInfo());
    QVERIFY(!item.infoButton());
    QVERIFY(item.infoLines().isEmpty());
    QCOMPARE(item.styleSheet(), QStringLiteral("background-color:wheat;"));
    // The old widgets go once control is back in the event loop.
    QVERIFY(button);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!button);
    QVERIFY(item.findChildren<CheckItem*>().isEmpty());
}

QTEST_MAIN(TestObjectItem)
#include "test_objectitem.moc"
