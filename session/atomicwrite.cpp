// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/atomicwrite.h"

#include "session/filetarget.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary of the save in progress. A signal handler may only read plain memory, so the
// path is kept in a fixed buffer; one save at a time per process.
char unfinishedPath[PATH_MAX];
volatile std::sig_atomic_t unfinishedSet = 0;

void rememberTemporary(const std::string& path) {
    std::memcpy(unfinishedPath, path.c_str(), path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    unfinishedSet = 1;
}

void forgetTemporary() {
    unfinishedSet = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
}

std::string randomName() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::string name = ".stereon-save-";
    for (int i = 0; i < 12; ++i)
        name += letters[random() % (sizeof letters - 1)];
    return name;
}

// A new file under a random name, so the kernel applies the umask as for any new file; the
// process-wide umask is never touched. The name is remembered before the file exists: a
// signal in between finds nothing to remove, where one just after would find a file left.
// With 12 random characters a clash with somebody else's file is not a practical concern.
int createTemporary(const std::string& folder, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = joinPath(folder, randomName());
        if (temporary.size() >= sizeof unfinishedPath) {
            errno = ENAMETOOLONG;
            return -1;
        }
        rememberTemporary(temporary);
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        const int error = errno;
        forgetTemporary();
        if (error != EEXIST) {
            errno = error;
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

// The new file takes the place of the old one, so it takes its owner, group and mode too.
FileStatus keepAttributes(int fd, const struct stat& old) {
    struct stat now;
    if (fstat(fd, &now) != 0)
        return systemProblem(errno);
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        // Root gives a user's file back to the user; anybody else may at least keep the group
        // when they belong to it.
        if (fchown(fd, old.st_uid, old.st_gid) != 0 && now.st_gid != old.st_gid &&
            fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Not permitted: the file stays as any new file of this user would be.
        }
    }
    // After fchown, which clears the set-user-ID and set-group-ID bits.
    if (fchmod(fd, old.st_mode & 07777) != 0)
        return systemProblem(errno);
    return {};
}

FileStatus writeAll(int fd, const std::string& data) {
    std::string::size_type done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return systemProblem(n < 0 ? errno : EIO);
        done += static_cast<std::string::size_type>(n);
    }
    return {};
}

// The rename itself is only durable once the folder is flushed too.
void syncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

FileStatus checkWritable(const FileTarget& target) {
    if (!target.exists)
        return target.path.back() == '/' ? systemProblem(EISDIR) : FileStatus{};
    if (!S_ISREG(target.info.st_mode))
        return fileProblem(FileProblem::NotRegularFile);
    // Root passes access(), but a file without any write bit was meant to stay as it is.
    if ((target.info.st_mode & 0222) == 0)
        return fileProblem(FileProblem::ReadOnly);
    if (access(target.path.c_str(), W_OK) != 0)
        return errno == EACCES || errno == EROFS ? fileProblem(FileProblem::ReadOnly)
                                                 : systemProblem(errno);
    return {};
}

} // namespace

FileStatus writeFileAtomically(const std::string& path, const std::string& data) {
    if (path.empty())
        return systemProblem(ENOENT);
    const FileTarget target = followSymlinks(path);
    if (!target.status)
        return target.status;
    if (const FileStatus writable = checkWritable(target); !writable)
        return writable;

    const std::string folder = folderOf(target.path);
    std::string temporary;
    const int fd = createTemporary(folder, temporary);
    if (fd < 0)
        return systemProblem(errno);
    FileStatus status = target.exists ? keepAttributes(fd, target.info) : FileStatus{};
    if (status)
        status = writeAll(fd, data);
    if (status && fsync(fd) != 0)
        status = systemProblem(errno);
    if (close(fd) != 0 && status)
        status = systemProblem(errno);
    if (status && std::rename(temporary.c_str(), target.path.c_str()) != 0)
        status = systemProblem(errno);
    if (!status)
        unlink(temporary.c_str());
    forgetTemporary();
    if (status)
        syncFolder(folder);
    return status;
}

void removeUnfinishedTemporary() {
    if (unfinishedSet) {
        unlink(unfinishedPath);
        unfinishedSet = 0;
    }
}
