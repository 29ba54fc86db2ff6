#include "session/sessionreader.h"

#include "doublecompare.h"
#include "sessiontesthelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestSessionReader : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Reads text as a session file into store.
    bool load(ObjectStore& store, const QByteArray& text) {
        const QString file = path("session.zdr");
        if (!writeBytes(file, text))
            qFatal("cannot write the test file");
        return readSession(store, local(file));
    }

    template <class T> const T* get(const ObjectStore& store, const char* name, int kind) {
        const SpaceObject* object = store.find(name);
        if (!object || object->type() != kind)
            return nullptr;
        return static_cast<const T*>(object);
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // Which lines are kept and whether the read succeeds.
    void outcome_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("names"); // every object in the store afterwards

        const QByteArray a = "$$0$$1$$A$$1$$2$$3$$0$$\n";
        const QByteArray w = "$$1$$1$$w$$1$$0$$0$$0$$\n";
        QTest::newRow("empty file") << QByteArray() << true << "";
        QTest::newRow("no final separator stops")
            << a + "$$0$$1$$B$$1$$2$$3$$0\n" + w << true << "A";
        QTest::newRow("blank line ends the session") << a + "\n" + w << true << "A";
        QTest::newRow("last line without line break") << a + w.chopped(1) << true << "A w";
        QTest::newRow("kind 5 fails") << a + "$$5$$1$$X$$0$$\n" << false << "A";
        QTest::newRow("kind 7 alone fails") << QByteArray("$$7\n") << false << "";
        QTest::newRow("kind 0 alone stops") << "$$0\n" + a << true << "";
        QTest::newRow("negative kind fails") << QByteArray("$$-1$$1$$X$$0$$\n") << false << "";
        QTest::newRow("visible 2 fails") << QByteArray("$$0$$2$$A$$1$$2$$3$$0$$\n") << false << "";
        QTest::newRow("name only stops") << a + "$$2$$1$$L\n" + w << true << "A";
        QTest::newRow("line without parent fields stops") << a + "$$2$$1$$L$$1\n" << true << "A";
        QTest::newRow("text before first separator")
            << QByteArray("xyz$$0$$1$$A$$1$$2$$3$$0$$\n") << true << "A";
        QTest::newRow("windows line breaks") << QByteArray("$$0$$1$$A$$1$$2$$3$$0$$\r\n"
                                                           "$$1$$1$$w$$1$$0$$0$$0$$\r\n")
                                             << true << "A w";
        QTest::newRow("parent defined later") << a + "$$2$$1$$L$$2$$A-$$w-$$\n" + w << false << "A";
        QTest::newRow("negative parent count") << a + "$$0$$1$$B$$1$$2$$3$$-1$$\n" << false << "A";
        QTest::newRow("parent count past the fields") << a + w + "$$2$$1$$L$$4$$A-$$w-$$\n"
                                                      << false << "A w";
        QTest::newRow("huge parent count") << a + "$$0$$1$$B$$1$$2$$3$$99999999999999999999$$\n"
                                           << false << "A";
        QTest::newRow("parent field without marker") << a + w + "$$2$$1$$L$$2$$A-$$\n"
                                                     << false << "A w";
        QTest::newRow("line without a vector parent") << a + "$$2$$1$$L$$1$$A-$$\n" << false << "A";
        QTest::newRow("plane with one spanning vector") << a + w + "$$3$$1$$S$$2$$w-$$A-$$\n"
                                                        << false << "A w";
        QTest::newRow("plane spanned by its normal only")
            << a + w + "$$1$$1$$v$$0$$1$$0$$0$$\n$$3$$1$$S$$3$$wn$$v-$$A-$$\n"
            << false << "A v w";
        QTest::newRow("repeated name within a kind") << a + "$$0$$0$$A$$4$$5$$6$$0$$\n"
                                                     << false << "A";
        QTest::newRow("repeated name across kinds") << a + "$$1$$1$$A$$1$$0$$0$$0$$\n"
                                                    << false << "A";
        QTest::newRow("nan coordinate") << a + "$$0$$1$$B$$nan$$0$$0$$0$$\n" << false << "A";
        QTest::newRow("inf coordinate") << a + "$$1$$1$$B$$0$$-inf$$0$$0$$\n" << false << "A";
        QTest::newRow("overflowing coordinate") << a + "$$0$$1$$B$$0$$0$$1e999$$0$$\n"
                                                << false << "A";
        QTest::newRow("zero line direction")
            << a + "$$1$$1$$z$$0$$0$$0$$0$$\n$$2$$1$$L$$2$$A-$$z-$$\n"
            << false << "A z";
        QTest::newRow("parallel spanning vectors")
            << a + w + "$$1$$1$$v$$-3$$0$$0$$0$$\n$$3$$1$$S$$3$$v-$$w-$$A-$$\n"
            << false << "A v w";
        QTest::newRow("NUL byte in a name") << QByteArray("$$0$$1$$A\0B$$1$$2$$3$$0$$\n", 26)
                                            << true << QString::fromLatin1("A\0B", 3);
    }

    void outcome() {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(QString, names);
        ObjectStore store;
        addPoint(store, "old", 0, 0, 0); // a read always starts from an empty store
        QCOMPARE(load(store, text), ok);
        QStringList present;
        for (int kind = 0; kind <= 3; ++kind)
            for (const auto& entry : store.objects(kind))
                present << QString::fromLatin1(entry.first.data(), int(entry.first.size()));
        present.sort();
        QCOMPARE(present.join(' '), names);
    }

    void unreadablePathLeavesStoreUntouched_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing file") << path("missing.zdr");
        QTest::newRow("folder") << dir.path();
        QTest::newRow("missing folder") << path("nowhere/a.zdr");
    }

    void unreadablePathLeavesStoreUntouched() {
        QFETCH(QString, target);
        ObjectStore store;
        addPoint(store, "kept", 1, 2, 3);
        QVERIFY(!readSession(store, local(target)));
        QCOMPARE(store.count(0), 1);
        QVERIFY(store.exists("kept"));
    }

    void overlongLineFails() {
        ObjectStore store;
        const QByteArray name(2 * 1024 * 1024, 'x');
        QVERIFY(!load(store, "$$0$$1$$A$$1$$2$$3$$0$$\n$$0$$1$$" + name + "$$1$$2$$3$$0$$\n"));
        QCOMPARE(store.count(0), 1);
    }

    void coordinates_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<double>("value");
        QTest::newRow("three-digit exponent") << QByteArray("1e-005") << 0.00001;
        QTest::newRow("two-digit exponent") << QByteArray("1e-05") << 0.00001;
        QTest::newRow("large exponent") << QByteArray("1.23457e+006") << 1234570.0;
        QTest::newRow("not a number reads as 0") << QByteArray("abc") << 0.0;
        QTest::newRow("empty reads as 0") << QByteArray("") << 0.0;
        QTest::newRow("leading number") << QByteArray("1.5abc") << 1.5;
        QTest::newRow("spaces and plus") << QByteArray(" +2.25") << 2.25;
        QTest::newRow("negative zero") << QByteArray("-0") << -0.0;
        QTest::newRow("underflow reads as 0") << QByteArray("1e-999") << 0.0;
    }

    void coordinates() {
        QFETCH(QByteArray, field);
        QFETCH(double, value);
        ObjectStore store;
        QVERIFY(load(store, "$$1$$0$$v$$7$$" + field + "$$-7$$0$$\n"));
        const auto* v = get<Vector>(store, "v", 1);
        QVERIFY(v);
        COMPARE_EXACT(v->coordinates.y(), value);
        COMPARE_EXACT(v->coordinates.x(), 7.0);
        COMPARE_EXACT(v->coordinates.z(), -7.0);
        COMPARE_EXACT(v->start.x(), 0.0);
    }

    void visibilityAndParents() {
        ObjectStore store;
        QVERIFY(load(store, "$$0$$0$$A$$1$$2$$3$$0$$\n"
                            "$$0$$1$$B$$4$$6$$8$$1$$A-$$\n"
                            "$$1$$1$$w$$1$$0$$0$$2$$B-$$A-$$\n"));
        QCOMPARE(store.visibleCount(), 2);
        QVERIFY(!store.find("A")->visible);
        const SpaceObject* w = store.find("w");
        QCOMPARE(w->parents.size(), std::size_t(2));
        QCOMPARE(w->parents[0], store.find("B"));
        QCOMPARE(w->parents[1], store.find("A"));
    }

    // A line built from two points lists (direction, A, B); the last point becomes its point.
    void lineTakesLastPointAndVector() {
        ObjectStore store;
        QVERIFY(load(store, "$$0$$1$$A$$1$$2$$3$$0$$\n"
                            "$$0$$1$$B$$4$$6$$8$$0$$\n"
                            "$$1$$0$$L_sv$$3$$4$$5$$0$$\n"
                            "$$1$$0$$u$$9$$9$$9$$0$$\n"
                            "$$2$$1$$L$$4$$u-$$L_sv-$$A-$$B-$$\n"));
        const auto* l = get<line>(store, "L", 2);
        QVERIFY(l);
        COMPARE_VEC(l->point.coordinates, 4.0, 6.0, 8.0);
        COMPARE_VEC(l->direction.coordinates, 3.0, 4.0, 5.0);
        QCOMPARE(l->parents.size(), std::size_t(4));
        QCOMPARE(l->parents[1], store.find("L_sv"));
    }

    // The 'n' marker keeps the normal out of the spanning vectors.
    void planeSkipsMarkedNormal_data() {
        QTest::addColumn<char>("marker");
        QTest::addColumn<double>("nx");
        QTest::addColumn<double>("ny");
        QTest::addColumn<double>("nz");
        QTest::newRow("marked normal skipped") << 'n' << 0.0 << 0.0 << 1.0;
        QTest::newRow("unmarked vector used") << '-' << 0.0 << 1.0 << 0.0;
    }

    void planeSkipsMarkedNormal() {
        QFETCH(char, marker);
        QFETCH(double, nx);
        QFETCH(double, ny);
        QFETCH(double, nz);
        ObjectStore store;
        QVERIFY(load(store, QByteArray("$$0$$1$$P$$0$$0$$5$$0$$\n"
                                       "$$1$$1$$a$$1$$0$$0$$0$$\n"
                                       "$$1$$1$$b$$0$$1$$0$$0$$\n"
                                       "$$1$$0$$n_S$$0$$0$$1$$0$$\n"
                                       "$$3$$1$$S$$4$$n_S") +
                                marker + "$$a-$$b-$$P-$$\n"));
        const auto* s = get<surface>(store, "S", 3);
        QVERIFY(s);
        COMPARE_VEC(s->normal.coordinates, nx, ny, nz);
        QCOMPARE(s->parents.size(), std::size_t(4));
        QCOMPARE(s->parents[0], store.find("n_S"));
    }

    // Plane from the point (-4, 0, 0) and the normal (1, 2, 3), read back from its file:
    // it is rebuilt as v x u, the opposite normal, and the same set of points.
    void planeRebuiltFromSpanningVectors() {
        ObjectStore store;
        QVERIFY(load(store, "$$0$$1$$P$$-4$$0$$0$$0$$\n"
                            "$$1$$1$$N$$1$$2$$3$$0$$\n"
                            "$$1$$0$$u_E$$-1$$2$$-1$$0$$\n"
                            "$$1$$0$$v_E$$-4$$-1$$2$$0$$\n"
                            "$$3$$1$$E$$4$$v_E-$$u_E-$$P-$$Nn$$\n"));
        const auto* s = get<surface>(store, "E", 3);
        QVERIFY(s);
        COMPARE_VEC(s->normal.coordinates, -1.0, -2.0, -3.0);
        COMPARE_EXACT(s->d, -4.0);
    }

    void utf8NamesKeptAsBytes() {
        ObjectStore store;
        const QByteArray point = QString::fromUtf8("Bod_čšťžýáíéúůňďľĺŕôä").toUtf8();
        QVERIFY(load(store, "$$0$$1$$" + point +
                                "$$1$$2$$3$$0$$\n$$1$$1$$w$$1$$0$$0$$0$$\n"
                                "$$2$$1$$Priamka$$2$$" +
                                point + "-$$w-$$\n"));
        QVERIFY(store.find(point.toStdString()));
        QCOMPARE(store.find("Priamka")->parents.at(0), store.find(point.toStdString()));
    }
};

QTEST_APPLESS_MAIN(TestSessionReader)
#include "test_sessionreader.moc"
