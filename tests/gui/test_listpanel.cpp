#include "windowfixture.h"

#include "geometry/construction.h"
#include "widgets/checkitem.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

class TestListPanel : public QObject {
    Q_OBJECT
private slots:
    void entries();
    void information_data();
    void information();
    void combos();
    void hideAndShowParent();
    void showObjectScrolls();

private:
    static QStringList comboItems(const QComboBox* combo);
    // The check box of a parent in an entry's unfolded information.
    static CheckItem* checkFor(ObjectItem* entry, const QString& name);
    static void checkLayout(StereonGUI& w);
};

QStringList TestListPanel::comboItems(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

CheckItem* TestListPanel::checkFor(ObjectItem* entry, const QString& name) {
    entry->setInfoVisible(true);
    for (CheckItem* check : entry->findChildren<CheckItem*>()) {
        if (check->itemName() == name)
            return check;
    }
    return nullptr;
}

void TestListPanel::checkLayout(StereonGUI& w) {
    QCOMPARE(w.listLayout->count(), w.items.size());
    for (int i = 0; i < w.items.size(); ++i)
        QCOMPARE(w.listLayout->itemAt(i)->widget(), w.items[i]);
}

// Every visible object has one entry, kind by kind in name order. A rebuild keeps the
// entries of unchanged objects, folded in as new ones are.
void TestListPanel::entries() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    QVERIFY(createPoint(store, 0, 0, 0, "A"));
    QVERIFY(createPoint(store, 2, 0, 0, "C"));
    QVERIFY(createVector(store, 0, 0, 1, "u"));
    QVERIFY(createLine(store, "A", "C", "p")); // with a hidden direction vector
    QVERIFY(createSurfaceFromPointAndNormal(store, "A", "u", "S"));
    w.rebuildList();
    const QList<ObjectItem*> before = w.items;
    w.items[3]->setInfoVisible(true);

    QVERIFY(createPoint(store, 1, 1, 1, "B"));
    w.rebuildList();
    QCOMPARE(w.itemNames, QStringList({"A", "B", "C", "u", "p", "S"}));
    QCOMPARE(w.items, QList<ObjectItem*>(
                          {before[0], w.items[1], before[1], before[2], before[3], before[4]}));
    QVERIFY(!before.contains(w.items[1]));
    QVERIFY(!w.items[4]->isInfoVisible());
    checkLayout(w);
    QVERIFY(w.saveButton->isEnabled());

    // Hidden objects alone leave nothing to list, pick, save or reset.
    for (const QString& name : w.itemNames)
        store.setVisible(name.toStdString(), false);
    w.rebuildList();
    QVERIFY(w.items.isEmpty());
    checkLayout(w);
    QVERIFY(!w.saveButton->isEnabled());
    QVERIFY(!w.resetListButton->isEnabled());
    for (QComboBox* combo : std::as_const(w.objectCombos))
        QCOMPARE(combo->count(), 0);
}

void TestListPanel::information_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("lines");
    // Point A (0,0,0), vector u (0,0,1), plane T through A with the normal u.
    QTest::newRow("point without parents") << "A" << QStringList();
    QTest::newRow("plane with normal")
        << "T"
        << QStringList{"<b>Parametric equation:</b><br />{x= -1k -1l; y= -1k +1l; }",
                       "Vector v_T (-1; -1; 0)", "Vector u_T (-1; 1; 0)", "Point A [0; 0; 0]",
                       "Normal Vector u (0; 0; 1)"};
}

// What the (i) button folds out; only entries with something to show have the button, and
// only they pass a visibility change on to the window.
void TestListPanel::information() {
    QFETCH(QString, name);
    QFETCH(QStringList, lines);
    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    QVERIFY(createPoint(store, 0, 0, 0, "A"));
    QVERIFY(createVector(store, 0, 0, 1, "u"));
    QVERIFY(createSurfaceFromPointAndNormal(store, "A", "u", "T"));
    w.rebuildList();

    ObjectItem* entry = w.items[w.itemNames.indexOf(name)];
    QStringList shown;
    for (const ObjectItem::InfoLine& line : entry->infoLines())
        shown << line.text;
    QCOMPARE(shown, lines);
    QCOMPARE(bool(entry->infoButton()), !lines.isEmpty());
    QVERIFY(!entry->isInfoVisible());
    w.modified = false;
    entry->changeItemVisibility(true, QStringLiteral("nothing"));
    QCOMPARE(w.modified, !lines.isEmpty());
    QCOMPARE(w.rememberedName, lines.isEmpty() ? QString() : name);
}

void TestListPanel::combos() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    QVERIFY(createPoint(store, 0, 0, 0, "B"));
    QVERIFY(createPoint(store, 1, 0, 0, "A"));
    QVERIFY(createVector(store, 0, 0, 1, "u"));
    QVERIFY(createLine(store, "A", "u", "p"));
    QVERIFY(createSurfaceFromPointAndNormal(store, "A", "u", "S"));
    w.rebuildList();
    // Bare names where one kind fits; kind and name on the compute pages.
    QCOMPARE(comboItems(w.linePoint1), QStringList({"A", "B"}));
    QCOMPARE(comboItems(w.lineVector), QStringList({"u"}));
    QCOMPARE(comboItems(w.intersectObject1),
             QStringList({"Point A", "Point B", "Line p", "Surface S"}));
    QCOMPARE(comboItems(w.angleObject2), QStringList({"Vector u", "Line p", "Surface S"}));
    QCOMPARE(comboItems(w.distanceObject2),
             QStringList({"Point A", "Point B", "Line p", "Surface S"}));
    // The rules ran on the refilled pickers: the same object twice is refused.
    QVERIFY(!w.addLineButton->isEnabled());
    QVERIFY(!w.computeIntersectButton->isEnabled());

    // An object that comes in the middle goes into every picker in its place.
    QVERIFY(createPoint(store, 3, 0, 0, "AB"));
    w.vectorPoint2->setCurrentIndex(1);
    w.rebuildList();
    QCOMPARE(comboItems(w.linePoint), QStringList({"A", "AB", "B"}));
    QCOMPARE(comboItems(w.distanceObject2),
             QStringList({"Point A", "Point AB", "Point B", "Line p", "Surface S"}));
    QCOMPARE(w.vectorPoint2->currentIndex(), 0);
    // Emptied from outside, a picker is filled afresh.
    w.angleObject1->clear();
    w.rebuildList();
    QCOMPARE(comboItems(w.angleObject1), QStringList({"Vector u", "Line p", "Surface S"}));
}

// A parent's check box in the (i) fold-out hides and shows the parent.
void TestListPanel::hideAndShowParent() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    QVERIFY(createPoint(store, 0, 0, 0, "A"));
    QVERIFY(createPoint(store, 2, 0, 0, "B"));
    QVERIFY(createPoint(store, 5, 5, 5, "C"));
    QVERIFY(createLine(store, "A", "B", "p"));
    w.rebuildList();
    w.modified = false;

    QPointer<ObjectItem> oldLine = w.items[3];
    QPointer<CheckItem> check = checkFor(oldLine, QStringLiteral("A"));
    QVERIFY(check);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    // Gone from the list and the pickers, not from the store.
    QCOMPARE(w.itemNames, QStringList({"B", "C", "p"}));
    QVERIFY(!comboItems(w.linePoint1).contains(QStringLiteral("A")));
    QVERIFY(store.exists("A"));
    QVERIFY(w.modified);
    QCOMPARE(w.rememberedName, QStringLiteral("p"));
    // The clicked box and its entry live on until control is back in the event loop.
    QVERIFY(check && oldLine && oldLine->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!check && !oldLine);

    // The line's entry stays unfolded, the others are folded in.
    ObjectItem* line = w.items[2];
    QVERIFY(line->isInfoVisible());
    QVERIFY(!w.items[0]->isInfoVisible());
    CheckItem* again = checkFor(line, QStringLiteral("A"));
    QVERIFY(again && !again->isChecked());
    QVERIFY(checkFor(line, QStringLiteral("B"))->isChecked());

    QTest::mouseClick(again, Qt::LeftButton, {}, QPoint(8, again->height() / 2));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w.itemNames, QStringList({"A", "B", "C", "p"}));
    checkLayout(w);
    QCOMPARE(comboItems(w.surfacePoint3), QStringList({"A", "B", "C"}));
    QVERIFY(w.items[3]->isInfoVisible());
}

// What the links under the pages call: the list, scrolled to the unfolded entry.
void TestListPanel::showObjectScrolls() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    QVERIFY(createPoint(store, 0, 0, 0, "A"));
    for (int i = 0; i < 60; ++i)
        QVERIFY(createVector(store, i + 1, 0, 0, "v" + std::to_string(10 + i)));
    QVERIFY(createLine(store, "A", "v69", "z"));
    w.rebuildList();
    w.displayPointMenu();

    w.showObject(QStringLiteral("z"));
    QVERIFY(w.objectList->isVisible());
    QCOMPARE(w.rememberedName, QStringLiteral("z"));
    ObjectItem* entry = w.items.last();
    QVERIFY(entry->isInfoVisible());
    QVERIFY(w.objectList->verticalScrollBar()->value() > 0);
    const QRect shown(entry->mapTo(w.objectList->viewport(), QPoint(0, 0)), entry->size());
    QVERIFY(w.objectList->viewport()->rect().contains(shown));

    // A name that is not listed changes nothing but the page.
    w.displayPointMenu();
    w.showObject(QStringLiteral("gone"));
    QVERIFY(w.objectList->isVisible());
    QCOMPARE(w.rememberedName, QStringLiteral("z"));

    // The message's link leads to the object whatever its name holds.
    const QString odd = QStringLiteral("a'b\"c<&d%20");
    QVERIFY(createPoint(store, 1, 2, 3, odd.toStdString()));
    w.objectAdded(w.pointAlert, "Point %1 was added.", odd);
    const QString html = w.pointAlert->text();
    const QRegularExpressionMatch link =
        QRegularExpression(QStringLiteral("^<a href=\"([^\"]*)\">(.*)</a>$")).match(html);
    QVERIFY2(link.hasMatch(), qPrintable(html));
    QCOMPARE(link.captured(2), QStringLiteral("Point %1 was added.").arg(odd).toHtmlEscaped());
    w.displayPointMenu();
    emit w.pointAlert->linkActivated(link.captured(1));
    QCOMPARE(w.rememberedName, odd);
    QVERIFY(w.objectList->isVisible());
}

QTEST_MAIN(TestListPanel)
#include "test_listpanel.moc"
