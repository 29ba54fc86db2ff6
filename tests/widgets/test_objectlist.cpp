// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/checkitem.h"
#include "widgets/objectdelegate.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"
#include "widgets/objectroles.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

class TestObjectList : public QObject {
    Q_OBJECT
private slots:
    void drop_data() {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("expected");
        QStringList texts;
        for (int i = 0; i < 31; ++i)
            texts << QStringLiteral("/tmp/%1.txt").arg(i);
        QTest::newRow("text, then two sessions")
            << QStringList{"/tmp/a.txt", "/tmp/b.zdr", "/tmp/c.zdr"} << "/tmp/b.zdr";
        // The name must end in ".zdr", in small letters, on this machine.
        QTest::newRow("no local session name")
            << QStringList{"/tmp/A.ZDR", "/tmp/a.zdr.txt", "http://example.org/a.zdr"} << QString();
        QTest::newRow("session as 32nd url")
            << texts + QStringList{"/tmp/last.zdr"} << "/tmp/last.zdr";
        QTest::newRow("session as 33rd url")
            << texts + QStringList{"/tmp/x.txt", "/tmp/last.zdr"} << QString();
        QTest::newRow("a path as text only") << QStringList() << QString();
    }

    // Only a drag that brings a session file is taken.
    void drop() {
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
        QCOMPARE(enter.isAccepted(), !expected.isEmpty());
        if (expected.isEmpty())
            return;
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list.viewport(), &drop);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.value(0).value(0).toString(), expected);
    }

    // An entry is painted in its kind's colour; "no result" in crimson with a yellow title.
    void entryColours() {
        const std::pair<int, const char*> kinds[] = {
            {0, "peru"}, {4, "wheat"}, {-1, "crimson"}, {5, "crimson"}};
        for (const auto& [kind, colour] : kinds) {
            ObjectItem item(QStringLiteral("A"), QStringLiteral("Point A"), kind);
            item.resize(200, 40);
            const QImage image = item.grab().toImage();
            QCOMPARE(image.pixelColor(100, image.height() - 4), QColor(colour));
            QCOMPARE(item.titleLabel()->styleSheet(),
                     kind == -1 || kind == 5 ? "color:yellow;" : "color:black;");
        }
    }

    // Too narrow, the title is elided with the whole text as tool tip, a new one at once.
    void entryElidesTitle() {
        const QString text = QStringLiteral("Surface S1: 1x +2y -3z +4 = 0 and a good deal more");
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
        holder.resize(1200, 60);
        QTRY_COMPARE(label->text(), text);
        QCOMPARE(label->toolTip(), QString());
        holder.resize(120, 60);
        QTRY_VERIFY(label->text() != text);
        item->setTitle(QStringLiteral("L"));
        QVERIFY(label->text() == QStringLiteral("L") && label->toolTip().isEmpty());
    }

    // The information folds out and in; a check box reports both names, and the entry may be
    // reused at once while the box that sent the signal is still busy.
    void entryFoldsOutAndIsReused() {
        ObjectItem item(QStringLiteral("p"), QStringLiteral("Line p"), 2);
        item.setInfoVisible(true); // nothing to show: no button, no effect
        QVERIFY(!item.infoButton() && !item.isInfoVisible());
        const QString equation = QStringLiteral("<b>Parametric equation:</b><br />{x= +1k; }");
        item.addInfo(equation);
        item.addParentItem(QStringLiteral("Point A [1; 2; 3]"), QStringLiteral("A"), true);
        item.addParentItem(QStringLiteral("Point B [0; 0; 0]"), QStringLiteral("B"), false);
        QVERIFY(item.hasInfo() && !item.isInfoVisible());

        item.show();
        QTest::mouseClick(item.infoButton(), Qt::LeftButton);
        QVERIFY(item.isInfoVisible());
        QLabel* label = item.findChildren<QLabel*>().last();
        QCOMPARE(label->text(), equation);
        QVERIFY(label->textFormat() == Qt::RichText && label->isVisible());
        item.addParentItem(QStringLiteral("Vector u (1; 0; 0)"), QStringLiteral("u"), true);
        QStringList boxes;
        for (const CheckItem* check : item.findChildren<CheckItem*>())
            boxes << check->text() + (check->isChecked() ? " on" : " off");
        QCOMPARE(boxes, QStringList({"Point A [1; 2; 3] on", "Point B [0; 0; 0] off",
                                     "Vector u (1; 0; 0) on"}));
        // A long parent is cut short, whole in its tooltip.
        const QString longParent = "Line " + QString(200, 'q');
        item.addParentItem(longParent, QStringLiteral("q"), true);
        const CheckItem* last = item.findChildren<CheckItem*>().last();
        QVERIFY(last->text().endsWith(QChar(0x2026)) && last->toolTip().startsWith(longParent));
        QTest::mouseClick(item.infoButton(), Qt::LeftButton);
        QVERIFY(!item.isInfoVisible() && !label->isVisible());

        item.setInfoVisible(true);
        QPointer<CheckItem> check = item.findChildren<CheckItem*>().first();
        QVariantList reported;
        connect(&item, &ObjectItem::itemVisibilityChanged, &item,
                [&](bool visible, const QString& name, const QString& parent) {
                    reported = {visible, name, parent};
                    item.setItem(QStringLiteral("P1"), 4);
                });
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QCOMPARE(reported, (QVariantList{false, QStringLiteral("A"), QStringLiteral("p")}));
        QVERIFY(item.name() == QStringLiteral("P1") && item.kind() == 4);
        QVERIFY(!item.hasInfo() && !item.infoButton() && item.infoLines().isEmpty());
        // The old widgets go once control is back in the event loop.
        QVERIFY(check);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!check && item.findChildren<CheckItem*>().isEmpty());
    }

    // A card per row in its kind's colour; a row unfolds and folds back.
    void cards() {
        QStandardItemModel model;
        for (int kind : {0, 2, 3}) {
            auto* row = new QStandardItem(QStringLiteral("Title %1").arg(kind));
            row->setData(QStringLiteral("n%1").arg(kind), ObjectRole::Name);
            row->setData(kind, ObjectRole::Kind);
            row->setData(kind > 0, ObjectRole::HasInfo);
            row->setData(false, ObjectRole::Expanded);
            row->setData(QVariant::fromValue(QList<InfoLine>{{"<b>Equation</b>", "", false},
                                                             {"Point A", "A", true}}),
                         ObjectRole::InfoLines);
            model.appendRow(row);
        }
        ObjectList list;
        list.setModel(&model);
        list.resize(300, 400);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QImage folded = list.viewport()->grab().toImage();
        const auto layout = [&](int row) {
            const QModelIndex index = model.index(row, 0);
            return list.delegate()->layoutOf(list.visualRect(index), index);
        };
        const char* const colours[] = {"peru", "deepskyblue", "limegreen"};
        for (int row = 0; row < 3; ++row)
            QCOMPARE(folded.pixelColor(layout(row).card.bottomLeft() + QPoint(4, -4)),
                     QColor(colours[row]));
        QVERIFY(layout(0).infoButton.isEmpty());

        const QModelIndex line = model.index(1, 0);
        const int foldedHeight = list.visualRect(line).height();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, layout(1).infoButton.center());
        QVERIFY(line.data(ObjectRole::Expanded).toBool());
        QTRY_VERIFY(list.visualRect(line).height() > foldedHeight);
        QCOMPARE(layout(1).lineRects.size(), 2);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, layout(1).infoButton.center());
        QTRY_COMPARE(list.visualRect(line).height(), foldedHeight);
    }
};

QTEST_MAIN(TestObjectList)
#include "test_objectlist.moc"
