// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever Stereon writes, it reads back to the same session: every object, and every answer
// for every pair, prints the same after a save and a load.
#include "sessiontesthelpers.h"

#include "geometry/description.h"
#include "geometry/intersection.h"
#include "geometry/measure.h"
#include "geometry/numberformat.h"
#include "geometry/truedistance.h"
#include "session/filenumber.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <random>

namespace {

QString number(double value) {
    return QString::number(value, 'g', 17);
}

QString number(std::optional<double> value) {
    return value ? number(*value) : QString("none");
}

// Every construction on random operands (refusals skipped), with numbers of every size.
void buildRandomSession(ObjectStore& store, unsigned seed, int steps) {
    std::mt19937 random(seed);
    const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    const auto coordinate = [&]() -> double {
        const int form = pick(5);
        return form == 0   ? pick(7) - 3
               : form == 1 ? (pick(2001) - 1000) / 100.0
               : form == 2 ? (pick(201) - 100) / 1000.0
               : form == 3 ? (pick(2) ? 1 : -1) * std::pow(10.0, pick(13) - 3) * (1 + pick(9))
                           : std::uniform_real_distribution<double>(-50, 50)(random);
    };
    const auto numbers = [&](int n) {
        QString text;
        for (int i = 0; i < n; ++i)
            text += " " + QString::number(coordinate(), 'g', 17);
        return text;
    };
    const auto any = [&](Kind kind) {
        const ObjectStore::Map& map = store.objects(kind);
        if (map.empty())
            return QString(" none");
        auto it = map.begin();
        std::advance(it, pick(static_cast<int>(map.size())));
        return " " + QString::fromStdString(it->first);
    };
    const auto pointOrVector = [&] { return storedKinds[pick(2)]; };
    const auto lineOrPlane = [&] { return storedKinds[2 + pick(2)]; };
    constexpr Kind P = Kind::Point, V = Kind::Vector;
    const std::function<QString(const QString&)> commands[] = {
        [&](const QString& n) { return "P" + n + numbers(3); },
        [&](const QString& n) { return "V" + n + numbers(3); },
        [&](const QString& n) { return "F" + n + any(P) + any(P); },
        [&](const QString& n) { return "L" + n + any(pointOrVector()) + any(P); },
        [&](const QString& n) {
            return "S" + n + any(pointOrVector()) + any(pointOrVector()) + any(pointOrVector());
        },
        [&](const QString& n) { return "N" + n + (pick(2) ? any(P) + any(V) : any(V) + any(P)); },
        [&](const QString& n) { return "E" + n + any(V) + numbers(1); },
        [&](const QString& n) { return "X" + n + any(lineOrPlane()) + any(lineOrPlane()); }};
    for (int step = 0; step < steps; ++step) {
        const int choice = step < 12 ? 0 : step < 18 ? 1 : pick(9);
        if (choice < 8)
            buildObjects(store, commands[choice](QString(" o%1").arg(step)));
        else
            store.setVisible(any(storedKinds[pick(4)]).trimmed().toStdString(), pick(2));
    }
}

// Every object with its description, then every answer for every pair, with all digits.
QStringList printout(const ObjectStore& store) {
    QStringList lines;
    std::vector<std::string> names;
    for (Kind kind : storedKinds)
        for (const auto& [name, object] : store.objects(kind)) {
            names.push_back(name);
            QString text = QString::fromStdString(name) +
                           QString(" %1 %2:").arg(fileCode(kind)).arg(object->visible);
            for (const ObjectSummary& r : describeObject(store, object.get()))
                text +=
                    QString(" [%1/%2 %3 %4 %5 %6]")
                        .arg(static_cast<int>(r.row))
                        .arg(fileCode(r.kind))
                        .arg(QString::fromStdString(r.name), number(r.x), number(r.y), number(r.z));
            lines << text;
        }
    for (const std::string& a : names)
        for (const std::string& b : names) {
            const IntersectionResult meet = intersect(store, a, b);
            QString text = QString::fromStdString(a + " " + b) +
                           QString(" %1/%2 %3 %4 %5 %6")
                               .arg(static_cast<int>(meet.outcome))
                               .arg(fileCode(meet.head.kind))
                               .arg(meet.holds)
                               .arg(number(meet.head.x), number(meet.head.y), number(meet.head.z));
            for (const ObjectSummary& r : meet.rows)
                text += " " + QString::fromStdString(r.name);
            lines << text + " angle " + number(angleBetween(store, a, b)) + " distance " +
                         number(distanceBetween(store, a, b));
        }
    return lines;
}

// The equation texts of a line or plane, or the coordinates of a point or vector.
QString texts(const ObjectStore& store, const std::string& name) {
    QStringList out;
    for (const ObjectSummary& r : describeObject(store, store.find(name)))
        if (r.row == Row::ParametricEquation || r.row == Row::GeneralEquation)
            out << QString::fromStdString(r.name);
    if (const auto* p = dynamic_cast<const Point*>(store.find(name)))
        out << QString::fromStdString(formatNumber(p->coordinates.x()) + " " +
                                      formatNumber(p->coordinates.y()) + " " +
                                      formatNumber(p->coordinates.z()));
    return out.join(" | ");
}

} // namespace

class TestRoundTrip : public QObject {
    Q_OBJECT

private slots:
    // Each number is written with the fewest digits, six at least, that read back to it.
    void numbersInFiles() {
        for (const char* text : {"1", "-0", "1e-005", "1234567", "123456.7", "0.3333333333333333",
                                 "0.30000000000000004", "1.7976931348623157e+308", "4.94066e-324"})
            QCOMPARE(QString::fromStdString(fileNumber(std::strtod(text, nullptr))), QString(text));
    }

    void everyNumberReadsBack() {
        std::mt19937_64 random(7);
        for (int i = 0; i < 20000; ++i) {
            const std::uint64_t bits = random();
            double x;
            std::memcpy(&x, &bits, sizeof x);
            double back = 0.0;
            if (std::isfinite(x))
                QVERIFY2(parseFileNumber(fileNumber(x), back) && std::memcmp(&x, &back, 8) == 0,
                         fileNumber(x).c_str());
        }
    }

    // Sessions once reported: the texts the construction gave, and the same after a reload.
    void reportedSessions_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const QString& script, const char* expected = "") {
            QTest::newRow(tag) << script << script.section(';', -1).section(' ', 1, 1)
                               << QString(expected);
        };
        const QString oxy = "P O 0 0 0;P X 2 0 0;P Y 0 2 0;";
        row("three points keep their orientation", oxy + "S S O X Y",
            "+1z  = 0 | {x= -1k -1l; y= -1k +1l; z= 0; }");
        row("a normal left as given", "P O 0 0 0;V N 2 4 6;N S O N",
            "2x +4y +6z  = 0 | {x= -32k -2l; y= -8k +4l; z= +16k -2l; }");
        row("decimal points keep their scale", "P A 2 0 0;P B 1 3 1.3;P C -0.9 2 0;S S A B C",
            "-260x -377y +670z +520 = 0 | {x= -1.72042e+009k -349l; y= -1.73037e+009k +310l; "
            "z= -0.776119 -1.64128e+009k +39l; }");
        row("line through its first point", "P A 1 2 3;P B 4 6 3;L L A B",
            "{x= 1 +3k; y= 2 +4k; z= 3; }");
        row("filed point on its plane", "P O 0 0 0;V e 1 0 0;V n 3 0 0;L x O e;E S n -1000;X X x S",
            "333.333 0 0");
        row("short normal", "V N 0.001 0.002 0.003;P P 1 1 1;N S P N",
            "1x +2y +3z -6 = 0 | {x= -4k -1l; y= -1k +2l; z= 2 +2k -1l; }");
        row("short normal, not a multiple", "V N 0.05 0.015 0;P P 1 1 1;N S P N");
        row("tiny normal", "V N 0.00005 0.00002 0.00001;P P 1 2 3;N S P N",
            "5e-005x +2e-005y +1e-005z -0.00012 = 0 | {x= 2.4 +5k +1l; y= -7k -4l; "
            "z= -11k +3l; }");
        row("huge normal", "V N 999999999 1 0.001;P P 1 1 1;N S P N");
        row("filed plane", oxy + "V up 0 0 5;S S O X Y;N T O up;X C S T");
    }

    void reportedSessions() {
        QFETCH(QString, script);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        ObjectStore built, loaded;
        QVERIFY(buildObjects(built, script));
        if (!expected.isEmpty())
            QCOMPARE(texts(built, name.toStdString()), expected);
        for (const auto& [plane, object] : built.objects(Kind::Plane)) {
            const auto* s = static_cast<const surface*>(object.get());
            QVERIFY2(pointPlaneDistance(s->point.coordinates, s->normal.coordinates, s->d) < 1e-9,
                     plane.c_str());
        }
        QVERIFY(load(loaded, saved(built)));
        QCOMPARE(printout(loaded), printout(built));
    }

    // A hand-made file may name a later line as a parent, or mark a vector not along the
    // normal: what is saved from it loads to the same.
    void foreignFilesSaveToWhatTheyRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("written");
        const QByteArray points = "$$0$$1$$A$$0$$0$$0$$0$$\n$$1$$1$$a$$1$$0$$0$$0$$\n"
                                  "$$1$$1$$b$$0$$1$$0$$0$$\n$$1$$1$$c$$0$$0$$1$$0$$\n";
        QTest::newRow("parent of a later name")
            << points + "$$2$$1$$Z$$2$$A-$$a-$$\n$$2$$1$$B$$3$$Z-$$A-$$b-$$\n"
                        "$$2$$1$$C$$2$$A-$$c-$$\n"
            << points + "$$2$$1$$C$$2$$A-$$c-$$\n$$2$$1$$Z$$2$$A-$$a-$$\n"
                        "$$2$$1$$B$$3$$Z-$$A-$$b-$$\n";
        QTest::newRow("normal mark on a spanning vector")
            << points + "$$3$$1$$S$$4$$an$$b-$$c-$$A-$$\n"
            << points + "$$3$$1$$S$$4$$an$$b-$$c-$$A-$$\n";
    }

    void foreignFilesSaveToWhatTheyRead() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, written);
        ObjectStore first, second;
        QVERIFY(load(first, file));
        QCOMPARE(saved(first), written);
        QVERIFY(load(second, written));
        QCOMPARE(printout(second), printout(first));
    }

    void sameSessionAfterSaveAndLoad_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void sameSessionAfterSaveAndLoad() {
        QFETCH(unsigned, seed);
        ObjectStore built;
        buildRandomSession(built, seed, 78);
        const QByteArray file = saved(built);
        ObjectStore loaded;
        QVERIFY(load(loaded, file));
        const QStringList before = printout(built), after = printout(loaded);
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < before.size(); ++i)
            QCOMPARE(after[i], before[i]);
        QCOMPARE(saved(loaded), file);
    }
};

QTEST_APPLESS_MAIN(TestRoundTrip)
#include "test_roundtrip.moc"
