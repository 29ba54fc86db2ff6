// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sessionlock.h"

#include "session/filetarget.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

SessionLock::~SessionLock() {
    release();
}

// The folder is locked, not the file: a save renames a new file over the old one, which
// would drop a lock held on the old file, and a file not yet saved has nothing to lock.
// Locking the folder also leaves no lock files behind.
FileStatus SessionLock::acquire(const std::string& path, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    release();
    if (path.empty())
        return systemProblem(ENOENT);
    const FileTarget target = followSymlinks(path);
    if (!target.status)
        return target.status;
    const int fd = open(folderOf(target.path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return systemProblem(errno);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::chrono::milliseconds pause(1);
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return {};
        }
        const int error = errno;
        if (error == EINTR)
            continue;
        const Clock::time_point now = Clock::now();
        if (error != EWOULDBLOCK || now >= deadline) {
            close(fd);
            return error == EWOULDBLOCK ? fileProblem(FileProblem::Locked) : systemProblem(error);
        }
        // Writers hold the lock for milliseconds: poll often at first, then less.
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void SessionLock::release() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}
