// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the example sessions: make_examples FOLDER (the repository's examples/).
#include "session/sessionwriter.h"

#include "samplescene.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    ObjectStore store;
    const std::string path = std::string(argv[1]) + "/scene.zdr";
    if (!buildSampleScene(store) || !writeSession(store, path)) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
