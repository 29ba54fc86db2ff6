// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// The settings file "settings.cfg": the language code, then the load-last-session flag ("0" or
// "1") followed directly by the path of the last session, then whether the 3D view names its
// objects ("0" or "1"). A file of two lines, as older versions wrote it, shows the names;
// older versions read the first two lines of a file written now.
class Settings {
public:
    // The file lives in `folder`; when that folder cannot be written, in `fallbackFolder`.
    Settings(const QString& folder, const QString& fallbackFolder);

    // The program's own places: its directory, else the user's configuration folder.
    static Settings forApplication();

    // Reads the file, creating it on the first start with the language of `system`.
    void read(const QLocale& system = QLocale::system());
    // Writes the file; a file that cannot be written is left as it is.
    void write() const;

    // Where the file is read and written; empty when neither folder can hold it.
    const QString& filePath() const { return filePath_; }

    QString language;
    QString lastSession;
    bool loadLastSession = true;
    bool showNames = true;

private:
    QString filePath_;
};
