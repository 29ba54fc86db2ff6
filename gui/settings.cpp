// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString settingsPathIn(const QString& folder) {
    return QStringLiteral("%1/settings.cfg").arg(folder);
}

// The file is saved by way of a temporary beside it, so the folder must take new files and an
// existing file must be writable. Opening a save and cancelling it checks both and leaves
// nothing behind.
bool canHoldFile(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.cancelWriting();
    file.commit();
    return true;
}

} // namespace

Settings::Settings(const QString& folder, const QString& fallbackFolder) {
    const QString path = settingsPathIn(folder);
    if (canHoldFile(path)) {
        filePath_ = path;
        return;
    }
    const QString fallback = settingsPathIn(fallbackFolder);
    if (QDir().mkpath(fallbackFolder) && canHoldFile(fallback))
        filePath_ = fallback;
}

Settings Settings::forApplication() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString programFolder = QCoreApplication::applicationDirPath();
    // An installed program keeps its settings per user, never in a shared bin folder
    // (which root could write to).
    for (const char* bin : {STEREON_INSTALL_BINDIR, "/usr/bin", "/usr/local/bin"})
        if (QDir(programFolder) == QDir(QString::fromUtf8(bin)))
            return Settings(config, config);
    return Settings(programFolder, config);
}

void Settings::read(const QLocale& system) {
    if (filePath_.isEmpty())
        return;
    QFile file(filePath_);
    const bool opened = file.open(QIODevice::ReadOnly | QIODevice::Text);
    if (opened && file.size() > 0) {
        QTextStream stream(&file);
        stream.setEncoding(QStringConverter::Utf8);
        language = stream.readLine();
        // The flag is one character; everything after it is the path, even when it starts
        // with digits.
        const QString flagAndPath = stream.readLine();
        loadLastSession = flagAndPath.startsWith(QLatin1Char('1'));
        lastSession = flagAndPath.mid(1);
        showNames = !stream.readLine().startsWith(QLatin1Char('0'));
        return;
    }
    // A file that is there but cannot be read is not replaced by the defaults.
    if (!opened && file.exists())
        return;
    file.close();
    // The first start: the system's language, and the last session loaded.
    language = system.name().left(2);
    loadLastSession = true;
    lastSession.clear();
    showNames = true;
    write();
}

// A crash or a full disk in the middle keeps the previous file whole.
void Settings::write() const {
    if (filePath_.isEmpty())
        return;
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    stream << language << '\n'
           << (loadLastSession ? '1' : '0') << lastSession << '\n'
           << (showNames ? '1' : '0') << '\n';
    stream.flush();
    if (stream.status() != QTextStream::Ok)
        file.cancelWriting();
    file.commit();
}
