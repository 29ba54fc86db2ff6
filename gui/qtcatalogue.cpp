// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/qtcatalogue.h"

#include <QLibraryInfo>

bool QtCatalogue::loadLanguage(const QString& code) {
    return load(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString QtCatalogue::translate(const char* context, const char* sourceText,
                               const char* disambiguation, int n) const {
    const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    // Some catalogues (Slovak in Qt 6.4) have the standard buttons only where older Qt looked
    // them up, so a message box's Yes would stay English.
    if (text.isEmpty() && qstrcmp(context, "QPlatformTheme") == 0)
        return QTranslator::translate("QDialogButtonBox", sourceText, disambiguation, n);
    return text;
}
