// SPDX-License-Identifier: GPL-3.0-or-later
// Session write and read speed and peak memory for growing sessions made of copies of the
// sample scene (every kind of object with its hidden companions).
//   bench_session [OBJECTS...]      default: 1000 10000 100000
// Each measurement runs in a child process of its own, so its peak memory is its own.
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include "samplescene.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int repeats = 3;

int objectCount(const ObjectStore& store) {
    int count = 0;
    for (Kind kind : storedKinds)
        count += store.count(kind);
    return count;
}

void fillStore(ObjectStore& store, int wanted) {
    for (int copy = 0; objectCount(store) < wanted; ++copy)
        if (!buildSampleScene(store, "_" + std::to_string(copy), copy)) {
            std::fprintf(stderr, "the sample scene was refused\n");
            std::exit(1);
        }
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Best of a few runs, in seconds.
template <class F> double bestTime(F&& run) {
    double best = 1e9;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void report(const char* what, int objects, double seconds) {
    std::printf("%-6s %7d objects  %8.4f s  %10.0f objects/s  %7.1f ns/object  peak %6.1f MB\n",
                what, objects, seconds, objects / seconds, seconds * 1e9 / objects,
                peakMegabytes());
    std::fflush(stdout);
}

void measureWrite(int wanted, const std::string& path) {
    ObjectStore store;
    fillStore(store, wanted);
    const double seconds = bestTime([&] {
        if (!writeSession(store, path))
            std::exit(1);
    });
    report("write", objectCount(store), seconds);
}

void measureRead(const std::string& path) {
    int objects = 0;
    const double seconds = bestTime([&] {
        ObjectStore store;
        if (!readSession(store, path))
            std::exit(1);
        objects = objectCount(store);
    });
    report("read", objects, seconds);
}

template <class F> bool inChild(F&& work) {
    const pid_t child = fork();
    if (child == 0) {
        work();
        std::exit(0);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {1000, 10000, 100000};

    char folder[] = "/tmp/stereon-bench-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string path = std::string(folder) + "/bench.zdr";
    bool ok = true;
    for (int size : sizes)
        ok =
            ok && inChild([&] { measureWrite(size, path); }) && inChild([&] { measureRead(path); });
    std::remove(path.c_str());
    rmdir(folder);
    return ok ? 0 : 1;
}
