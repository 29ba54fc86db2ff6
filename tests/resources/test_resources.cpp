// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// Not plain when unfinished, disambiguated or plural: the window's lookups would miss it.
struct Message {
    QString context, source, translation;
    bool plain = true;
};

// Reads the messages of a .ts file; returns what went wrong, or nothing.
QString readTs(const QString& path, QList<Message>& messages) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + ": " + file.errorString();
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}});
        else if (messages.isEmpty())
            continue;
        else if (xml.name() == u"source")
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"comment")
            messages.last().plain = false;
        else if (xml.name() == u"translation") {
            messages.last().plain = messages.last().plain && xml.attributes().isEmpty();
            messages.last().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return xml.hasError()
               ? QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString())
               : QString();
}

} // namespace

// Nothing here calls Q_INIT_RESOURCE: linking the static library must be enough.
class TestResources : public QObject {
    Q_OBJECT
    QStringList programTexts;

private slots:
    // The texts the program marks for translation, as lupdate finds them in its sources.
    void initTestCase() {
        QTemporaryDir dir;
        const QString ts = dir.filePath("program.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(STEREON_SOURCE_DIR);
        lupdate.start(STEREON_LUPDATE, {"-no-obsolete", "-locations", "none", "gui", "view3d",
                                        "widgets", "geometry", "session", "-ts", ts});
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QList<Message> messages;
        const QString error = readTs(ts, messages);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const Message& m : messages)
            programTexts << m.context + ": " + m.source;
        programTexts.sort();
    }

    // Every image the window shows loads as a drawing on a transparent ground: neither blank
    // nor a filled rectangle.
    void images() {
        QStringList names{"info", "logo", "stereon"};
        for (int i = 0; i < 10; ++i)
            names << QStringLiteral("iconB%1").arg(i);
        for (const QString& name : names) {
            const QImage image =
                QImage(":/data/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
            int opaque = 0, clear = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    opaque += qAlpha(image.pixel(x, y)) == 255;
                    clear += qAlpha(image.pixel(x, y)) == 0;
                }
            }
            const int twentieth = image.width() * image.height() / 20;
            QVERIFY2(
                !image.isNull() && opaque >= twentieth && clear >= twentieth,
                qPrintable(
                    QStringLiteral("%1: %2 opaque, %3 clear").arg(name).arg(opaque).arg(clear)));
        }
    }

    void styleSheet() {
        QFile file(QStringLiteral(":/data/stylesheet.qss"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString text = QString::fromLatin1(bytes);
        QVERIFY2(text.toUtf8() == bytes, "the style sheet is read as Latin-1: keep it ASCII");
        // It parses, and the properties the window sets pick their rules.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("(?i)style ?sheet")));
        QWidget window;
        window.setStyleSheet(text);
        QLabel alert(&window), title(&window);
        alert.setProperty("alert", true);
        title.setProperty("menuLabel", true);
        QToolButton header(&window), menuButton(&window);
        header.setProperty("isLabel", true);
        header.setEnabled(false);
        for (QWidget* w : window.findChildren<QWidget*>())
            w->ensurePolished();
        const auto look = [](const QWidget& w, QPalette::ColorGroup group,
                             QPalette::ColorRole role) {
            return QStringList{w.palette().color(group, role).name(),
                               QString::number(w.font().pointSize()), w.font().bold() ? "bold" : ""}
                .join(' ');
        };
        QCOMPARE(look(alert, QPalette::Active, QPalette::WindowText), "#dc143c 10 bold");
        QCOMPARE(look(title, QPalette::Active, QPalette::WindowText) + ' ' +
                     title.palette().color(QPalette::Window).name() + ' ' + title.font().family(),
                 "#ffffff 11 bold #676767 Verdana");
        QCOMPARE(look(header, QPalette::Disabled, QPalette::ButtonText), "#e4e4e4 8 ");
        QCOMPARE(menuButton.palette().color(QPalette::ButtonText), QColor(Qt::white));
    }

    void catalogues_data() {
        QTest::addColumn<QString>("lang");
        QTest::newRow("cs") << "cs";
        QTest::newRow("sk") << "sk";
    }

    // A catalogue translates exactly the program's texts, as the embedded catalogue gives back.
    void catalogues() {
        QFETCH(QString, lang);
        QTranslator translator;
        QVERIFY(translator.load(":/data/lang_" + lang));
        QVERIFY(translator.language().startsWith(lang));
        QList<Message> messages;
        const QString error = readTs(STEREON_SOURCE_DIR "/data/lang_" + lang + ".ts", messages);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList texts;
        for (const Message& m : messages) {
            texts << m.context + ": " + m.source;
            QVERIFY2(m.plain && !m.translation.isEmpty(), qPrintable(m.source));
            QCOMPARE(translator.translate(qPrintable(m.context), m.source.toUtf8().constData()),
                     m.translation);
        }
        texts.sort();
        const auto besides = [](QStringList list, const QStringList& other) {
            list.removeIf([&](const QString& t) { return other.contains(t); });
            return list.join(" | ");
        };
        QVERIFY2(texts == programTexts, qPrintable("untranslated: " + besides(programTexts, texts) +
                                                   "; not in the program: " +
                                                   besides(texts, programTexts) + "; or twice"));
    }
};

QTEST_MAIN(TestResources)
#include "test_resources.moc"
