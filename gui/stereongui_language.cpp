// Texts and language: every visible text is set in languageChange(), which runs again on each
// change of the translator; the language itself is remembered in the settings file.
#include "gui/stereongui.h"

#include "view3d/glwidget.h"
#include "widgets/checkgroup.h"
#include "widgets/objectitem.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>

namespace {

// The language combo's items, in order.
const char* const languageCodes[] = {"cs", "en", "sk"};

} // namespace

void StereonGUI::selectStartLanguage() {
    for (int i = 0; i < 3; ++i) {
        if (settings.language.contains(QLatin1String(languageCodes[i]))) {
            languageCombo->setCurrentIndex(i);
            return;
        }
    }
    languageCombo->setCurrentIndex(0);
}

void StereonGUI::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}

void StereonGUI::languageChange() {
    for (const Caption& caption : captions) {
        const QString text = tr(caption.source) + QLatin1String(caption.suffix);
        if (auto* label = qobject_cast<QLabel*>(caption.widget)) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(caption.widget)) {
            // setText() replaces the shortcut with the text's mnemonic, so it comes after.
            button->setText(text);
            button->setShortcut(caption.shortcut);
        } else if (auto* group = qobject_cast<QGroupBox*>(caption.widget)) {
            group->setTitle(text);
        }
    }
    if (glWidget)
        glWidget->setWindowTitle(tr("OpenGL 3D Demonstration"));
    if (noViewLabel)
        noViewLabel->setText(tr("The 3D view needs OpenGL, which is not available here."));
    languageCombo->setItemText(0, tr("Czech"));
    languageCombo->setItemText(1, tr("English"));
    languageCombo->setItemText(2, tr("Slovak"));

    intersectItem->hide();
    angleResult->hide();
    distanceResult->hide();
    // The rebuild runs the enable rules of every page with pickers.
    rebuildList();
    enableAddP();
}

void StereonGUI::changeLang(const QString&) {
    const int index = languageCombo->currentIndex();
    if (index < 0 || index > 2)
        return;
    const QString code = QLatin1String(languageCodes[index]);
    if (code == settings.language)
        return;
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(QStringLiteral(":/data/lang_%1").arg(code))) {
        QCoreApplication::installTranslator(&translator);
        settings.language = code;
    } else if (code == QLatin1String("en")) {
        settings.language = code;
    } else if (translator.load(QStringLiteral(":/data/lang_%1").arg(settings.language))) {
        QCoreApplication::installTranslator(&translator);
    }
}

void StereonGUI::saveSettings() {
    settings.loadLastSession = loadLastCheck->isChecked();
    settings.write();
}

void StereonGUI::showAboutQt() {
    QMessageBox::aboutQt(nullptr, tr("About Qt"));
}
