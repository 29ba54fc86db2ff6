#include "sessiontesthelpers.h"

#include "session/splitfields.h"

#include <QTest>

#include <cstdio>

namespace {

// "name visible numbers <parents" per object in store order: the coordinates of a point or
// vector, the point and direction of a line, the normal and d of a plane.
QStringList states(const ObjectStore& store) {
    QStringList all;
    for (int kind = 0; kind <= 3; ++kind)
        for (const auto& [name, o] : store.objects(kind)) {
            std::vector<double> n;
            const auto put = [&n](const vector4D& c) { n.insert(n.end(), {c.x(), c.y(), c.z()}); };
            if (kind <= 1) {
                put(static_cast<const Point*>(o.get())->coordinates);
            } else if (kind == 2) {
                put(static_cast<const line*>(o.get())->point.coordinates);
                put(static_cast<const line*>(o.get())->direction.coordinates);
            } else {
                put(static_cast<const surface*>(o.get())->normal.coordinates);
                n.push_back(static_cast<const surface*>(o.get())->d);
            }
            QString text = QString::fromStdString(name) + QString::asprintf(" %d", o->visible);
            // A coordinate keeps the sign of a negative zero; a rebuilt line or plane need not.
            char number[32];
            for (double v : n)
                text += QLatin1String(
                    number, std::snprintf(number, sizeof number, " %g", kind <= 1 ? v : v + 0.0));
            for (std::size_t i = 0; i < o->parents.size(); ++i)
                text += (i ? "," : " <") + QString::fromStdString(o->parents[i]->name);
            all << text;
        }
    return all;
}

} // namespace

class TestSessionReader : public QObject {
    Q_OBJECT

private slots:
    void split_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<QByteArrayList>("fields");
        const auto row = [](const char* tag, const QByteArray& line, const QByteArrayList& fields,
                            const char* separator = "$$") {
            QTest::newRow(tag) << line << QByteArray(separator) << fields;
        };
        row("point line", "$$0$$1$$A$$1$$2$$3$$0$$", {"0", "1", "A", "1", "2", "3", "0", ""});
        row("no final separator", "$$a$$b", {"a", "b"});
        row("text before the first separator", "xyz$$a$$", {"a", ""});
        row("no separator drops the first character", "abc", {"bc"});
        row("empty line", "", {});
        row("separator only", "$$", {""});
        row("empty fields", "$$$$$$", {"", "", ""});
        row("odd dollar stays in the next field", "$$A$$$x$$", {"A", "$x", ""});
        row("other separator", "a,b,,c", {"b", "", "c"}, ",");
        row("NUL bytes kept", QByteArray("$$a\0b$$", 7), {QByteArray("a\0b", 3), ""});
    }

    void split() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, separator);
        QFETCH(QByteArrayList, fields);
        QByteArrayList got;
        for (const std::string& f : splitFields(line.toStdString(), separator.toStdString()))
            got << QByteArray::fromStdString(f);
        QCOMPARE(got, fields);
    }

    // Whether the read succeeds, and every object in the store afterwards: a read starts
    // from an empty store and keeps the lines before a failing or final one.
    void read_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("objects");
        const auto row = [](const QByteArray& tag, const QByteArray& text, bool ok,
                            const QStringList& objects) {
            QTest::newRow(tag.constData()) << text << ok << objects;
        };
        const QByteArray a = "$$0$$1$$A$$1$$2$$3$$0$$\n", w = "$$1$$1$$w$$1$$0$$0$$0$$\n",
                         v = "$$1$$1$$v$$-3$$0$$0$$0$$\n";
        const QString A = "A 1 1 2 3", W = "w 1 1 0 0", V = "v 1 -3 0 0";
        row("empty file", "", true, {});
        row("no final separator stops", a + "$$0$$1$$B$$1$$2$$3$$0\n" + w, true, {A});
        row("blank line ends the session", a + "\n" + w, true, {A});
        row("last line without line break", a + w.chopped(1), true, {A, W});
        row("kind 7 alone fails", "$$7\n", false, {});
        row("kind 0 alone stops", "$$0\n" + a, true, {});
        row("visible 2 fails", "$$0$$2$$A$$1$$2$$3$$0$$\n", false, {});
        row("name only stops", a + "$$2$$1$$L\n" + w, true, {A});
        row("line without parent fields stops", a + "$$2$$1$$L$$1\n", true, {A});
        row("text before the first separator", "xyz" + a, true, {A});
        row("windows line breaks", a.chopped(1) + "\r\n" + w.chopped(1) + "\r\n", true, {A, W});
        row("parent defined later", a + "$$2$$1$$L$$2$$A-$$w-$$\n" + w, false, {A});
        row("negative parent count", a + "$$0$$1$$B$$1$$2$$3$$-1$$\n", false, {A});
        row("parent count past the fields", a + w + "$$2$$1$$L$$4$$A-$$w-$$\n", false, {A, W});
        row("huge parent count", a + "$$0$$1$$B$$1$$2$$3$$99999999999999999999$$\n", false, {A});
        row("empty parent field", a + w + "$$2$$1$$L$$2$$A-$$\n", false, {A, W});
        row("repeated name across kinds", a + "$$1$$1$$A$$1$$0$$0$$0$$\n", false, {A});
        row("nan coordinate", a + "$$0$$1$$B$$nan$$0$$0$$0$$\n", false, {A});
        row("inf coordinate", a + "$$1$$1$$B$$0$$-inf$$0$$0$$\n", false, {A});
        row("line over a megabyte", a + "$$0$$1$$" + QByteArray(2 << 20, 'x') + "$$1$$2$$3$$0$$\n",
            false, {A});
        row("line without a vector parent", a + "$$2$$1$$L$$1$$A-$$\n", false, {A});
        row("zero line direction", a + "$$1$$1$$z$$0$$0$$0$$0$$\n$$2$$1$$L$$2$$A-$$z-$$\n", false,
            {A, "z 1 0 0 0"});
        row("parallel spanning vectors", a + w + v + "$$3$$1$$S$$3$$v-$$w-$$A-$$\n", false,
            {A, V, W});
        row("plane spanned by its normal only", a + w + v + "$$3$$1$$S$$3$$wn$$v-$$A-$$\n", false,
            {A, V, W});
        const QByteArray bod = "Bod_čšťžýáíéúůňďľĺŕôä";
        row("UTF-8 names",
            "$$0$$1$$" + bod + "$$1$$2$$3$$0$$\n" + w + "$$2$$1$$Priamka_ľ$$2$$" + bod +
                "-$$w-$$\n",
            true, {bod + " 1 1 2 3", W, "Priamka_ľ 1 1 2 3 1 0 0 <" + bod + ",w"});
        row("NUL byte in a name", QByteArray("$$0$$1$$A\0B$$1$$2$$3$$0$$\n", 26), true,
            {QString::fromLatin1("A\0B 1 1 2 3", 11)});

        // Coordinates read as C atof reads them: "field=value".
        for (const QByteArray c : {"1e-005=1e-05", "1.23457e+06=1.23457e+06", "abc=0", "1.5abc=1.5",
                                   " +2.25=2.25", "-0=-0", "1e-999=0"})
            row("coordinate " + c, "$$1$$0$$u$$7$$" + c.split('=')[0] + "$$-7$$0$$\n", true,
                {"u 0 7 " + c.split('=')[1] + " -7"});

        row("visibility and parents",
            "$$0$$0$$A$$1$$2$$3$$0$$\n$$0$$1$$B$$4$$6$$8$$1$$A-$$\n"
            "$$1$$1$$w$$1$$0$$0$$2$$B-$$A-$$\n",
            true, {"A 0 1 2 3", "B 1 4 6 8 <A", "w 1 1 0 0 <B,A"});
        // A line from two points lists (direction, A, B): the last point is its point.
        row("line from the last point and vector",
            a + "$$0$$1$$B$$4$$6$$8$$0$$\n$$1$$0$$L_sv$$3$$4$$5$$0$$\n$$1$$0$$u$$9$$9$$9$$0$$\n"
                "$$2$$1$$L$$4$$u-$$L_sv-$$A-$$B-$$\n",
            true, {A, "B 1 4 6 8", "L_sv 0 3 4 5", "u 0 9 9 9", "L 1 4 6 8 3 4 5 <u,L_sv,A,B"});
        // 'n' keeps a vector along the normal out of the spanning vectors.
        const QByteArray plane = "$$0$$1$$P$$0$$0$$5$$0$$\n$$1$$1$$a$$1$$0$$0$$0$$\n"
                                 "$$1$$1$$b$$0$$1$$0$$0$$\n$$1$$0$$n_S$$0$$0$$1$$0$$\n";
        const QStringList operands{"P 1 0 0 5", "a 1 1 0 0", "b 1 0 1 0", "n_S 0 0 0 1"};
        row("marked normal skipped", plane + "$$3$$1$$S$$4$$n_Sn$$a-$$b-$$P-$$\n", true,
            operands + QStringList{"S 1 0 0 1 -5 <n_S,a,b,P"});
        row("unmarked vector spans", plane + "$$3$$1$$S$$4$$n_S-$$a-$$b-$$P-$$\n", true,
            operands + QStringList{"S 1 0 1 0 0 <n_S,a,b,P"});
        // The plane through (-4, 0, 0) with normal (1, 2, 3) as saved: rebuilt as v x u, the
        // opposite normal, and the same set of points.
        row("plane from a point and a normal",
            "$$0$$1$$P$$-4$$0$$0$$0$$\n$$1$$1$$N$$1$$2$$3$$0$$\n$$1$$0$$u_E$$-1$$2$$-1$$0$$\n"
            "$$1$$0$$v_E$$-4$$-1$$2$$0$$\n$$3$$1$$E$$4$$v_E-$$u_E-$$P-$$Nn$$\n",
            true,
            {"P 1 -4 0 0", "N 1 1 2 3", "u_E 0 -1 2 -1", "v_E 0 -4 -1 2",
             "E 1 -1 -2 -3 -4 <v_E,u_E,P,N"});
    }

    void read() {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(QStringList, objects);
        ObjectStore store;
        add(store, "old", Point(0, 0, 0));
        QCOMPARE(load(store, text), ok);
        QCOMPARE(states(store), objects);
        int visible = 0;
        for (const QString& object : objects)
            visible += object.section(' ', 1, 1) == "1";
        QCOMPARE(store.visibleCount(), visible);
    }

    // Neither a missing file nor a folder is read; the store keeps what it had.
    void unreadablePathLeavesStoreUntouched() {
        QTemporaryDir dir;
        for (const QString& path : {dir.filePath("missing.zdr"), dir.path()}) {
            ObjectStore store;
            add(store, "kept", Point(1, 2, 3));
            QVERIFY(!readSession(store, path.toStdString()));
            QCOMPARE(states(store), QStringList{"kept 1 1 2 3"});
        }
    }
};

QTEST_APPLESS_MAIN(TestSessionReader)
#include "test_sessionreader.moc"
