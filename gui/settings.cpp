#include "gui/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString settingsPathIn(const QString& folder) {
    return QStringLiteral("%1/settings.cfg").arg(folder);
}

// Opening read-write creates a missing file, so success means the folder can hold it.
bool canHoldFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::Text);
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
    QFile file(filePath_);
    if (filePath_.isEmpty() || !file.open(QIODevice::ReadWrite | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    if (file.size() == 0) {
        language = system.name().left(2);
        stream << language << Qt::endl << '1' << Qt::endl;
        return;
    }
    language = stream.readLine();
    // The flag is one character; everything after it is the path, even when it starts
    // with digits.
    const QString flagAndPath = stream.readLine();
    loadLastSession = flagAndPath.startsWith(QLatin1Char('1'));
    lastSession = flagAndPath.mid(1);
}

void Settings::write() const {
    QFile file(filePath_);
    if (filePath_.isEmpty() ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    stream << language << Qt::endl << (loadLastSession ? '1' : '0') << lastSession << Qt::endl;
}
