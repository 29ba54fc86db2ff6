// SPDX-License-Identifier: GPL-3.0-or-later
// The input and compute pages as a user works them.
#include "windowfixture.h"

#include <QRegularExpression>
#include <QScrollArea>
#include <QTextDocumentFragment>

class TestInputPages : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowFixture> f;

    // The name field, alert line and command button of the pages 3 (point) to 9 (distance).
    struct Page {
        QLineEdit* name;
        QLabel* alert;
        QPushButton* button;
    };
    Page pageOf(int index) const {
        const char* const prefixes[] = {"point",     "vector", "line",    "surface",
                                        "intersect", "angle",  "distance"};
        const QString prefix = QLatin1String(prefixes[index - 3]);
        const QString command =
            index < 7 ? QStringLiteral("add%1Button") : QStringLiteral("compute%1Button");
        return {f->find<QLineEdit>(prefix + "Name"), f->find<QLabel>(prefix + "Alert"),
                f->find<QPushButton>(command.arg(prefix.left(1).toUpper() + prefix.mid(1)))};
    }
    // The object pickers that the shown page lets the user set, top to bottom.
    QList<QComboBox*> pickers() const {
        QList<QComboBox*> shown = f->window->findChildren<QComboBox*>();
        shown.removeIf([](QComboBox* c) {
            return !c->isVisible() || !c->isEnabled() ||
                   c->objectName() == QLatin1String("languageCombo");
        });
        const auto top = [this](const QComboBox* c) {
            return c->mapTo(f->window.get(), QPoint(0, 0)).y();
        };
        std::sort(shown.begin(), shown.end(),
                  [&top](const QComboBox* a, const QComboBox* b) { return top(a) < top(b); });
        return shown;
    }
    // The title of the object's row in the list; empty when it has none.
    QString listed(const QString& name) const {
        const QAbstractItemModel* list = f->find<ObjectList>("objectList")->model();
        return rows(list).value(rows(list, ObjectRole::Name).indexOf(name));
    }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->build("P A 0 0 0;P B 2 0 0;P B2 2 0 0;P C 0 2 0;P D 4 0 0;P E 2 2 2;"
                         "P F 400 0 0;P G 0 0 5;P H 1e308 1e308 1e308;"
                         "P K -1e308 -1e308 -1e308;V u 0 0 1;V u2 0 0 3;V w 1 0 0;V z 0 0 0;"
                         "V one 1 1 1;V big 1e308 1e308 1e308;L p A u;L x A B;L r G E;"
                         "L far A big;S s A B C;E s2 u 0;E t u -5;S v A C G;E diag one 0"));
        // Only the first word of a picker's entry is the kind, whatever the name holds.
        QVERIFY(f->session().add(
            "Point y", [](ObjectStore& store) { return createLine(store, "A", "C", "Point y"); }));
        // Saved, so that a change shows.
        QVERIFY(f->session().save(f->path("start.zdr")).ok());
    }

    void cleanup() { f.reset(); }

    // where: "page.option picker,..."; typed: along Return from the name; outcome: the new
    // entry's title ("%1": the name) or the alert shown.
    void commands_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        auto row = [](const char* tag, const QString& where, const QString& name, const char* typed,
                      const QString& outcome) {
            QTest::newRow(tag) << where << name << typed << outcome;
        };
        const QString bad =
            "Wrong object name. A name must not contain \"$\" or control characters.";
        const QString line = "Failed to add line.\n", plane = "Failed to add surface.\n";
        // Names that markup, quotes, percent signs or other scripts could break in the link.
        row("point", "3.0", "a<b>&'c%20", "1.5 -2 3", "Point %1 [1.5; -2; 3]");
        row("decimal commas", "3.0", "N", "1,5 -,25 3,", "Point %1 [1.5; -0.25; 3]");
        row("vector", "4.0", "x\"y", "1 2 3", "Vector %1 (1; 2; 3)");
        row("vector from points", "4.1 B,C", "N", "", "Vector %1 (-2; 2; 0)");
        row("line through points", "5.0 A,B", "N", "", "Line %1");
        row("line along vector", "5.1 B,u", "N", "", "Line %1");
        row("plane through points", "6.0 A,B,C", "N", "", "Surface %1: +1z  = 0");
        row("plane from vectors", "6.1 u,w,B", "N", "", "Surface %1: -1y  = 0");
        // With option 3, Return in the name goes on to D.
        row("plane from equation", "6.2 w", "Bod č€", "-4", "Surface %1: 1x -4 = 0");
        row("plane from normal", "6.3 u,C", "N", "", "Surface %1: +1z  = 0");
        row("intersection", "7.0 Line x,Line Point y", "Q", "", "Point %1 [0; 0; 0]");
        // The rules keep the button disabled and say why; Return reaches the command anyway.
        row("unfinished number", "3.0", "N", "1 1 -", "");
        row("dollar", "3.0", "a$b", "1 1 1", bad);
        row("taken name", "3.0", "p", "1 1 1", "Wrong object name.\nObject \"p\" already exists.");
        row("vector, same points", "4.1 A,A", "N", "", "Choose 2 different points.");
        row("line, same points", "5.0 A,A", "N", "", "Choose 2 different points.");
        row("plane, same points", "6.0 A,B,A", "N", "", "Choose 3 different points.");
        row("plane, no name comes first", "6.0 A,B,A", "", "", "Enter the object name.");
        row("plane, same vectors", "6.1 u,u,A", "N", "", "Choose 2 different vectors.");
        row("plane, option 3 without D", "6.2 u", "N", "", "");
        row("intersection, taken name", "7.0 Line x,Line Point y", "A", "",
            "Wrong object name. Object \"A\" already exists.");
        for (const QString page : {"7", "8", "9"})
            row(qPrintable("same objects, page " + page), page + ".0 Line x,Line x", "N", "",
                "Choose 2 different objects.");
        // The command refuses what the rules let through, and says why.
        row("line through one place", "5.0 B,B2", "N", "", line + "The two points are the same.");
        // A zero vector is refused before the click.
        row("line along zero", "5.1 A,z", "N", "", "The direction vector is zero.");
        row("collinear points", "6.0 A,B,D", "N", "", plane + "The points lie on one line.");
        row("parallel vectors", "6.1 u,u2,A", "N", "", plane + "The vectors are parallel.");
        row("zero spanning vector", "6.1 u,z,A", "N", "", "The direction vector is zero.");
        row("zero normal", "6.2 z", "N", "1", "The normal vector is zero.");
        row("zero normal at a point", "6.3 z,A", "N", "", "The normal vector is zero.");
        const QString tooLarge = "The numbers are too large.";
        row("vector too large", "4.1 K,H", "N", "", "Failed to add vector.\n" + tooLarge);
        row("line too large", "5.0 H,K", "N", "", line + tooLarge);
        row("plane too large", "6.3 big,C", "N", "", plane + tooLarge);
    }

    // Return where the Return chain reaches the command, else the button. The sentence under
    // the page links to the new object.
    void commands() {
        QFETCH(QString, where);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        const int page = where.left(1).toInt(), option = where.mid(2, 1).toInt();
        const QStringList choices = where.mid(4).split(',', Qt::SkipEmptyParts);
        StereonGUI& w = *f->window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        f->show(page);
        for (CheckGroup* group : w.findChildren<CheckGroup*>())
            if (option > 0 && group->index() == option && group->isVisible())
                QTest::keyClick(group, Qt::Key_Space);
        const QList<QComboBox*> shownPickers = pickers();
        QCOMPARE(shownPickers.size(), choices.size());
        for (int i = 0; i < choices.size(); ++i)
            QVERIFY(choose(shownPickers[i], choices[i]));
        const Page shown = pageOf(page);
        // The intersection page asks for the name once it has a result to offer.
        if (page == 7 && shown.button->isEnabled())
            QTest::mouseClick(shown.button, Qt::LeftButton);
        if (page < 8)
            type(shown.name, name);
        QPushButton* button =
            shown.button->isVisible() ? shown.button : f->find<QPushButton>("addIntersectButton");
        if (page == 5 || !typed.isEmpty()) {
            QTest::keyClick(shown.name, Qt::Key_Return);
            for (const QString& value : typed.split(' ', Qt::SkipEmptyParts)) {
                QTest::keyClicks(w.focusWidget(), value);
                QTest::keyClick(w.focusWidget(), Qt::Key_Return);
            }
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }

        if (!outcome.contains("%1")) {
            QCOMPARE(shown.alert->text(), outcome);
            QCOMPARE(button->isEnabled(), outcome.startsWith("Failed"));
            if (page < 8)
                QCOMPARE(shown.name->text(), name);
            QVERIFY(!f->session().isModified());
            return;
        }
        QCOMPARE(listed(name), outcome.arg(name));
        QVERIFY(f->session().isModified());
        QCOMPARE(QTextDocumentFragment::fromHtml(shown.alert->text()).toPlainText(),
                 outcome.section(' ', 0, 0) + ' ' + name + " was added.");
        // Typed fields are emptied and a fresh name waits.
        const QRegularExpression fresh(
            page == 7 ? QStringLiteral("^$")
                      : QStringLiteral("^%1[0-9]{1,3}$").arg("PVLS"[page - 3]));
        QVERIFY2(fresh.match(shown.name->text()).hasMatch(), qPrintable(shown.name->text()));
        QCOMPARE(f->find<QComboBox>("intersectObject1")->isVisible(), page == 7);
        for (const char* edit :
             {"pointX", "pointY", "pointZ", "vectorX", "vectorY", "vectorZ", "surfaceD"})
            QVERIFY(f->find<QLineEdit>(edit)->text().isEmpty());

        // The link target is the name percent-encoded; the window decodes it.
        QTest::mouseClick(shown.alert, Qt::LeftButton, {}, QPoint(4, shown.alert->height() / 2));
        auto* list = f->find<ObjectList>("objectList");
        QVERIFY(list->isVisible());
        QVERIFY(list->currentIndex().data(ObjectRole::Expanded).toBool());
        QCOMPARE(list->currentIndex().data(ObjectRole::Name).toString(), name);
    }

    // Proposed names are free, past 999 too; a typed name is kept, and checked as others come.
    void names() {
        QVERIFY(f->session().add("V", [](ObjectStore& store) {
            for (int n = 0; n < 1002; ++n)
                createPoint(store, n, 0, 0, "V" + std::to_string(n));
            return true;
        }));
        auto* name = f->find<QLineEdit>("vectorName");
        f->show(4);
        QCOMPARE(name->text(), QStringLiteral("V1002"));
        type(name, "mine");
        f->show(0);
        f->show(4);
        QCOMPARE(name->text(), QStringLiteral("mine"));
        for (const char* edit : {"vectorX", "vectorY", "vectorZ"})
            type(f->find<QLineEdit>(edit), "1");
        QVERIFY(f->find<QPushButton>("addVectorButton")->isEnabled());
        QVERIFY(f->build("P mine 0 0 0"));
        QCOMPARE(f->find<QLabel>("vectorAlert")->text(),
                 QStringLiteral("Wrong object name. Object \"mine\" already exists."));
        QVERIFY(!f->find<QPushButton>("addVectorButton")->isEnabled());
    }

    // A keystroke the field refuses is said on the alert line, in the user's language; the
    // fields take a decimal comma as a point.
    void numbersAsTyped_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("refused");
        const QByteArray en = "en\n1\n";
        const QByteArray cs = "cs\n1\n";
        QTest::newRow("comma, English") << en << "1,5" << "1,5" << false;
        QTest::newRow("comma, Czech") << cs << "-1,5" << "-1,5" << false;
        QTest::newRow("exponent, Czech") << cs << "2e" << "2" << true;
        QTest::newRow("group space") << en << "1 " << "1" << true;
        QTest::newRow("second mark") << cs << "1,5." << "1,5" << true;
        QTest::newRow("fourth decimal") << en << "0.1255" << "0.125" << true;
    }

    void numbersAsTyped() {
        QFETCH(QByteArray, language);
        QFETCH(QString, keys);
        QFETCH(QString, field);
        QFETCH(bool, refused);
        f = std::make_unique<WindowFixture>(language);
        f->show(3);
        auto* x = f->find<QLineEdit>("pointX");
        auto* alert = f->find<QLabel>("pointAlert");
        QCoreApplication::processEvents();
        const int top = x->mapTo(f->window.get(), QPoint()).y();
        QTest::keyClicks(x, keys);
        QCOMPARE(x->text(), field);
        const QString said = language.startsWith("cs")
                                 ? "Číslice, jedna desetinná čárka či tečka, nejvýše 3 místa."
                                 : "Digits, one decimal point or comma, at most 3 decimals.";
        QCOMPARE(alert->text(), refused ? said : QString());
        // The message fits the alert line's room: the field stays under the mouse.
        QCoreApplication::processEvents();
        QCOMPARE(x->mapTo(f->window.get(), QPoint()).y(), top);
        // The next accepted keystroke takes the message away.
        QTest::keyClick(f->find<QLineEdit>("pointY"), Qt::Key_0);
        QVERIFY(alert->text().isEmpty());
    }

    // Spaces around a name are not part of it; the list and the pickers count Q2 before Q10.
    void namesTrimmedAndCounted() {
        f->show(3);
        // The proposed name is chosen: what the user types replaces it.
        QTest::keyClicks(f->find<QLineEdit>("pointName"), "  Q10 ");
        for (const char* edit : {"pointX", "pointY", "pointZ"})
            type(f->find<QLineEdit>(edit), "7");
        QTest::mouseClick(f->find<QPushButton>("addPointButton"), Qt::LeftButton);
        QVERIFY(f->session().store().exists("Q10"));
        type(f->find<QLineEdit>("pointName"), " Q10");
        QCOMPARE(f->find<QLabel>("pointAlert")->text(),
                 QStringLiteral("Wrong object name.\nObject \"Q10\" already exists."));
        QVERIFY(f->build("P Q2 0 0 1;P Q010 0 0 2;P Q9b 0 0 3"));
        QStringList names = rows(f->find<ObjectList>("objectList")->model(), ObjectRole::Name);
        names = names.filter(QRegularExpression("^Q"));
        QCOMPARE(names, QStringList({"Q2", "Q9b", "Q010", "Q10"}));
        QCOMPARE(rows(f->find<QComboBox>("linePoint1")->model()).filter(QRegularExpression("^Q")),
                 names);
    }

    // After an add the command waits for a change of its page, so a double click adds once.
    void addsOnce_data() {
        QTest::addColumn<QString>("where"); // as in commands
        for (const char* where : {"4.1 B,C", "5.0 A,B", "6.0 A,B,C", "6.3 u,C"})
            QTest::newRow(where) << QString(where);
    }

    void addsOnce() {
        QFETCH(QString, where);
        const int page = where.left(1).toInt(), option = where.mid(2, 1).toInt();
        const QStringList choices = where.mid(4).split(',');
        f->show(page);
        for (CheckGroup* group : f->window->findChildren<CheckGroup*>()) {
            if (group->isVisible() && group->index() == option && !group->isChecked())
                QTest::keyClick(group, Qt::Key_Space);
        }
        const QList<QComboBox*> shownPickers = pickers();
        for (int i = 0; i < choices.size(); ++i)
            QVERIFY(choose(shownPickers[i], choices[i]));
        const Page shown = pageOf(page);
        const int before = f->session().store().visibleCount();
        QTest::mouseDClick(shown.button, Qt::LeftButton);
        QTest::mouseClick(shown.button, Qt::LeftButton);
        QCOMPARE(f->session().store().visibleCount() - before, 1);
        QVERIFY(!shown.button->isEnabled());
        // Another name, or another choice, is another object.
        type(shown.name, "again");
        QVERIFY(shown.button->isEnabled());
    }

    // At 800x600 every page fits: what is taller scrolls, and its buttons can be reached.
    // Long names and messages do not widen the window, and the alert line keeps its room.
    void smallScreen() {
        StereonGUI& w = *f->window;
        w.resize(800, 600);
        QCOMPARE(w.size(), QSize(800, 600));
        const QString longName(240, QLatin1Char('n'));
        QVERIFY(f->build("P " + longName + " 1 2 3"));
        for (int page = 3; page <= 9; ++page) {
            f->show(page);
            for (QComboBox* picker : pickers()) {
                if (choose(picker, "Point " + longName) || choose(picker, longName))
                    QVERIFY(picker->toolTip().endsWith(longName));
            }
            const Page shown = pageOf(page);
            if (page < 8) {
                QCoreApplication::processEvents();
                const int top = shown.button->mapTo(&w, QPoint()).y();
                type(shown.name, longName);
                QCoreApplication::processEvents();
                QVERIFY(!shown.alert->text().isEmpty());
                QCOMPARE(shown.button->mapTo(&w, QPoint()).y(), top);
            }
            QWidget* scroll = shown.button;
            while (scroll && !qobject_cast<QScrollArea*>(scroll))
                scroll = scroll->parentWidget();
            QVERIFY(scroll);
            static_cast<QScrollArea*>(scroll)->ensureWidgetVisible(shown.button);
            const QRect button(shown.button->mapTo(&w, QPoint()), shown.button->size());
            QVERIFY(w.rect().contains(button));
            QCOMPARE(w.size(), QSize(800, 600));
        }
        QVERIFY(w.minimumSizeHint().width() <= 800 && w.minimumSizeHint().height() <= 600);
    }

    void compute_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("result"); // a pattern; a capture is the offered name
        QTest::addColumn<QString>("alert");  // empty when the alert line is hidden
        auto row = [](int page, const QString& first, const QString& second, const QString& result,
                      const QString& alert = QString()) {
            QTest::addRow("page %d: %s, %s", page, qPrintable(first), qPrintable(second))
                << page << first << second << result << alert;
        };
        row(7, "Surface s", "Surface t", "The intersection DOES NOT exist");
        row(7, "Point A", "Line x", "Point A lays on line x");
        // The point comes first in the sentence, whichever operand it was.
        row(7, "Line x", "Point G", "Point G DOES NOT lay on line x");
        row(7, "Surface s", "Point B", "Point B lays on surface s");
        row(7, "Point E", "Surface s", "Point E DOES NOT lay on surface s");
        row(7, "Point A", "Point B", "Points A and B ARE NOT equal");
        // A new object, offered under a free name.
        row(7, "Surface s", "Line r", R"(Point (P\d+) \[3\.33333; 3\.33333; 0\])");
        row(7, "Surface s", "Surface v", R"(Line (L\d+))");
        row(7, "Surface s", "Surface s2", R"(Surface (S\d+))");
        row(8, "Vector u", "Surface s", "Result = 90°");
        row(8, "Vector z", "Line x", "Error 0xc58d3");
        row(9, "Point G", "Surface s", "Result = 5");
        // The distance page offers lines.
        row(9, "Line x", "Line r", "Result = 2.7735");
        // 400 also stands for "no result" inside.
        row(9, "Point F", "Point A", "Result = 400");
        row(7, "Line far", "Surface diag", "Error 0xc58d3", "The numbers are too large.");
        row(9, "Point H", "Point K", "Error 0xc58d3", "The numbers are too large.");
    }

    void compute() {
        QFETCH(int, page);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, result);
        QFETCH(QString, alert);
        f->show(page);
        const QList<QComboBox*> operands = pickers();
        QVERIFY(operands.size() == 2 && choose(operands[0], first) && choose(operands[1], second));
        QTest::mouseClick(pageOf(page).button, Qt::LeftButton);
        auto* item = f->find<ObjectItem>("intersectResult");
        QLabel* const labels[] = {f->find<QLabel>("angleResult"),
                                  f->find<QLabel>("distanceResult")};
        QWidget* shown = page == 7 ? static_cast<QWidget*>(item) : labels[page - 8];
        QVERIFY(shown->isVisible());
        const QString text = page == 7 ? item->fullTitle() : labels[page - 8]->text();
        const QRegularExpressionMatch match =
            QRegularExpression(QRegularExpression::anchoredPattern(result)).match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const Page shownPage = pageOf(page);
        QCOMPARE(shownPage.alert->text(), alert);
        if (page > 7)
            return;
        // A relation leaves the page ready for another pair.
        const bool offered = match.lastCapturedIndex() == 1;
        auto* add = f->find<QPushButton>("addIntersectButton");
        QCOMPARE(f->find<QPushButton>("computeIntersectButton")->isVisible(), !offered);
        QCOMPARE(add->isVisible(), offered);
        if (offered) {
            QVERIFY(item->hasInfo());
            QCOMPARE(f->find<QLineEdit>("intersectName")->text(), match.captured(1));
            QCOMPARE(add->text(), "Add " + result.section(' ', 0, 0));
            QVERIFY(add->isEnabled());
        }
    }
};

QTEST_MAIN(TestInputPages)
#include "test_inputpages.moc"
