// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/optionspage.h"

#include "gui/objecttexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

OptionsPage::OptionsPage(SessionModel* session, QWidget* parent)
    : Page(session, QT_TRANSLATE_NOOP("StereonGUI", "Options"), QString(), parent) {
    setObjectName(QStringLiteral("optionsPage"));
    auto* about = new QGridLayout;
    auto* icon = new QLabel(body());
    icon->setPixmap(QPixmap(QStringLiteral(":/data/stereon.png"))
                        .scaled(100, 100, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    about->addWidget(icon, 0, 0);
    auto* product = new QLabel(QStringLiteral("Stereon\nRC"), body());
    product->setAlignment(Qt::AlignCenter);
    product->setStyleSheet(QStringLiteral("font-weight:bold;font-size:17pt;"));
    about->addWidget(product, 0, 1, Qt::AlignLeft);
    aboutQtButton = captionButton<QPushButton>(QT_TRANSLATE_NOOP("StereonGUI", "About Qt"),
                                               QStringLiteral("aboutQtButton"));
    about->addWidget(aboutQtButton, 1, 0);
    const QString small = QStringLiteral("font-size:10pt;");
    auto* credit = new QLabel(QStringLiteral("\u00a9 2026 the Stereon developers"), body());
    credit->setStyleSheet(small);
    about->addWidget(credit, 1, 1);
    QLabel* openSource = captionLabel(
        QT_TRANSLATE_NOOP("StereonGUI", "This program uses open source icons and Qt Framework"));
    openSource->setStyleSheet(small);
    about->addWidget(openSource, 2, 1);
    about->setColumnStretch(1, 1);

    auto* rule = new QFrame(body());
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color:#676767"));

    auto* form = new QFormLayout;
    languageCombo = new QComboBox(body());
    languageCombo->setObjectName(QStringLiteral("languageCombo"));
    languageCombo->addItems({QString(), QString(), QString()});
    form->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Language:")), languageCombo);
    loadLastCheck =
        captionButton<QCheckBox>(QT_TRANSLATE_NOOP("StereonGUI", "Load last session on startup"),
                                 QStringLiteral("loadLastCheck"));
    form->addRow(loadLastCheck);
    namesCheck = captionButton<QCheckBox>(
        QT_TRANSLATE_NOOP("StereonGUI", "Show object names in the 3D view"),
        QStringLiteral("namesCheck"));
    namesCheck->setChecked(true);
    form->addRow(namesCheck);

    auto* layout = new QVBoxLayout(body());
    layout->addLayout(about);
    layout->addWidget(rule);
    layout->addLayout(form, 1);
    retranslate();

    connect(aboutQtButton, &QPushButton::clicked, this, &OptionsPage::showAboutQt);
    connect(languageCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < 3)
            emit languageChosen(QLatin1String(languageCodes[index]));
    });
    connect(loadLastCheck, &QCheckBox::toggled, this, &OptionsPage::loadLastToggled);
    connect(namesCheck, &QCheckBox::toggled, this, &OptionsPage::namesToggled);
}

void OptionsPage::showSettings(const QString& language, bool loadLast, bool showNames) {
    const QSignalBlocker quietCombo(languageCombo);
    const QSignalBlocker quietCheck(loadLastCheck);
    const QSignalBlocker quietNames(namesCheck);
    int index = 0;
    for (int i = 0; i < 3; ++i) {
        if (language.contains(QLatin1String(languageCodes[i]))) {
            index = i;
            break;
        }
    }
    languageCombo->setCurrentIndex(index);
    loadLastCheck->setChecked(loadLast);
    namesCheck->setChecked(showNames);
}

void OptionsPage::retranslate() {
    languageCombo->setItemText(0, uiText(QT_TRANSLATE_NOOP("StereonGUI", "Czech")));
    languageCombo->setItemText(1, uiText(QT_TRANSLATE_NOOP("StereonGUI", "English")));
    languageCombo->setItemText(2, uiText(QT_TRANSLATE_NOOP("StereonGUI", "Slovak")));
}

void OptionsPage::showAboutQt() {
    QMessageBox::aboutQt(nullptr, uiText(QT_TRANSLATE_NOOP("StereonGUI", "About Qt")));
}
