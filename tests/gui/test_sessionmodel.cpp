// SPDX-License-Identifier: GPL-3.0-or-later
// The session model and the models over it, without a window: what each change announces,
// the rows of the object list, and the pickers' choices while objects come and go.
#include "windowfixture.h"

#include "gui/objectlistmodel.h"
#include "gui/pickermodel.h"
#include "session/sessiontesthelpers.h"
#include "widgets/infoline.h"

#include <QSignalSpy>

class TestSessionModel : public QObject {
    Q_OBJECT
private slots:
    // Each change says what it was; a refused construction changes and announces nothing.
    // Modified follows changes and saves; the file name follows saves, loads and resets.
    void changes() {
        QTemporaryDir dir;
        SessionModel session;
        QSignalSpy changed(&session, &SessionModel::changed);
        QSignalSpy modified(&session, &SessionModel::modifiedChanged);
        QVERIFY(buildIn(session, "P A 0 0 0;P B 1 0 0;L p A B"));
        QCOMPARE(changed.size(), 3);
        QCOMPARE(changed.last().at(0).value<SessionModel::Change>(), SessionModel::Change::Added);
        // The line's hidden direction comes with it.
        QCOMPARE(changed.last().at(1).toStringList(), QStringList({"p_sv", "p"}));
        QVERIFY(session.isModified());
        QCOMPARE(modified.size(), 1);

        QVERIFY(!buildIn(session, "L q A A"));
        QCOMPARE(changed.size(), 3);
        session.setVisible("A", true); // already visible: no change
        session.setVisible("nothing", false);
        QCOMPARE(changed.size(), 3);
        QCOMPARE(session.store().visibleCount(), 3);

        const QString path = dir.filePath("s.zdr");
        QVERIFY(session.save(path).ok());
        QVERIFY(!session.isModified());
        QCOMPARE(session.fileName(), path);
        session.setVisible("A", false);
        QCOMPARE(changed.last().at(0).value<SessionModel::Change>(),
                 SessionModel::Change::Visibility);
        QVERIFY(session.isModified());

        // A file that cannot be read leaves everything as it was.
        QVERIFY(!session.load(dir.filePath("missing.zdr")).ok());
        QVERIFY(session.isModified() && session.store().exists("p"));
        QCOMPARE(session.fileName(), path);
        const int before = changed.size();
        QVERIFY(session.load(path).ok());
        QCOMPARE(changed.size(), before + 1);
        QCOMPARE(changed.last().at(0).value<SessionModel::Change>(),
                 SessionModel::Change::Replaced);
        QVERIFY(!session.isModified() && session.store().find("A")->visible);

        session.clear();
        QVERIFY(session.fileName().isEmpty() && !session.store().exists("A") &&
                session.store().visibleCount() == 0);
        QVERIFY(!session.save(dir.filePath("no/such/folder/s.zdr")).ok());
        QVERIFY(session.fileName().isEmpty());
    }

    // The list holds the visible objects, kind by kind in name order, whatever order they were
    // filed in; an add inserts one row, a visibility change inserts or removes that row only.
    void listRows() {
        SessionModel session;
        ObjectListModel list(&session);
        QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
        QVERIFY(buildIn(session, "P C 5 5 5;P B 2 0 0;P A 0 0 0;V u 0 0 1;L p A B;N S A u"));
        QCOMPARE(inserted.size(), 6);
        QCOMPARE(rows(&list, ObjectRole::Name), QStringList({"A", "B", "C", "u", "p", "S"}));
        QCOMPARE(rows(&list),
                 QStringList({"Point A [0; 0; 0]", "Point B [2; 0; 0]", "Point C [5; 5; 5]",
                              "Vector u (0; 0; 1)", "Line p", "Surface S: +1z  = 0"}));
        QVERIFY(buildIn(session, "P AB 1 1 1"));
        QCOMPARE(inserted.last().at(1).toInt(), 1);
        QCOMPARE(list.rowCount(), 7);

        session.setVisible("B", false);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.last().at(1).toInt(), 2);
        QVERIFY(!list.indexOf("B").isValid());
        // The hidden direction of p shows once asked for, in its place.
        session.setVisible("p_sv", true);
        QCOMPARE(list.indexOf("p_sv").row(), 3);
        QCOMPARE(reset.size(), 0);
        session.clear();
        QCOMPARE(reset.size(), 1);
        QCOMPARE(list.rowCount(), 0);
    }

    // What an entry folds out: the equations, then a check box per parent showing whether it
    // is visible. Only entries with something to show can unfold; unfolding is kept per row.
    void entryInfo() {
        SessionModel session;
        ObjectListModel list(&session);
        QVERIFY(buildIn(session, "P A 0 0 0;V u 0 0 1;N S A u"));
        const QModelIndex plane = list.indexOf("S");
        QStringList lines;
        for (const InfoLine& line : plane.data(ObjectRole::InfoLines).value<QList<InfoLine>>())
            lines << line.text + (line.itemName.isEmpty() ? "" : line.checked ? " [x]" : " [ ]");
        QCOMPARE(lines,
                 QStringList({"<b>Parametric equation:</b><br />{x= -1k -1l; y= -1k +1l; z= 0; }",
                              "Vector v_S (-1; -1; 0) [ ]", "Vector u_S (-1; 1; 0) [ ]",
                              "Point A [0; 0; 0] [x]", "Normal Vector u (0; 0; 1) [x]"}));
        QVERIFY(plane.data(ObjectRole::HasInfo).toBool());
        QVERIFY(!list.indexOf("A").data(ObjectRole::HasInfo).toBool());

        QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
        QVERIFY(list.setData(plane, true, ObjectRole::Expanded));
        QVERIFY(list.indexOf("S").data(ObjectRole::Expanded).toBool());
        session.setVisible("A", false);
        QVERIFY(changed.size() >= 2);
        QVERIFY(list.indexOf("S").data(ObjectRole::InfoLines).value<QList<InfoLine>>()[3] ==
                (InfoLine{"Point A [0; 0; 0]", "A", false}));
        QVERIFY(list.indexOf("S").data(ObjectRole::Expanded).toBool());
    }

    // Pickers offer the visible objects of their kinds and keep the user's choice while
    // others come and go; when the chosen object goes, another is chosen, never a stale one.
    void pickers() {
        SessionModel session;
        ObjectListModel list(&session);
        PickerModel points(&list, {Kind::Point}, PickerModel::Label::Name);
        PickerModel mixed(&list, {Kind::Point, Kind::Line, Kind::Plane},
                          PickerModel::Label::KindAndName);
        QComboBox first;
        QComboBox second;
        first.setModel(&points);
        second.setModel(&mixed);
        QVERIFY(buildIn(session, "P B 2 0 0;P C 0 2 0;V u 0 0 1;L p B C"));
        QCOMPARE(rows(&points), QStringList({"B", "C"}));
        QCOMPARE(rows(&mixed), QStringList({"Point B", "Point C", "Line p"}));
        first.setCurrentIndex(1);
        second.setCurrentIndex(2);
        QVERIFY(buildIn(session, "P A 0 0 0;N S A u"));
        QCOMPARE(first.currentText(), QStringLiteral("C"));
        QCOMPARE(second.currentText(), QStringLiteral("Line p"));
        QCOMPARE(rows(&mixed),
                 QStringList({"Point A", "Point B", "Point C", "Line p", "Surface S"}));
        session.setVisible("C", false);
        QVERIFY(first.currentIndex() >= 0);
        QVERIFY(first.currentText() != QStringLiteral("C"));
        QCOMPARE(rows(&points), QStringList({"A", "B"}));
        session.clear();
        QCOMPARE(first.count(), 0);
        QCOMPARE(first.currentIndex(), -1);
    }

    // A delete takes the object, what is built from it and the hidden companions nothing
    // else uses; every change undoes to exactly the earlier session (the file's bytes hold
    // names, parents, visibility and every coordinate's bits) and redoes to the later one.
    void deleteUndoRedo() {
        QTemporaryDir dir;
        SessionModel session;
        ObjectListModel list(&session);
        const QByteArray empty = saved(session.store());
        QVERIFY(buildIn(session, "P A 0 0 0;P B 1 0 0;P C 0 1 0;V u 0 0 1;L p A B;S s A B C;"
                              "N n C u;L q C u;X I p n"));
        // A filed intersection is an object of its own: the file keeps no operands for it.
        QCOMPARE(session.dependentsOf("A"), QStringList({"p", "s"}));
        QCOMPARE(session.dependentsOf("u"), QStringList({"q", "n"}));
        QVERIFY(session.dependentsOf("q").isEmpty());
        const QByteArray full = saved(session.store());
        QVERIFY(session.remove("A"));
        // The plane's spanning vectors and the line's direction are its own: they go too.
        for (const char* gone : {"A", "p", "p_sv", "s", "u_s", "v_s"})
            QVERIFY2(!session.store().exists(gone), gone);
        QVERIFY(session.store().exists("B") && session.store().exists("n") &&
                session.store().exists("I"));
        QVERIFY(!list.indexOf("p").isValid() && list.indexOf("B").isValid());
        const QByteArray afterDelete = saved(session.store());

        session.setVisible("B", false);
        QVERIFY(session.load(dir.filePath("missing.zdr")).problem != FileProblem::None);
        session.clear();
        QCOMPARE(saved(session.store()), empty);
        QUndoStack& history = *session.undoStack();
        history.undo(); // the reset
        history.undo(); // B shown again
        QCOMPARE(saved(session.store()), afterDelete);
        history.undo(); // the delete
        QCOMPARE(saved(session.store()), full);
        QCOMPARE(list.rowCount(), int(session.store().visibleCount()));
        history.redo();
        QCOMPARE(saved(session.store()), afterDelete);
        while (history.canUndo())
            history.undo();
        QCOMPARE(saved(session.store()), empty);
        while (history.canRedo())
            history.redo();
        QCOMPARE(saved(session.store()), empty);
        QVERIFY(!session.remove("nothing"));
    }

    // Modified follows the history: back at the saved or loaded step the session is
    // unmodified; a load can be undone to the session before it.
    void modifiedFollowsHistory() {
        QTemporaryDir dir;
        SessionModel session;
        QUndoStack& history = *session.undoStack();
        QVERIFY(buildIn(session, "P A 1 2 3"));
        QVERIFY(session.save(dir.filePath("a.zdr")).ok());
        QVERIFY(buildIn(session, "P B 1 2 3"));
        QVERIFY(session.isModified());
        history.undo();
        QVERIFY(!session.isModified());
        history.redo();
        QVERIFY(session.isModified());
        const QByteArray mine = saved(session.store());
        QVERIFY(session.load(dir.filePath("a.zdr")).ok());
        QVERIFY(!session.isModified() && !session.store().exists("B"));
        history.undo();
        QCOMPARE(saved(session.store()), mine);
        QCOMPARE(session.fileName(), dir.filePath("a.zdr"));
        QVERIFY(session.isModified());
    }
};

QTEST_MAIN(TestSessionModel)
#include "test_sessionmodel.moc"
