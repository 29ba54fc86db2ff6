#include "session/splitfields.h"

#include <QTest>

class TestSplitFields : public QObject {
    Q_OBJECT

private slots:
    void split_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<QList<QByteArray>>("fields");
        using L = QList<QByteArray>;
        QTest::newRow("point line") << QByteArray("$$0$$1$$A$$1$$2$$3$$0$$") << QByteArray("$$")
                                    << L{"0", "1", "A", "1", "2", "3", "0", ""};
        QTest::newRow("no final separator")
            << QByteArray("$$a$$b") << QByteArray("$$") << L{"a", "b"};
        QTest::newRow("text before first")
            << QByteArray("xyz$$a$$") << QByteArray("$$") << L{"a", ""};
        QTest::newRow("no separator drops first char")
            << QByteArray("abc") << QByteArray("$$") << L{"bc"};
        QTest::newRow("one character") << QByteArray("7") << QByteArray("$$") << L{""};
        QTest::newRow("empty line") << QByteArray("") << QByteArray("$$") << L{};
        QTest::newRow("separator only") << QByteArray("$$") << QByteArray("$$") << L{""};
        QTest::newRow("empty fields") << QByteArray("$$$$$$") << QByteArray("$$") << L{"", "", ""};
        QTest::newRow("odd dollar stays in next field")
            << QByteArray("$$A$$$x$$") << QByteArray("$$") << L{"A", "$x", ""};
        QTest::newRow("other separator")
            << QByteArray("a,b,,c") << QByteArray(",") << L{"b", "", "c"};
        QTest::newRow("NUL bytes kept")
            << QByteArray("$$a\0b$$", 7) << QByteArray("$$") << L{QByteArray("a\0b", 3), ""};
    }

    void split() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, separator);
        QFETCH(QList<QByteArray>, fields);
        const std::vector<std::string> result =
            splitFields(line.toStdString(), separator.toStdString());
        QList<QByteArray> got;
        for (const std::string& f : result)
            got.append(QByteArray::fromStdString(f));
        QCOMPARE(got, fields);
    }
};

QTEST_APPLESS_MAIN(TestSplitFields)
#include "test_splitfields.moc"
