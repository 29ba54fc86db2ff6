// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// What went wrong with a session file, precise enough for a message that names the line
// and the reason. The window translates the problem; stereon-cli prints describeProblem().
enum class FileProblem {
    None,
    System,         // a system call failed; error holds its errno
    NotRegularFile, // a folder, a device or a pipe
    SymlinkLoop,    // too many symbolic links on the way to the file
    ReadOnly,       // the file exists and is not to be written
    Locked,         // another program kept the session locked
    NotASession,    // no line of the file is a session record
    BrokenRecord,   // a record with missing or malformed fields
    UnknownParent,  // a parent not defined on an earlier line
    RepeatedName,   // a name given to a second object
    BadNumber,      // a coordinate that is not a finite number
    CannotRebuild,  // a line or plane that its parents do not define
    LineTooLong,    // a line longer than a session record can be
    TooLarge,       // more than the memory can hold
    UnstorableName, // a name the format cannot carry ("$$", a line break, a final '$')
    NotFinite,      // a coordinate that is not finite (writer)
};

struct FileStatus {
    FileProblem problem = FileProblem::None;
    int error = 0;        // errno, for System
    std::size_t line = 0; // 1-based line of the record concerned; 0 for none
    std::string name;     // the object or parent concerned, when there is one

    bool ok() const { return problem == FileProblem::None; }
    explicit operator bool() const { return ok(); }
};

inline FileStatus fileProblem(FileProblem problem, std::size_t line = 0, std::string name = {}) {
    FileStatus status;
    status.problem = problem;
    status.line = line;
    status.name = std::move(name);
    return status;
}

inline FileStatus systemProblem(int error) {
    FileStatus status;
    status.problem = FileProblem::System;
    status.error = error;
    return status;
}

// The reason in English, with the line when there is one: "line 3: unknown parent \"A\"".
// The caller puts the file name in front.
std::string describeProblem(const FileStatus& status);
