// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/pages/page.h"

class QCheckBox;
class QComboBox;
class QPushButton;

// Options: about the program, the language, whether the last session opens at start, and
// whether the 3D view names its objects.
class OptionsPage : public Page {
    Q_OBJECT
public:
    explicit OptionsPage(SessionModel* session, QWidget* parent = nullptr);

    QWidget* focusTarget() override { return this; }

    // The language combo's items, in order.
    static constexpr const char* languageCodes[] = {"cs", "en", "sk"};

    // Shows the settings without announcing them.
    void showSettings(const QString& language, bool loadLast, bool showNames);

signals:
    void languageChosen(const QString& code);
    void loadLastToggled(bool loadLast);
    void namesToggled(bool shown);

public slots:
    void showAboutQt();

protected:
    void retranslate() override;

private:
    QComboBox* languageCombo;
    QCheckBox* loadLastCheck;
    QCheckBox* namesCheck;
    QPushButton* aboutQtButton;
};
