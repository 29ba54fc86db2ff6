// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/filestatus.h"

#include <string>

// An advisory lock that writers of one session file hold for a whole read-change-write or
// save, so that two of them never lose each other's objects. A second writer waits up to
// timeoutMs and then gets FileProblem::Locked. Released by the destructor.
class SessionLock {
public:
    SessionLock() = default;
    ~SessionLock();
    SessionLock(const SessionLock&) = delete;
    SessionLock& operator=(const SessionLock&) = delete;

    FileStatus acquire(const std::string& path, int timeoutMs = 5000);
    void release();

private:
    int fd_ = -1;
};
