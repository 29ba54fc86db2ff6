// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/filestatus.h"

#include <cstring>

namespace {

std::string quoted(const std::string& name) {
    return " \"" + name + "\"";
}

std::string reason(const FileStatus& s) {
    switch (s.problem) {
    case FileProblem::None:
        return "no problem";
    case FileProblem::System:
        return std::strerror(s.error);
    case FileProblem::NotRegularFile:
        return "not a regular file";
    case FileProblem::SymlinkLoop:
        return "symbolic link loop";
    case FileProblem::ReadOnly:
        return "the file is read-only";
    case FileProblem::Locked:
        return "another program is saving this session; try again";
    case FileProblem::NotASession:
        return "not a session file";
    case FileProblem::BrokenRecord:
        return "truncated or broken record";
    case FileProblem::UnknownParent:
        return "unknown parent" + quoted(s.name);
    case FileProblem::RepeatedName:
        return "the name" + quoted(s.name) + " is used twice";
    case FileProblem::BadNumber:
        return "a coordinate is not a number";
    case FileProblem::CannotRebuild:
        return "its parents do not define" + quoted(s.name);
    case FileProblem::LineTooLong:
        return "line too long";
    case FileProblem::TooLarge:
        return "too large to load";
    case FileProblem::UnstorableName:
        return "the name" + quoted(s.name) + " cannot be saved (\"$$\" or a line break)";
    case FileProblem::NotFinite:
        return "a coordinate of" + quoted(s.name) + " is not a finite number";
    }
    return "unknown problem";
}

} // namespace

std::string describeProblem(const FileStatus& status) {
    if (status.line == 0)
        return reason(status);
    return "line " + std::to_string(status.line) + ": " + reason(status);
}
