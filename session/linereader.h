// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Reads a regular file line by line with a bounded line length, so neither a directory,
// a pipe that never ends nor a file without line breaks can hang or exhaust memory.
class LineReader {
public:
    enum class Status { Line, End, Error, TooLong };

    explicit LineReader(std::size_t maxLineLength);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens path for reading; false for anything but a readable regular file.
    bool open(const std::string& path);
    // The next line without its '\n'. Error on a read failure (errno tells which);
    // TooLong for a line past the limit.
    Status next(std::string& line);

private:
    bool fill();

    std::size_t maxLineLength_;
    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};
