// SPDX-License-Identifier: GPL-3.0-or-later
// The list page and the pages around it as a user meets them: rows that keep their shape,
// parents shown and hidden from an entry, pickers that keep their choice, and results that
// stay true for the objects they are shown for.
#include "support/dialogscript.h"
#include "windowfixture.h"

#include "widgets/objectdelegate.h"

#include <QScrollBar>
#include <QTextDocumentFragment>

class TestListPanel : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    template <class T = QWidget> T* find(const char* name) const {
        T* widget = f->find<T>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    ObjectList* list() const { return find<ObjectList>("objectList"); }
    QModelIndex row(const QString& name) const {
        const QAbstractItemModel* model = list()->model();
        return model->index(rows(model, ObjectRole::Name).indexOf(name), 0);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    void typeAndReturn(const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    void checkRows() { QVERIFY2(f->rowsProblem().isEmpty(), qPrintable(f->rowsProblem())); }

private slots:
    // Points C (5,5,5), B (2,0,0), A (origin), vector u (0,0,1), the line p through A and B
    // (with a hidden direction vector), the plane S through A normal to u, the line q through
    // C along u.
    void init() {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->build("P C 5 5 5;P B 2 0 0;P A 0 0 0;V u 0 0 1;L p A B;N S A u;L q C u"));
    }
    void cleanup() { f.reset(); }

    // Ten points typed in a row on the point page, then the list: all there, each row whole.
    void typedPointsKeepTheirRows() {
        key(Qt::Key_F4);
        for (int i = 0; i < 10; ++i) {
            find<QLineEdit>("pointName")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            typeAndReturn(QStringLiteral("T%1").arg(i));
            for (const char* value : {"1", "2", "3"})
                typeAndReturn(QString::number(i) + value);
        }
        key(Qt::Key_F1);
        QTRY_VERIFY(list()->isVisible());
        QCOMPARE(list()->model()->rowCount(), 17);
        QVERIFY(row("T9").isValid());
        checkRows();
        QVERIFY(find<QToolButton>("saveButton")->isEnabled());
    }

    // The (i) button unfolds an entry; a parent's check box hides the parent (gone from the
    // list and the pickers, not from the store) and shows it again.
    void hideAndShowParent() {
        find<QToolButton>("listMenuButton")->click();
        ObjectDelegate* delegate = list()->delegate();
        const auto layout = [&] {
            return delegate->layoutOf(list()->visualRect(row("p")), row("p"));
        };
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, layout().infoButton.center());
        QVERIFY(row("p").data(ObjectRole::Expanded).toBool());
        checkRows();
        const int at = layout().lines.indexOf(InfoLine{"Point A [0; 0; 0]", "A", true});
        QVERIFY(at >= 0);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, layout().lineRects[at].center());
        QVERIFY(!row("A").isValid());
        QVERIFY(f->session().store().exists("A") && f->session().isModified());
        QVERIFY(find<QComboBox>("linePoint1")->findText("A") < 0);
        QCOMPARE(layout().lines[at].checked, false);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, layout().lineRects[at].center());
        QVERIFY(row("A").isValid());
        QVERIFY(find<QComboBox>("linePoint1")->findText("A") >= 0);
    }

    // A "... was added." link opens the list on the new entry, unfolded and in view.
    void linkShowsTheNewObject() {
        for (int i = 0; i < 60; ++i)
            QVERIFY(f->build(QStringLiteral("V v%1 %2 0 0").arg(10 + i).arg(i + 1)));
        find<QToolButton>("lineMenuButton")->click();
        QTest::keyClick(find<CheckGroup>("lineOption2"), Qt::Key_Space);
        QVERIFY(choose(find<QComboBox>("linePoint"), "A") &&
                choose(find<QComboBox>("lineVector"), "v69"));
        type(find<QLineEdit>("lineName"), "z");
        find<QPushButton>("addLineButton")->click();
        auto* alert = find<QLabel>("lineAlert");
        QTest::mouseClick(alert, Qt::LeftButton, {}, QPoint(4, alert->height() / 2));
        QVERIFY(list()->isVisible());
        QVERIFY(row("z").data(ObjectRole::Expanded).toBool());
        QVERIFY(list()->verticalScrollBar()->value() > 0);
        QVERIFY(list()->viewport()->rect().contains(list()->visualRect(row("z"))));
    }

    // The pickers keep the user's choice while objects are added elsewhere or shown and
    // hidden, and the page's command stays ready.
    void pickersKeepTheChoice() {
        find<QToolButton>("surfaceMenuButton")->click();
        auto* first = find<QComboBox>("surfacePoint1");
        auto* third = find<QComboBox>("surfacePoint3");
        QVERIFY(choose(find<QComboBox>("surfacePoint1"), "B") &&
                choose(find<QComboBox>("surfacePoint2"), "C") && choose(third, "A"));
        QVERIFY(find<QPushButton>("addSurfaceButton")->isEnabled());
        QVERIFY(f->build("P AA 9 9 9;P D 7 0 0"));
        f->session().setVisible("p_sv", true);
        QCOMPARE(first->currentText(), QStringLiteral("B"));
        QCOMPARE(third->currentText(), QStringLiteral("A"));
        QVERIFY(find<QPushButton>("addSurfaceButton")->isEnabled());
        f->session().setVisible("B", false);
        QVERIFY(first->currentText() != QStringLiteral("B") && first->currentIndex() >= 0);
    }

    // The intersection page files what it showed, whatever happened meanwhile; what it shows
    // is worked out again when the session changes, and goes when the pickers change.
    void intersectionFilesWhatItShowed() {
        find<QToolButton>("intersectMenuButton")->click();
        QVERIFY(choose(find<QComboBox>("intersectObject1"), "Line q") &&
                choose(find<QComboBox>("intersectObject2"), "Surface S"));
        find<QPushButton>("computeIntersectButton")->click();
        QVERIFY(find<QPushButton>("addIntersectButton")->isVisible());
        type(find<QLineEdit>("intersectName"), "X");
        // Elsewhere: a new point, the language twice, a parent hidden and shown.
        QVERIFY(f->build("P AAA -1 -1 -1"));
        f->session().setVisible("C", false);
        f->session().setVisible("C", true);
        find<QComboBox>("languageCombo")->setCurrentIndex(0);
        find<QComboBox>("languageCombo")->setCurrentIndex(1);
        QCoreApplication::processEvents();
        QCOMPARE(find<QLineEdit>("intersectName")->text(), QStringLiteral("X"));
        find<QPushButton>("addIntersectButton")->click();
        QCOMPARE(
            QTextDocumentFragment::fromHtml(find<QLabel>("intersectAlert")->text()).toPlainText(),
            QStringLiteral("Point X was added."));
        const SpaceObject* x = f->session().store().find("X");
        QVERIFY(x && x->type() == Kind::Point);
        QCOMPARE(row("X").data().toString(), QStringLiteral("Point X [5; 5; 0]"));

        // A relation shown for two points goes as soon as a picker changes.
        QVERIFY(choose(find<QComboBox>("intersectObject1"), "Point A") &&
                choose(find<QComboBox>("intersectObject2"), "Point B"));
        find<QPushButton>("computeIntersectButton")->click();
        auto* result = find<ObjectItem>("intersectResult");
        QVERIFY(result->isVisible());
        QVERIFY(choose(find<QComboBox>("intersectObject2"), "Point C"));
        QVERIFY(!result->isVisible());
    }

    // An angle or distance on show is the one of the objects in the pickers: recomputed when
    // the session changes, gone when an operand changes.
    void measuresStayTrue() {
        find<QToolButton>("angleMenuButton")->click();
        QVERIFY(choose(find<QComboBox>("angleObject1"), "Line p") &&
                choose(find<QComboBox>("angleObject2"), "Surface S"));
        find<QPushButton>("computeAngleButton")->click();
        auto* angle = find<QLabel>("angleResult");
        QCOMPARE(angle->text(), QString::fromUtf8("Result = 0\u00b0"));
        QVERIFY(f->build("L k A C"));
        QVERIFY(angle->isVisible());
        QCOMPARE(find<QComboBox>("angleObject1")->currentText(), QStringLiteral("Line p"));
        QVERIFY(choose(find<QComboBox>("angleObject1"), "Line q"));
        QVERIFY(!angle->isVisible());
        find<QPushButton>("computeAngleButton")->click();
        QCOMPARE(angle->text(), QString::fromUtf8("Result = 90\u00b0"));
        // Hiding an operand takes it out of the picker: the result goes with it.
        f->session().setVisible("q", false);
        QVERIFY(!angle->isVisible());
    }

    // Delete on the chosen entry asks first, naming what goes with it; Ctrl+Z brings it all
    // back, Ctrl+Y and Ctrl+Shift+Z take it again; the header's buttons follow the history.
    void deleteAndUndo() {
        QVERIFY(f->session().save(f->path("start.zdr")).ok());
        find<QToolButton>("listMenuButton")->click();
        auto* undo = find<QToolButton>("undoButton");
        auto* redo = find<QToolButton>("redoButton");
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        list()->setCurrentIndex(row("A"));
        list()->setFocus();
        DialogScript script;
        script.press(QMessageBox::No).press(QMessageBox::Yes);
        for (int answer = 0; answer < 2; ++answer) {
            key(Qt::Key_Delete);
            QTRY_COMPARE(script.seen().size(), answer + 1);
        }
        QCOMPARE(script.seen().first(), QStringLiteral("Delete: Delete A?"));
        QVERIFY(!row("A").isValid() && !row("p").isValid() && !row("S").isValid());
        QVERIFY(f->session().isModified());
        key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(row("A").isValid() && row("p").isValid() && row("S").isValid());
        QVERIFY(!f->session().isModified() && redo->isEnabled());
        key(Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!row("A").isValid());
        key(Qt::Key_Z, Qt::ControlModifier);
        key(Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
        QVERIFY(!row("A").isValid());
        redo->click(); // nothing left to redo
        undo->click();
        QVERIFY(row("A").isValid());
    }
};

QTEST_MAIN(TestListPanel)
#include "test_listpanel.moc"
