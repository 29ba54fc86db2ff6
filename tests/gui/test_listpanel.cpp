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

// The check box of a parent in an entry's unfolded information.
static CheckItem* checkFor(ObjectItem* entry, const QString& name) {
    entry->setInfoVisible(true);
    for (CheckItem* check : entry->findChildren<CheckItem*>())
        if (check->itemName() == name)
            return check;
    return nullptr;
}

// The list page, its entries and the pickers filled with it. Every picker holding the visible
// objects of its kinds in order, and Save working when there is something to save, are
// checked after each of the stress test's actions.
class TestListPanel : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    StereonGUI& w() const { return *f->window; }
    ObjectItem* entry(const QString& name) const { return w().items[w().itemNames.indexOf(name)]; }
    // The layout holds the entries, in order.
    void checkLayout() {
        QCOMPARE(w().listLayout->count(), w().items.size());
        for (int i = 0; i < w().items.size(); ++i)
            QCOMPARE(w().listLayout->itemAt(i)->widget(), w().items[i]);
    }

private slots:
    // Filed out of name order: points C (5,5,5), B (2,0,0), A (origin), vector u (0,0,1), the
    // line p through A and B (with a hidden direction vector), the plane S through A normal
    // to u.
    void init() {
        f = std::make_unique<WindowFixture>();
        QVERIFY(
            f->build(*w().objectStore, "P C 5 5 5;P B 2 0 0;P A 0 0 0;V u 0 0 1;L p A B;N S A u"));
    }
    void cleanup() { f.reset(); }

    // Every visible object has one entry, kind by kind in name order. A rebuild keeps the
    // entries of unchanged objects, folded in as new ones are. Hidden objects alone leave
    // nothing to list, save or reset.
    void entries() {
        QCOMPARE(w().itemNames, QStringList({"A", "B", "C", "u", "p", "S"}));
        const QList<ObjectItem*> before = w().items;
        entry("p")->setInfoVisible(true);
        QVERIFY(f->build(*w().objectStore, "P AB 1 1 1"));
        QCOMPARE(w().itemNames, QStringList({"A", "AB", "B", "C", "u", "p", "S"}));
        QCOMPARE(w().items, QList<ObjectItem*>({before[0], w().items[1], before[1], before[2],
                                                before[3], before[4], before[5]}));
        QVERIFY(!before.contains(w().items[1]) && !entry("p")->isInfoVisible());
        checkLayout();
        for (const QString& name : w().itemNames)
            w().objectStore->setVisible(name.toStdString(), false);
        w().rebuildList();
        QVERIFY(w().items.isEmpty());
        checkLayout();
        QVERIFY(!w().saveButton->isEnabled() && !w().resetListButton->isEnabled());
    }

    // What the (i) button folds out. Only entries with something to show have the button,
    // and only they pass a visibility change on to the window.
    void information() {
        QStringList lines;
        for (const ObjectItem::InfoLine& line : entry("S")->infoLines())
            lines << line.text;
        QCOMPARE(lines,
                 QStringList({"<b>Parametric equation:</b><br />{x= -1k -1l; y= -1k +1l; z= 0; }",
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

    // The rules run on the refilled pickers (the same object twice is refused); the names
    // carry their kind where kinds mix; an object that comes in the middle goes in its place,
    // the first object chosen; a picker emptied from outside is filled afresh.
    void combos() {
        QVERIFY(!w().addLineButton->isEnabled() && !w().computeIntersectButton->isEnabled());
        w().vectorPoint2->setCurrentIndex(1);
        QVERIFY(f->build(*w().objectStore, "P AB 3 0 0"));
        QCOMPARE(itemTexts(w().distanceObject2),
                 QStringList({"Point A", "Point AB", "Point B", "Point C", "Line p", "Surface S"}));
        QCOMPARE(w().vectorPoint2->currentIndex(), 0);
        w().angleObject1->clear();
        w().rebuildList();
        QCOMPARE(itemTexts(w().angleObject1), QStringList({"Vector u", "Line p", "Surface S"}));
    }

    // A parent's check box in the (i) fold-out hides and shows the parent: gone from the list,
    // not from the store. The clicked box and its entry live on until control is back in the
    // event loop. The line's entry stays unfolded, the others are folded in.
    void hideAndShowParent() {
        QPointer<ObjectItem> oldLine = entry("p");
        QPointer<CheckItem> check = checkFor(oldLine, QStringLiteral("A"));
        QVERIFY(check);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QCOMPARE(w().itemNames, QStringList({"B", "C", "u", "p", "S"}));
        QVERIFY(w().objectStore->exists("A") && w().modified);
        QCOMPARE(w().rememberedName, QStringLiteral("p"));
        QVERIFY(check && oldLine && oldLine->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!check && !oldLine);

        QVERIFY(entry("p")->isInfoVisible() && !entry("B")->isInfoVisible());
        CheckItem* again = checkFor(entry("p"), QStringLiteral("A"));
        QVERIFY(again && !again->isChecked());
        QVERIFY(checkFor(entry("p"), QStringLiteral("B"))->isChecked());
        QTest::mouseClick(again, Qt::LeftButton, {}, QPoint(8, again->height() / 2));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w().itemNames, QStringList({"A", "B", "C", "u", "p", "S"}));
        checkLayout();
        QVERIFY(entry("p")->isInfoVisible());
    }

    // What the links under the pages call: the list, scrolled to the unfolded entry. A name
    // that is not listed changes nothing but the page.
    void showObjectScrolls() {
        for (int i = 0; i < 60; ++i)
            QVERIFY(createVector(*w().objectStore, i + 1, 0, 0, "v" + std::to_string(10 + i)));
        QVERIFY(f->build(*w().objectStore, "L z A v69"));
        w().displayPointMenu();
        w().showObject(QStringLiteral("z"));
        QVERIFY(w().objectList->isVisible() && entry("z")->isInfoVisible());
        QCOMPARE(w().rememberedName, QStringLiteral("z"));
        QVERIFY(w().objectList->verticalScrollBar()->value() > 0);
        const QRect shown(entry("z")->mapTo(w().objectList->viewport(), QPoint(0, 0)),
                          entry("z")->size());
        QVERIFY(w().objectList->viewport()->rect().contains(shown));
        w().displayPointMenu();
        w().showObject(QStringLiteral("gone"));
        QVERIFY(w().objectList->isVisible());
        QCOMPARE(w().rememberedName, QStringLiteral("z"));
    }

    // A parent plane's line shows the plane's equation, found without describing the plane's
    // own parents: with tens of thousands of each that took minutes, past the time limit.
    void longParentLists() {
        ObjectStore& store = *w().objectStore;
        QVERIFY(f->build(store, "E Base u 0;E Top u -1"));
        store.setVisible("Base", false);
        const int n = 50000;
        store.find("Base")->parents.assign(n, store.find("A"));
        store.find("Top")->parents.assign(n, store.find("Base"));
        w().rebuildList();
        const QList<ObjectItem::InfoLine>& lines = entry("Top")->infoLines();
        QCOMPARE(lines.size(), n + 1); // the parametric equation, then the parents
        // Base is the plane z = 0, as S is.
        QCOMPARE(lines.last().text, entry("S")->fullTitle().replace("Surface S:", "Surface Base:"));
        QCOMPARE(lines.last().itemName, QStringLiteral("Base"));
    }
};

QTEST_MAIN(TestListPanel)
#include "test_listpanel.moc"
