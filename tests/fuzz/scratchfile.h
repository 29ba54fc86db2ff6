// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// A file of this process in the temporary folder, removed when the fuzzer exits.
struct ScratchFile {
    explicit ScratchFile(const char* suffix) {
        const char* folder = std::getenv("TMPDIR");
        path = std::string(folder && *folder ? folder : "/tmp") + "/stereon-fuzz-" +
               std::to_string(getpid()) + suffix;
    }
    ~ScratchFile() { std::remove(path.c_str()); }

    void write(const std::uint8_t* data, std::size_t size) const {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file || (size > 0 && std::fwrite(data, 1, size, file) != size))
            std::abort();
        std::fclose(file);
    }

    std::string read() const {
        std::string bytes;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file)
            std::abort();
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        std::fclose(file);
        return bytes;
    }

    std::string path;
};
