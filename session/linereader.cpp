// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/linereader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t chunkSize = 64 * 1024;
}

LineReader::LineReader(std::size_t maxLineLength)
    : maxLineLength_(maxLineLength), buffer_(chunkSize) {}

LineReader::~LineReader() {
    if (fd_ >= 0)
        close(fd_);
}

bool LineReader::open(const std::string& path) {
    // Non-blocking, so that opening a FIFO without a writer cannot hang.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

bool LineReader::fill() {
    for (;;) {
        const ssize_t n = read(fd_, buffer_.data(), buffer_.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        begin_ = 0;
        end_ = static_cast<std::size_t>(n);
        atEnd_ = n == 0;
        return true;
    }
}

LineReader::Status LineReader::next(std::string& line) {
    line.clear();
    bool started = false;
    for (;;) {
        if (begin_ == end_) {
            if (fd_ < 0 || (!atEnd_ && !fill()))
                return Status::Error;
            if (atEnd_)
                return started ? Status::Line : Status::End;
        }
        started = true;
        const char* from = buffer_.data() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(from, '\n', end_ - begin_));
        const std::size_t take = newline ? static_cast<std::size_t>(newline - from) : end_ - begin_;
        if (line.size() + take > maxLineLength_)
            return Status::TooLong;
        line.append(from, take);
        begin_ += take;
        if (newline) {
            ++begin_;
            return Status::Line;
        }
    }
}
