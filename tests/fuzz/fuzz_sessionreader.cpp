// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the session reader: any bytes as a session file. A failed read
// leaves the store as it was; whatever a read accepts must be writable.
#include "scratchfile.h"

#include "geometry/point.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile input(".zdr");
    static const ScratchFile output("-out.zdr");
    input.write(data, size);

    ObjectStore store;
    auto kept = std::make_unique<Point>(1, 2, 3);
    kept->name = "kept before the read";
    store.insert(Kind::Point, std::move(kept));
    if (!readSession(store, input.path)) {
        if (store.count(Kind::Point) != 1 || !store.exists("kept before the read"))
            std::abort();
        return 0;
    }
    if (!writeSession(store, output.path))
        std::abort();
    return 0;
}
