#include "windowfixture.h"

#include "widgets/checkitem.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

class TestListPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f.reset(); }
    void entries();
    void information();
    void combos();
    void hideAndShowParent();
    void showObjectScrolls();

private:
    ObjectItem* entry(const QString& name) const { return w().items[w().itemNames.indexOf(name)]; }
    StereonGUI& w() const { return *f->window; }
    // The layout holds the entries, in order.
    void checkLayout();

    std::unique_ptr<WindowFixture> f;
};

// The check box of a parent in an entry's unfolded information.
static CheckItem* checkFor(ObjectItem* entry, const QString& name) {
    entry->setInfoVisible(true);
    for (CheckItem* check : entry->findChildren<CheckItem*>()) {
        if (check->itemName() == name)
            return check;
    }
    return nullptr;
}

// Filed out of name order: points C (5,5,5), B (2,0,0), A (origin), vector u (0,0,1), the
// line p through A and B (with a hidden direction vector), the plane S through A normal to u.
void TestListPanel::init() {
    f = std::make_unique<WindowFixture>();
    QVERIFY(f->build(*w().objectStore, "P C 5 5 5;P B 2 0 0;P A 0 0 0;V u 0 0 1;L p A B;N S A u"));
}

void TestListPanel::checkLayout() {
    QCOMPARE(w().listLayout->count(), w().items.size());
    for (int i = 0; i < w().items.size(); ++i)
        QCOMPARE(w().listLayout->itemAt(i)->widget(), w().items[i]);
}

// Every visible object has one entry, kind by kind in name order. A rebuild keeps the
// entries of unchanged objects, folded in as new ones are.
void TestListPanel::entries() {
    QCOMPARE(w().itemNames, QStringList({"A", "B", "C", "u", "p", "S"}));
    const QList<ObjectItem*> before = w().items;
    entry("p")->setInfoVisible(true);
    QVERIFY(f->build(*w().objectStore, "P AB 1 1 1"));
    QCOMPARE(w().itemNames, QStringList({"A", "AB", "B", "C", "u", "p", "S"}));
    QCOMPARE(w().items, QList<ObjectItem*>({before[0], w().items[1], before[1], before[2],
                                            before[3], before[4], before[5]}));
    QVERIFY(!before.contains(w().items[1]));
    QVERIFY(!entry("p")->isInfoVisible());
    checkLayout();
    QVERIFY(w().saveButton->isEnabled());

    // Hidden objects alone leave nothing to list, pick, save or reset.
    for (const QString& name : w().itemNames)
        w().objectStore->setVisible(name.toStdString(), false);
    w().rebuildList();
    QVERIFY(w().items.isEmpty());
    checkLayout();
    QVERIFY(!w().saveButton->isEnabled() && !w().resetListButton->isEnabled());
    for (QComboBox* combo : std::as_const(w().objectCombos))
        QCOMPARE(combo->count(), 0);
}

// What the (i) button folds out. Only entries with something to show have the button, and
// only they pass a visibility change on to the window.
void TestListPanel::information() {
    QStringList lines;
    for (const ObjectItem::InfoLine& line : entry("S")->infoLines())
        lines << line.text;
    QCOMPARE(lines, QStringList({"<b>Parametric equation:</b><br />{x= -1k -1l; y= -1k +1l; }",
                                 "Vector v_S (-1; -1; 0)", "Vector u_S (-1; 1; 0)",
                                 "Point A [0; 0; 0]", "Normal Vector u (0; 0; 1)"}));
    QVERIFY(entry("S")->infoButton() && !entry("S")->isInfoVisible());
    QVERIFY(entry("A")->infoLines().isEmpty() && !entry("A")->infoButton());
    entry("A")->changeItemVisibility(true, QStringLiteral("nothing"));
    QVERIFY(!w().modified);
    entry("S")->changeItemVisibility(true, QStringLiteral("nothing"));
    QVERIFY(w().modified);
    QCOMPARE(w().rememberedName, QStringLiteral("S"));
}

void TestListPanel::combos() {
    // Bare names where one kind fits; kind and name on the compute pages.
    QCOMPARE(itemTexts(w().linePoint1), QStringList({"A", "B", "C"}));
    QCOMPARE(itemTexts(w().lineVector), QStringList({"u"}));
    QCOMPARE(itemTexts(w().intersectObject1),
             QStringList({"Point A", "Point B", "Point C", "Line p", "Surface S"}));
    QCOMPARE(itemTexts(w().angleObject2), QStringList({"Vector u", "Line p", "Surface S"}));
    // The rules ran on the refilled pickers: the same object twice is refused.
    QVERIFY(!w().addLineButton->isEnabled());
    QVERIFY(!w().computeIntersectButton->isEnabled());

    // An object that comes in the middle goes into every picker in its place.
    w().vectorPoint2->setCurrentIndex(1);
    QVERIFY(f->build(*w().objectStore, "P AB 3 0 0"));
    QCOMPARE(itemTexts(w().linePoint), QStringList({"A", "AB", "B", "C"}));
    QCOMPARE(itemTexts(w().distanceObject2),
             QStringList({"Point A", "Point AB", "Point B", "Point C", "Line p", "Surface S"}));
    QCOMPARE(w().vectorPoint2->currentIndex(), 0);
    // Emptied from outside, a picker is filled afresh.
    w().angleObject1->clear();
    w().rebuildList();
    QCOMPARE(itemTexts(w().angleObject1), QStringList({"Vector u", "Line p", "Surface S"}));
}

// A parent's check box in the (i) fold-out hides and shows the parent.
void TestListPanel::hideAndShowParent() {
    QPointer<ObjectItem> oldLine = entry("p");
    QPointer<CheckItem> check = checkFor(oldLine, QStringLiteral("A"));
    QVERIFY(check);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    // Gone from the list and the pickers, not from the store.
    QCOMPARE(w().itemNames, QStringList({"B", "C", "u", "p", "S"}));
    QCOMPARE(itemTexts(w().linePoint1), QStringList({"B", "C"}));
    QVERIFY(w().objectStore->exists("A"));
    QVERIFY(w().modified);
    QCOMPARE(w().rememberedName, QStringLiteral("p"));
    // The clicked box and its entry live on until control is back in the event loop.
    QVERIFY(check && oldLine && oldLine->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!check && !oldLine);

    // The line's entry stays unfolded, the others are folded in.
    QVERIFY(entry("p")->isInfoVisible());
    QVERIFY(!entry("B")->isInfoVisible());
    CheckItem* again = checkFor(entry("p"), QStringLiteral("A"));
    QVERIFY(again && !again->isChecked());
    QVERIFY(checkFor(entry("p"), QStringLiteral("B"))->isChecked());

    QTest::mouseClick(again, Qt::LeftButton, {}, QPoint(8, again->height() / 2));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w().itemNames, QStringList({"A", "B", "C", "u", "p", "S"}));
    checkLayout();
    QCOMPARE(itemTexts(w().surfacePoint3), QStringList({"A", "B", "C"}));
    QVERIFY(entry("p")->isInfoVisible());
}

// What the links under the pages call: the list, scrolled to the unfolded entry.
void TestListPanel::showObjectScrolls() {
    for (int i = 0; i < 60; ++i)
        QVERIFY(createVector(*w().objectStore, i + 1, 0, 0, "v" + std::to_string(10 + i)));
    QVERIFY(f->build(*w().objectStore, "L z A v69"));
    w().displayPointMenu();
    w().showObject(QStringLiteral("z"));
    QVERIFY(w().objectList->isVisible());
    QCOMPARE(w().rememberedName, QStringLiteral("z"));
    QVERIFY(entry("z")->isInfoVisible());
    QVERIFY(w().objectList->verticalScrollBar()->value() > 0);
    const QRect shown(entry("z")->mapTo(w().objectList->viewport(), QPoint(0, 0)),
                      entry("z")->size());
    QVERIFY(w().objectList->viewport()->rect().contains(shown));

    // A name that is not listed changes nothing but the page.
    w().displayPointMenu();
    w().showObject(QStringLiteral("gone"));
    QVERIFY(w().objectList->isVisible());
    QCOMPARE(w().rememberedName, QStringLiteral("z"));
}

QTEST_MAIN(TestListPanel)
#include "test_listpanel.moc"
