// libFuzzer target for the session reader: any bytes as a session file. Whatever the
// reader put into the store, even before a failing line, must be writable, and reading
// the written file must be as safe as reading the input.
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// A file of this process in the temporary folder, removed when the fuzzer exits.
struct ScratchFile {
    explicit ScratchFile(const char* suffix) {
        const char* folder = std::getenv("TMPDIR");
        path = std::string(folder && *folder ? folder : "/tmp") + "/stereon-fuzz-" +
               std::to_string(getpid()) + suffix;
    }
    ~ScratchFile() { std::remove(path.c_str()); }
    std::string path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile input(".zdr");
    static const ScratchFile output("-out.zdr");

    std::FILE* file = std::fopen(input.path.c_str(), "wb");
    if (!file)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);

    ObjectStore store;
    readSession(store, input.path);
    if (!writeSession(store, output.path))
        std::abort();
    ObjectStore again;
    readSession(again, output.path);
    return 0;
}
