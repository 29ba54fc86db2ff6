// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/filestatus.h"

#include <cerrno>
#include <climits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// The file a path really names once its symbolic links are followed: the saver writes there
// and the session lock guards its folder, so that every way to reach one file agrees.
struct FileTarget {
    FileStatus status;
    std::string path;
    bool exists = false; // false for a new file, or the target of a dangling link
    struct stat info {};
};

inline std::string folderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

inline std::string joinPath(const std::string& folder, const std::string& name) {
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

// The kernel itself gives up after 40 links on one path.
inline FileTarget followSymlinks(const std::string& path, int maxHops = 40) {
    FileTarget target;
    target.path = path;
    for (int hops = 0;; ++hops) {
        if (lstat(target.path.c_str(), &target.info) != 0) {
            if (errno == ELOOP)
                target.status = fileProblem(FileProblem::SymlinkLoop);
            else if (errno != ENOENT)
                target.status = systemProblem(errno);
            return target;
        }
        if (!S_ISLNK(target.info.st_mode)) {
            target.exists = true;
            return target;
        }
        if (hops == maxHops) {
            target.status = fileProblem(FileProblem::SymlinkLoop);
            return target;
        }
        char link[PATH_MAX];
        const ssize_t n = readlink(target.path.c_str(), link, sizeof link);
        if (n < 0 || n == 0 || n == ssize_t(sizeof link)) {
            target.status = systemProblem(n < 0 ? errno : n == 0 ? ENOENT : ENAMETOOLONG);
            return target;
        }
        const std::string next(link, std::size_t(n));
        target.path = next.front() == '/' ? next : joinPath(folderOf(target.path), next);
    }
}
