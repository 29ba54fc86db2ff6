// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/fileproblemtext.h"

#include "gui/stereongui.h"

#include <cerrno>
#include <cstring>

namespace {

// The usual reasons of a failed system call in the user's language, worded in English as the
// C library words them; any other in the C library's own words.
QString systemReason(int error) {
    switch (error) {
    case ENOENT:
        return StereonGUI::tr("No such file or directory");
    case EACCES:
        return StereonGUI::tr("Permission denied");
    case EROFS:
        return StereonGUI::tr("Read-only file system");
    case ENOSPC:
        return StereonGUI::tr("No space left on device");
    case EDQUOT:
        return StereonGUI::tr("Disk quota exceeded");
    case ENOTDIR:
        return StereonGUI::tr("Not a directory");
    case EISDIR:
        return StereonGUI::tr("Is a directory");
    case ENAMETOOLONG:
        return StereonGUI::tr("File name too long");
    case EIO:
        return StereonGUI::tr("Input/output error");
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

// The texts match describeProblem(), which stereon-cli prints.
QString reason(const FileStatus& status) {
    const QString name = QString::fromUtf8(status.name.data(), qsizetype(status.name.size()));
    switch (status.problem) {
    case FileProblem::None:
        return QString();
    case FileProblem::System:
        return systemReason(status.error);
    case FileProblem::NotRegularFile:
        return StereonGUI::tr("not a regular file");
    case FileProblem::SymlinkLoop:
        return StereonGUI::tr("symbolic link loop");
    case FileProblem::ReadOnly:
        return StereonGUI::tr("the file is read-only");
    case FileProblem::Locked:
        return StereonGUI::tr("another program is saving this session; try again");
    case FileProblem::NotASession:
        return StereonGUI::tr("not a session file");
    case FileProblem::BrokenRecord:
        return StereonGUI::tr("truncated or broken record");
    case FileProblem::UnknownParent:
        return StereonGUI::tr("unknown parent \"%1\"").arg(name);
    case FileProblem::RepeatedName:
        return StereonGUI::tr("the name \"%1\" is used twice").arg(name);
    case FileProblem::BadNumber:
        return StereonGUI::tr("a coordinate is not a number");
    case FileProblem::CannotRebuild:
        return StereonGUI::tr("its parents do not define \"%1\"").arg(name);
    case FileProblem::LineTooLong:
        return StereonGUI::tr("line too long");
    case FileProblem::TooLarge:
        return StereonGUI::tr("too large to load");
    case FileProblem::UnstorableName:
        return StereonGUI::tr("the name \"%1\" cannot be saved (\"$$\" or a line break)").arg(name);
    case FileProblem::NotFinite:
        return StereonGUI::tr("a coordinate of \"%1\" is not a finite number").arg(name);
    }
    return StereonGUI::tr("unknown problem");
}

} // namespace

QString fileProblemText(const QString& fileName, const FileStatus& status) {
    QString text = fileName + QStringLiteral(": ");
    if (status.line > 0)
        text += StereonGUI::tr("line %1: ").arg(qulonglong(status.line));
    return text + reason(status);
}
