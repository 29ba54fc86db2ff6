// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sessiontesthelpers.h"
#include "support/dialogscript.h"
#include "windowfixture.h"

#include "gui/pages/listpage.h"

#include "gui/fileproblemtext.h"
#include "session/sessionlock.h"

class TestFileProblems : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void boxes_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("seen"); // %1: the file's path
        const auto row = [](const char* tag, const char* lang, const char* file, const char* seen) {
            QTest::newRow(tag) << QString(lang) << QString(file) << QString::fromUtf8(seen);
        };
        // Another writer holds the session all along: the window gives up after its wait.
        row("save: locked", "en", "locked.zdr",
            "Save Error: Failed to save the file | %1: another program is saving this session; "
            "try again");
        row("save in Czech: read-only", "cs", "readonly.zdr",
            "Chyba při ukládání: Nepodařilo se uložit soubor | %1: soubor je jen pro čtení");
        row("load in Slovak: unknown parent", "sk", "orphan.zdr",
            "Chyba pri načítaní: Nepodarilo sa načítať súbor | %1: riadok 2: neznámy nadradený "
            "objekt \"w\"");
    }

    // The box adds the file and the reason, in English as stereon-cli says it, else
    // translated with the line and the name in their places; the file stays as it was.
    void boxes() {
        QFETCH(QString, lang);
        QFETCH(QString, file);
        QFETCH(QString, seen);
        WindowFixture f(lang.toUtf8() + "\n0\n");
        const QString path = f.path(file);
        const QByteArray old = "$$0$$1$$A$$1$$2$$3$$0$$\n$$2$$1$$L$$2$$A-$$w-$$\n";
        QVERIFY(writeBytes(path, old));
        if (file == "readonly.zdr")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        SessionLock other;
        if (file == "locked.zdr")
            QVERIFY(other.acquire(QFile::encodeName(path).toStdString()));
        const bool load = file == "orphan.zdr";
        DialogScript script;
        // A save is to the existing file, which the file dialog asks to replace.
        (load ? script : script.choose(path).press(QMessageBox::Yes)).press(QMessageBox::Ok);
        auto* list = f.find<ListPage>("listPage");
        if (load)
            list->loadFile(path);
        else
            QVERIFY(!list->saveFile());
        QCOMPARE(script.seen().last() + " | " + script.details().last(), seen.arg(path));
        QCOMPARE(readBytes(path), old);
        const QString name = QString::fromUtf8("\"B\xc4\x8d\"");
        // The usual system errors are told in the language too, worded in English as the C
        // library words them.
        const int errors[] = {ENOENT,  EACCES, EROFS,        ENOSPC, EDQUOT,
                              ENOTDIR, EISDIR, ENAMETOOLONG, EIO};
        for (int p = int(FileProblem::System); p <= int(FileProblem::NotFinite); ++p) {
            for (std::size_t at = 0; at < 2 * std::size(errors); ++at) {
                const std::size_t line = at % 2 ? 12 : 0;
                FileStatus status = fileProblem(FileProblem(p), line, "B\xc4\x8d");
                status.error = errors[at / 2];
                const QString english = "f.zdr: " + QString::fromUtf8(describeProblem(status));
                const QString text = fileProblemText("f.zdr", status);
                if (lang == "en") {
                    QCOMPARE(text, english);
                    continue;
                }
                QVERIFY2(text != english && text.startsWith("f.zdr: ") && !text.contains('%'),
                         qPrintable(text));
                QCOMPARE(text.contains("12"), line > 0);
                QCOMPARE(text.contains(name), english.contains(name));
            }
        }
    }
};

QTEST_MAIN(TestFileProblems)
#include "test_fileproblems.moc"
