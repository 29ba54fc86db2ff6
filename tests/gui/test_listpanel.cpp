#include "windowfixture.h"

#include "geometry/construction.h"
#include "view3d/glwidget.h"
#include "widgets/checkitem.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

class TestListPanel : public QObject {
    Q_OBJECT
private slots:
    void emptyStore();
    void titles_data();
    void titles();
    void information_data();
    void information();
    void combos();
    void hideAndShowParent();
    void rebuildKeepsUnchangedEntries();
    void showObjectScrolls();
    void languageChangeRetitles();

private:
    static QStringList comboItems(const QComboBox* combo);
    static CheckItem* checkFor(ObjectItem* entry, const QString& name);
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

void TestListPanel::emptyStore() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    // Hidden objects alone leave the list empty and nothing to save.
    createPoint(*w.objectStore, 1, 2, 3, "A");
    w.objectStore->setVisible("A", false);
    w.rebuildList();
    QVERIFY(w.items.isEmpty());
    QCOMPARE(w.listLayout->count(), 0);
    QVERIFY(!w.saveButton->isEnabled());
    QVERIFY(!w.resetListButton->isEnabled());
    for (QComboBox* combo : w.objectCombos)
        QCOMPARE(combo->count(), 0);
}

void TestListPanel::titles_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<QString>("title");
    QTest::newRow("point") << 0 << 1.0 << 2.5 << -3.0 << "Point N [1; 2.5; -3]";
    QTest::newRow("six digits") << 0 << 1.0 / 3 << 1234567.0 << 0.0
                                << "Point N [0.333333; 1.23457e+06; 0]";
    QTest::newRow("vector") << 1 << 0.5 << -2.0 << 1e-7 << "Vector N (0.5; -2; 1e-07)";
    QTest::newRow("line") << 2 << 0.0 << 0.0 << 0.0 << "Line N";
    QTest::newRow("surface") << 3 << 0.0 << 0.0 << 0.0 << "Surface N: 2x  = 0";
}

void TestListPanel::titles() {
    QFETCH(int, kind);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(QString, title);
    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    createPoint(store, 0, 0, 0, "O");
    createVector(store, 2, 0, 0, "e");
    if (kind == 0)
        QVERIFY(createPoint(store, x, y, z, "N"));
    else if (kind == 1)
        QVERIFY(createVector(store, x, y, z, "N"));
    else if (kind == 2)
        QVERIFY(createLine(store, "O", "e", "N"));
    else
        QVERIFY(createSurfaceFromPointAndNormal(store, "O", "e", "N"));
    w.rebuildList();
    const int at = w.itemNames.indexOf(QStringLiteral("N"));
    QVERIFY(at >= 0);
    ObjectItem* entry = w.items[at];
    QCOMPARE(entry->fullTitle(), title);
    QCOMPARE(entry->kind(), kind);
    QCOMPARE(w.listLayout->itemAt(at)->widget(), entry);
    QVERIFY(w.saveButton->isEnabled());
}

void TestListPanel::information_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("connected");
    // Points A (0,0,0) and B (2,0,0), vector u (0,0,1), w = B - A, line p through A and B,
    // planes T (A, normal u) and R (A, normal w), m the intersection of T and R.
    QTest::newRow("point without parents") << "A" << QStringList() << false;
    QTest::newRow("vector from points")
        << "w" << QStringList{"Point A [0; 0; 0]", "Point B [2; 0; 0]"} << true;
    QTest::newRow("line from points")
        << "p"
        << QStringList{"<b>Parametric equation:</b><br />{x= +2k; }", "Vector p_sv (2; 0; 0)",
                       "Point A [0; 0; 0]", "Point B [2; 0; 0]"}
        << true;
    QTest::newRow("plane with normal")
        << "T"
        << QStringList{"<b>Parametric equation:</b><br />{x= -1k -1l; y= -1k +1l; }",
                       "Vector v_T (-1; -1; 0)", "Vector u_T (-1; 1; 0)", "Point A [0; 0; 0]",
                       "Normal Vector u (0; 0; 1)"}
        << true;
    QTest::newRow("intersection line") << "m"
                                       << QStringList{"<b>Parametric equation:</b><br />{y= +2k; }",
                                                      "Vector v_m (0; 2; 0)", "Point P_m [0; 0; 0]"}
                                       << true;
}

void TestListPanel::information() {
    QFETCH(QString, name);
    QFETCH(QStringList, lines);
    QFETCH(bool, connected);
    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    QVERIFY(createPoint(store, 0, 0, 0, "A"));
    QVERIFY(createPoint(store, 2, 0, 0, "B"));
    QVERIFY(createVector(store, 0, 0, 1, "u"));
    QVERIFY(createVectorFromPoints(store, "A", "B", "w"));
    QVERIFY(createLine(store, "A", "B", "p"));
    QVERIFY(createSurfaceFromPointAndNormal(store, "A", "u", "T"));
    QVERIFY(createSurfaceFromPointAndNormal(store, "A", "w", "R"));
    QVERIFY(createIntersection(store, "T", "R", "m"));
    w.rebuildList();

    ObjectItem* entry = w.items[w.itemNames.indexOf(name)];
    QStringList shown;
    for (const ObjectItem::InfoLine& line : entry->infoLines())
        shown << line.text;
    QCOMPARE(shown, lines);
    QCOMPARE(entry->hasInfo(), !lines.isEmpty());
    QCOMPARE(bool(entry->infoButton()), !lines.isEmpty());
    QVERIFY(!entry->isInfoVisible());
    // Connected entries pass a visibility change on to the window.
    w.modified = false;
    entry->changeItemVisibility(true, QStringLiteral("nothing"));
    QCOMPARE(w.modified, connected);
    QCOMPARE(w.rememberedName, connected ? name : QString());
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

    const QStringList points{"A", "B"};
    const QStringList vectors{"u"};
    const QStringList intersect{"Point A", "Point B", "Line p", "Surface S"};
    const QStringList angle{"Vector u", "Line p", "Surface S"};
    const QStringList distance{"Point A", "Point B", "Line p", "Surface S"};
    const QList<QStringList> expected{points,  points,   points,  points,    points,    vectors,
                                      points,  points,   points,  vectors,   vectors,   points,
                                      vectors, vectors,  points,  intersect, intersect, angle,
                                      angle,   distance, distance};
    QCOMPARE(w.objectCombos.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(comboItems(w.objectCombos[i]), expected[i]);
        QCOMPARE(w.objectCombos[i]->currentIndex(), 0);
    }
    // The rules ran on the refilled pickers: two points of the same name are refused.
    QCOMPARE(w.vectorPoint1->currentText(), w.vectorPoint2->currentText());
    QVERIFY(!w.addLineButton->isEnabled());
    QVERIFY(!w.computeIntersectButton->isEnabled());

    // An object that comes in the middle goes into every picker in its place.
    QVERIFY(createPoint(store, 3, 0, 0, "AB"));
    w.vectorPoint2->setCurrentIndex(1);
    w.rebuildList();
    QCOMPARE(comboItems(w.linePoint), (QStringList{"A", "AB", "B"}));
    QCOMPARE(comboItems(w.distanceObject2),
             (QStringList{"Point A", "Point AB", "Point B", "Line p", "Surface S"}));
    QCOMPARE(w.vectorPoint2->currentIndex(), 0);
    // Emptied from outside, a picker is filled afresh.
    w.angleObject1->clear();
    w.rebuildList();
    QCOMPARE(comboItems(w.angleObject1), angle);
}

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
    w.displayListMenu();

    ObjectItem* line = w.items[w.itemNames.indexOf(QStringLiteral("p"))];
    QPointer<CheckItem> check = checkFor(line, QStringLiteral("A"));
    QVERIFY(check);
    QPointer<ObjectItem> oldLine = line;
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));

    // Hidden from the list and the pickers, not from the store; p itself stays.
    QCOMPARE(w.itemNames, (QStringList{"B", "C", "p"}));
    QVERIFY(!comboItems(w.linePoint1).contains(QStringLiteral("A")));
    QVERIFY(!comboItems(w.intersectObject1).contains(QStringLiteral("Point A")));
    QVERIFY(store.exists("A"));
    QVERIFY(w.modified);
    QCOMPARE(w.rememberedName, QStringLiteral("p"));
    // The clicked box and its entry live on until control is back in the event loop.
    QVERIFY(check);
    QVERIFY(oldLine && oldLine->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!check);
    QVERIFY(!oldLine);

    ObjectItem* newLine = w.items[w.itemNames.indexOf(QStringLiteral("p"))];
    QVERIFY(newLine->isInfoVisible());
    CheckItem* again = checkFor(newLine, QStringLiteral("A"));
    QVERIFY(again && !again->isChecked());
    QVERIFY(checkFor(newLine, QStringLiteral("B"))->isChecked());
    for (ObjectItem* entry : std::as_const(w.items)) {
        if (entry != newLine)
            QVERIFY(!entry->isInfoVisible());
    }

    QTest::mouseClick(again, Qt::LeftButton, {}, QPoint(8, again->height() / 2));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w.itemNames, (QStringList{"A", "B", "C", "p"}));
    for (int i = 0; i < w.items.size(); ++i)
        QCOMPARE(w.listLayout->itemAt(i)->widget(), w.items[i]);
    QCOMPARE(w.listLayout->count(), w.items.size());
    QCOMPARE(comboItems(w.surfacePoint3), (QStringList{"A", "B", "C"}));
    QVERIFY(w.items[3]->isInfoVisible());
}

void TestListPanel::rebuildKeepsUnchangedEntries() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    QVERIFY(createPoint(store, 0, 0, 0, "A"));
    QVERIFY(createPoint(store, 2, 0, 0, "C"));
    QVERIFY(createLine(store, "A", "C", "p"));
    w.rebuildList();
    const QList<ObjectItem*> before = w.items;
    w.items[2]->setInfoVisible(true);

    QVERIFY(createPoint(store, 1, 1, 1, "B"));
    w.rebuildList();
    QCOMPARE(w.itemNames, (QStringList{"A", "B", "C", "p"}));
    QCOMPARE(w.items[0], before[0]);
    QCOMPARE(w.items[2], before[1]);
    QCOMPARE(w.items[3], before[2]);
    // Looks as a fresh entry would: folded in.
    QVERIFY(!w.items[3]->isInfoVisible());
    for (int i = 0; i < w.items.size(); ++i)
        QCOMPARE(w.listLayout->itemAt(i)->widget(), w.items[i]);
}

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
}

void TestListPanel::languageChangeRetitles() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    QVERIFY(createPoint(*w.objectStore, 1, 2, 3, "A"));
    w.rebuildList();
    w.languageCombo->setCurrentIndex(0);
    QCoreApplication::processEvents();
    QCOMPARE(w.items[0]->fullTitle(), QStringLiteral("Bod A [1; 2; 3]"));
    QCOMPARE(w.distanceObject1->itemText(0), QStringLiteral("Bod A"));
}

QTEST_MAIN(TestListPanel)
#include "test_listpanel.moc"
