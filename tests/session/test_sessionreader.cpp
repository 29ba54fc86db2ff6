// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessiontesthelpers.h"

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList states(const ObjectStore& store) {
    QStringList all;
    for (Kind kind : storedKinds)
        for (const auto& entry : store.objects(kind))
            all << objectState(*entry.second, true);
    return all;
}

} // namespace

class TestSessionReader : public QObject {
    Q_OBJECT

private slots:
    // What the read says ("" for success), and the objects; a failed read changes nothing.
    // "@missing", "@folder" and "@loop" stand for paths that name no readable file.
    void read_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QStringList>("objects");
        const auto row = [](const QByteArray& tag, const QByteArray& text, const QString& problem,
                            const QStringList& objects = {}) {
            QTest::newRow(tag.constData()) << text << problem << objects;
        };
        const QByteArray a = "$$0$$1$$A$$1$$2$$3$$0$$\n", w = "$$1$$1$$w$$1$$0$$0$$0$$\n",
                         v = "$$1$$1$$v$$-3$$0$$0$$0$$\n";
        const QString A = "0 A 1 1 2 3", W = "1 w 1 1 0 0";
        const QString broken2 = "line 2: truncated or broken record";
        row("empty file", "", "", {});
        row("missing file", "@missing", "No such file or directory");
        row("folder", "@folder", "not a regular file");
        row("link loop", "@loop", "symbolic link loop");
        row("blank lines and Windows line breaks",
            "\n" + a.chopped(1) + "\r\n\n  \n\r\n" + w + "\n", "", {A, W});
        row("last line without line break", a + w.chopped(1), "", {A, W});
        // Fields start after the first separator; a third dollar starts the next field.
        row("text before the first separator", "xyz" + a, "", {A});
        row("odd dollar", "$$0$$1$$A$$$1$$2$$3$$0$$\n", "line 1: a coordinate is not a number");
        row("text file", "Shopping list\neggs $$ milk\n", "not a session file");
        row("PNG renamed", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "not a session file");
        row("no final separator", a + "$$0$$1$$B$$1$$2$$3$$0\n" + w, broken2);
        row("text after records", a + "the end\n", broken2);
        // Only the four stored kinds have codes; -1 and -2 are kinds no file holds.
        for (const QByteArray code : {"7", "4", "-1", "-2"})
            row("kind " + code, "$$" + code + "$$1$$A$$0$$\n",
                "line 1: truncated or broken record");
        row("visible 2", a + "$$0$$2$$B$$1$$2$$3$$0$$\n", broken2);
        row("count that is no number", a + "$$0$$1$$B$$1$$2$$3$$x$$\n", broken2);
        row("negative parent count", a + "$$0$$1$$B$$1$$2$$3$$-1$$\n", broken2);
        row("parent count past the fields", a + "$$2$$1$$L$$4$$A-$$w-$$\n", broken2);
        row("huge parent count", a + "$$0$$1$$B$$1$$2$$3$$99999999999999999999$$\n", broken2);
        row("empty parent field", a + "$$2$$1$$L$$2$$A-$$$$\n", broken2);
        row("parent defined later", a + "$$2$$1$$L$$2$$A-$$w-$$\n" + w,
            "line 2: unknown parent \"w\"");
        row("repeated name across kinds", a + "$$1$$1$$A$$1$$0$$0$$0$$\n",
            "line 2: the name \"A\" is used twice");
        for (const QByteArray c : {"abc", "1.5abc", "nan", "-inf", "1e999", ""})
            row("coordinate " + c, a + "$$0$$1$$B$$1$$" + c + "$$0$$0$$\n",
                "line 2: a coordinate is not a number");
        row("line over a megabyte", a + "$$0$$1$$" + QByteArray(2 << 20, 'x') + "$$1$$2$$3$$0$$\n",
            "line 2: line too long");
        row("line without a vector parent", a + "$$2$$1$$L$$1$$A-$$\n",
            "line 2: its parents do not define \"L\"");
        row("zero line direction", a + "$$1$$1$$z$$0$$0$$0$$0$$\n$$2$$1$$L$$2$$A-$$z-$$\n",
            "line 3: its parents do not define \"L\"");
        row("parallel spanning vectors", a + w + v + "$$3$$1$$S$$3$$v-$$w-$$A-$$\n",
            "line 4: its parents do not define \"S\"");
        const QByteArray bod = "Bod_čšťžýáíéúůňďľĺŕôä";
        row("UTF-8 names",
            "$$0$$1$$" + bod + "$$1$$2$$3$$0$$\n" + w + "$$2$$1$$Priamka_ľ$$2$$" + bod +
                "-$$w-$$\n",
            "", {"0 " + bod + " 1 1 2 3", W, "2 Priamka_ľ 1 1 2 3 1 0 0 <" + bod + ",w"});
        // Windows-1250 bytes ("Bod_č" and "Bod_š" there) are names of their own, in UTF-8.
        row("Windows-1250 names",
            "$$0$$1$$Bod_\xe8$$1$$2$$3$$0$$\n$$0$$1$$Bod_\x9a$$4$$5$$6$$0$$\n" + w +
                "$$2$$1$$L$$2$$Bod_\x9a-$$w-$$\n",
            "", {"0 Bod_č 1 1 2 3", "0 Bod_š 1 4 5 6", W, "2 L 1 4 5 6 1 0 0 <Bod_š,w"});
        row("NUL byte in a name", QByteArray("$$0$$1$$A\0B$$1$$2$$3$$0$$\n", 26), "",
            {QString::fromLatin1("0 A\0B 1 1 2 3", 13)});

        // Coordinates read back as written, and as foreign files write them: "field=value".
        for (const QByteArray c : {"1e-005=1e-05", "1.23457e+06=1.23457e+06", " +2.25 =2.25",
                                   "-0=-0", "1e-999=0", "0.30000000000000004=0.3"})
            row("coordinate " + c, "$$1$$0$$u$$7$$" + c.split('=')[0] + "$$-7$$0$$\n", "",
                {"1 u 0 7 " + c.split('=')[1] + " -7"});

        row("visibility and parents",
            "$$0$$0$$A$$1$$2$$3$$0$$\n$$0$$1$$B$$4$$6$$8$$1$$A-$$\n"
            "$$1$$1$$w$$1$$0$$0$$2$$B-$$A-$$\n",
            "", {"0 A 0 1 2 3", "0 B 1 4 6 8 <A", "1 w 1 1 0 0 <B,A"});
        // A line from two points lists (direction, A, B): it goes through the first point.
        row("line through its first point",
            a + "$$0$$1$$B$$4$$6$$8$$0$$\n$$1$$0$$L_sv$$3$$4$$5$$0$$\n"
                "$$2$$1$$L$$3$$L_sv-$$A-$$B-$$\n",
            "", {A, "0 B 1 4 6 8", "1 L_sv 0 3 4 5", "2 L 1 1 2 3 3 4 5 <L_sv,A,B"});
        // A line may be built on a line that comes later in name order.
        row("line parent of another name",
            a + w + "$$2$$1$$Z$$2$$A-$$w-$$\n$$2$$1$$B$$3$$Z-$$A-$$w-$$\n", "",
            {A, W, "2 B 1 1 2 3 1 0 0 <Z,A,w", "2 Z 1 1 2 3 1 0 0 <A,w"});
        // 'n' keeps a vector along the normal out of the spanning vectors. A plane's point is on
        // the axis of its normal's largest component.
        const QByteArray plane = "$$0$$1$$P$$0$$0$$5$$0$$\n$$1$$1$$a$$1$$0$$0$$0$$\n"
                                 "$$1$$1$$b$$0$$1$$0$$0$$\n$$1$$0$$n_S$$0$$0$$1$$0$$\n";
        const QStringList operands{"0 P 1 0 0 5", "1 a 1 1 0 0", "1 b 1 0 1 0", "1 n_S 0 0 0 1"};
        row("marked normal orients the plane", plane + "$$3$$1$$S$$4$$n_Sn$$a-$$b-$$P-$$\n", "",
            operands + QStringList{"3 S 1 0 0 1 -5 0 0 5 <n_S,a,b,P"});
        row("unmarked vector spans", plane + "$$3$$1$$S$$4$$n_S-$$a-$$b-$$P-$$\n", "",
            operands + QStringList{"3 S 1 0 1 0 0 0 0 0 <n_S,a,b,P"});
        row("normal and point without spanning vectors", plane + "$$3$$1$$S$$2$$n_Sn$$P-$$\n", "",
            operands + QStringList{"3 S 1 0 0 1 -5 0 0 5 <n_S,P"});
        // The plane through (-4, 0, 0) with normal (1, 2, 3) as saved comes back with that normal.
        row("plane from a point and a normal",
            "$$0$$1$$P$$-4$$0$$0$$0$$\n$$1$$1$$N$$1$$2$$3$$0$$\n$$1$$0$$u_E$$-1$$2$$-1$$0$$\n"
            "$$1$$0$$v_E$$-4$$-1$$2$$0$$\n$$3$$1$$E$$4$$v_E-$$u_E-$$P-$$Nn$$\n",
            "",
            {"0 P 1 -4 0 0", "1 N 1 1 2 3", "1 u_E 0 -1 2 -1", "1 v_E 0 -4 -1 2",
             "3 E 1 1 2 3 4 0 0 -1.33333 <v_E,u_E,P,N"});
    }

    void read() {
        QFETCH(QByteArray, text);
        QFETCH(QString, problem);
        QFETCH(QStringList, objects);
        ObjectStore store;
        add(store, "old", Point(0, 0, 0));
        QTemporaryDir dir;
        QString file = dir.filePath("s.zdr");
        if (text == "@folder")
            file = dir.path();
        else if (text == "@loop")
            QVERIFY(QFile::link(file, file));
        else if (text != "@missing")
            QVERIFY(writeBytes(file, text));
        const FileStatus status = readSession(store, file.toStdString());
        QCOMPARE(QString::fromStdString(status ? std::string() : describeProblem(status)), problem);
        if (!status)
            objects = QStringList{"0 old 1 0 0 0"};
        QCOMPARE(states(store), objects);
        int visible = 0;
        for (const QString& object : objects)
            visible += object.section(' ', 2, 2) == "1";
        QCOMPARE(store.visibleCount(), visible);
    }

    // A session larger than the memory the process may have is refused, not a crash.
    void tooLargeForMemory() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer reserves more address space than any such limit");
#endif
        QTemporaryDir dir;
        const QString file = dir.filePath("big.zdr");
        QByteArray text;
        for (int i = 0; i < 400000; ++i)
            text += "$$0$$1$$P" + QByteArray::number(i) + "$$1$$2$$3$$0$$\n";
        QVERIFY(writeBytes(file, text));
        const pid_t child = fork();
        if (child == 0) {
            long pages = 0;
            if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
                if (std::fscanf(statm, "%ld", &pages) != 1)
                    pages = 0;
                std::fclose(statm);
            }
            const rlim_t limit = rlim_t(pages) * sysconf(_SC_PAGESIZE) + (8 << 20);
            const rlimit cap{limit, limit};
            setrlimit(RLIMIT_AS, &cap);
            ObjectStore store;
            const FileStatus status = readSession(store, file.toStdString());
            _exit(status.problem == FileProblem::TooLarge ? 0 : 10 + int(status.problem));
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
};

QTEST_APPLESS_MAIN(TestSessionReader)
#include "test_sessionreader.moc"
