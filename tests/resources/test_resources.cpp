#include "tsmessages.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <memory>

// Checks the resources that stereon_data embeds, as the window loads them. Nothing here calls
// Q_INIT_RESOURCE: linking the static library must be enough.
class TestResources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void images_data();
    void images();
    void styleSheetSelectors_data();
    void styleSheetSelectors();
    void styleSheetApplies();

    void catalogues_data();
    void catalogues();
    void messages_data();
    void messages();
    void spotChecks_data();
    void spotChecks();

private:
    QMap<QString, QList<TsMessage>> sources;                 // by language code
    QMap<QString, std::shared_ptr<QTranslator>> translators; // by language code
};

static const QStringList languages{QStringLiteral("cs"), QStringLiteral("sk")};

void TestResources::initTestCase() {
    for (const QString& lang : languages) {
        QList<TsMessage> messages;
        QString error;
        QVERIFY2(readTsMessages(QStringLiteral(STEREON_TS_DIR "/lang_%1.ts").arg(lang), &messages,
                                &error),
                 qPrintable(error));
        sources.insert(lang, messages);
        auto translator = std::make_shared<QTranslator>();
        QVERIFY2(translator->load(QStringLiteral(":/data/lang_%1").arg(lang)), qPrintable(lang));
        translators.insert(lang, translator);
    }
}

void TestResources::images_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QList<QSize> iconSizes{{40, 40}, {42, 42}, {40, 40}, {40, 40}, {40, 40},
                                 {41, 41}, {40, 40}, {40, 40}, {40, 40}, {40, 41}};
    for (int i = 0; i < iconSizes.size(); ++i) {
        const QString path = QStringLiteral(":/data/iconB%1.png").arg(i);
        QTest::newRow(qPrintable(path)) << path << iconSizes[i];
    }
    QTest::newRow("info") << QStringLiteral(":/data/info.png") << QSize(250, 250);
    QTest::newRow("logo") << QStringLiteral(":/data/logo.png") << QSize(600, 70);
    QTest::newRow("stereon") << QStringLiteral(":/data/stereon.png") << QSize(256, 256);
}

void TestResources::images() {
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray png = file.readAll();
    // PNG signature, then IHDR: bit depth at byte 24, colour type at byte 25 (6 = RGBA).
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(png.at(24)), 8);
    QCOMPARE(int(png.at(25)), 6);

    const QImage image = QImage::fromData(png).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
    // A drawing on a transparent ground: neither blank nor a filled rectangle.
    int opaque = 0;
    int clear = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            opaque += alpha == 255;
            clear += alpha == 0;
        }
    }
    const int pixels = size.width() * size.height();
    QVERIFY2(opaque >= pixels / 20, qPrintable(QString::number(opaque)));
    QVERIFY2(clear >= pixels / 20, qPrintable(QString::number(clear)));
}

static QString styleSheetText() {
    QFile file(QStringLiteral(":/data/stylesheet.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

void TestResources::styleSheetSelectors_data() {
    QTest::addColumn<QString>("selector");
    for (const char* selector :
         {".StereonGUI", "#menuWidget", "QToolButton", "QToolButton:hover", "QToolButton:pressed",
          "QToolButton[isRight=\"true\"]", "QToolButton[isRight=\"true\"]:hover",
          "QToolButton[isLabel=\"true\"]", "QToolButton[isLabel=\"true\"]:enabled:hover",
          "QToolButton[isLabel=\"true\"]:enabled:pressed", "QToolButton[isLabel=\"true\"]:disabled",
          "QLabel[alert=\"true\"]", "QLabel[menuLabel=\"true\"]", ".ObjectItem", "#objectTitle",
          ".ObjectList", "ObjectItem QLabel", "ObjectItem QCheckBox", "ObjectItem QToolButton"})
        QTest::newRow(selector) << QString::fromLatin1(selector);
}

void TestResources::styleSheetSelectors() {
    QFETCH(QString, selector);
    const QString text = styleSheetText();
    QVERIFY(!text.isEmpty());
    // A selector stands at the start of a line and ends a rule head: "{" or "," follows.
    const QRegularExpression head(
        QStringLiteral("^%1\\s*[{,]").arg(QRegularExpression::escape(selector)),
        QRegularExpression::MultilineOption);
    QVERIFY2(head.match(text).hasMatch(), qPrintable(selector));
}

void TestResources::styleSheetApplies() {
    const QString text = styleSheetText();
    for (const QChar c : text)
        QVERIFY2(c.unicode() < 0x80, "the style sheet is read as Latin-1: keep it ASCII");
    QTest::failOnWarning(QRegularExpression(QStringLiteral("(?i)style ?sheet")));

    QWidget window;
    window.setStyleSheet(text);
    QLabel alert(&window);
    alert.setProperty("alert", true);
    QLabel title(&window);
    title.setProperty("menuLabel", true);
    QToolButton header(&window);
    header.setProperty("isLabel", true);
    header.setEnabled(false);
    QToolButton menuButton(&window);
    for (QWidget* w : {static_cast<QWidget*>(&alert), static_cast<QWidget*>(&title),
                       static_cast<QWidget*>(&header), static_cast<QWidget*>(&menuButton)})
        w->ensurePolished();

    QCOMPARE(alert.palette().color(QPalette::WindowText), QColor("crimson"));
    QCOMPARE(alert.font().pointSize(), 10);
    QVERIFY(alert.font().bold());

    QCOMPARE(title.palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(title.palette().color(QPalette::Window), QColor(0x67, 0x67, 0x67));
    QCOMPARE(title.font().pointSize(), 11);
    QVERIFY(title.font().bold());
    QCOMPARE(title.font().family(), QStringLiteral("Verdana"));

    QCOMPARE(header.palette().color(QPalette::Disabled, QPalette::ButtonText),
             QColor(0xE4, 0xE4, 0xE4));
    QCOMPARE(header.font().pointSize(), 8);
    QCOMPARE(menuButton.palette().color(QPalette::ButtonText), QColor(Qt::white));
}

void TestResources::catalogues_data() {
    QTest::addColumn<QString>("lang");
    for (const QString& lang : languages)
        QTest::newRow(qPrintable(lang)) << lang;
}

void TestResources::catalogues() {
    QFETCH(QString, lang);
    QVERIFY(translators.contains(lang));
    QVERIFY(translators[lang]->language().startsWith(lang));

    // Every message is a plain, finished translation, listed once.
    QMap<QString, int> perContext;
    QSet<QPair<QString, QString>> keys;
    for (const TsMessage& m : sources[lang]) {
        QVERIFY2(m.type.isEmpty(), qPrintable(m.source));
        QVERIFY2(!m.hasExtras, qPrintable(m.source));
        QVERIFY2(!m.translation.isEmpty(), qPrintable(m.source));
        QVERIFY2(!keys.contains({m.context, m.source}), qPrintable(m.source));
        keys.insert({m.context, m.source});
        ++perContext[m.context];
    }
    // 79 window texts and 6 refusal reasons; the 3D view's 6 and its screenshot failure 2;
    // the list entry's 2.
    const QMap<QString, int> expected{{QStringLiteral("StereonGUI"), 85},
                                      {QStringLiteral("GLWidget"), 8},
                                      {QStringLiteral("ObjectItem"), 2}};
    QCOMPARE(perContext, expected);

    // Both languages translate the same texts.
    for (const TsMessage& m : sources[lang == languages[0] ? languages[1] : languages[0]])
        QVERIFY2(keys.contains({m.context, m.source}), qPrintable(m.source));
}

void TestResources::messages_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        for (const TsMessage& m : it.value())
            QTest::addRow(
                "%s %s: %s", qPrintable(it.key()), qPrintable(m.context),
                qPrintable(QString(m.source).replace(QLatin1Char('\n'), QLatin1String("\\n"))))
                << it.key() << m.context << m.source << m.translation;
    }
}

void TestResources::messages() {
    QFETCH(QString, lang);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QCOMPARE(translators[lang]->translate(qPrintable(context), source.toUtf8().constData()),
             translation);
}

void TestResources::spotChecks_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    for (const QString& lang : languages) {
        QTest::addRow("%s error code", qPrintable(lang)) << lang << "StereonGUI"
                                                         << "Error 0xc58d3"
                                                         << "Chyba 0xc58d3";
        QTest::addRow("%s same in all languages", qPrintable(lang)) << lang << "StereonGUI"
                                                                    << "Reset"
                                                                    << "Reset";
        // A text of one context is not found in another.
        QTest::addRow("%s other context", qPrintable(lang)) << lang << "ObjectItem"
                                                            << "Slovak" << QString();
    }
    QTest::newRow("sk Slovak") << "sk"
                               << "StereonGUI"
                               << "Slovak" << QString::fromUtf8("Slovenčina");
    QTest::newRow("cs Slovak") << "cs"
                               << "StereonGUI"
                               << "Slovak" << QString::fromUtf8("Slovenština");
    QTest::newRow("cs two lines") << "cs"
                                  << "StereonGUI"
                                  << "Wrong object name.\nObject \"%1\" already exists."
                                  << QString::fromUtf8(
                                         "Chybné jméno objektu.\nObjekt \"%1\" již existuje.");
    QTest::newRow("sk one line") << "sk"
                                 << "StereonGUI"
                                 << "Wrong object name. Object \"%1\" already exists."
                                 << QString::fromUtf8(
                                        "Chybné meno objektu. Objekt \"%1\" už existuje.");
    QTest::newRow("cs view") << "cs"
                             << "GLWidget"
                             << "untitled"
                             << "bez_jmena";
    QTest::newRow("sk view") << "sk"
                             << "GLWidget"
                             << "untitled"
                             << "bez_mena";
    QTest::newRow("cs list entry") << "cs"
                                   << "ObjectItem"
                                   << "Show or hide the parent object"
                                   << QString::fromUtf8("Ukázat nebo skrýt nadřazený objekt");
}

void TestResources::spotChecks() {
    QFETCH(QString, lang);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(translators[lang]->translate(qPrintable(context), source.toUtf8().constData()),
             expected);
}

QTEST_MAIN(TestResources)
#include "test_resources.moc"
