// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTranslator>

// Qt's own texts in the user's language: the file dialogs, the message boxes' buttons, About
// Qt, from the catalogues Qt installs.
class QtCatalogue : public QTranslator {
public:
    bool loadLanguage(const QString& code);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
};
