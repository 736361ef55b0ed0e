// The libFuzzer target: each input is a run of events on a fresh main window of the headless
// host, applied as the replay tool applies script lines; after every event each invariant is
// checked, and a broken one aborts naming it. At exit it prints how many events it ran.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "tools/fuzz/fuzz_events.h"

namespace {

uint64_t g_nEvents = 0;
uint64_t g_nInputs = 0;

void PrintCount() {
    std::fprintf(stderr, "skalor-fuzz: %llu events in %llu inputs\n",
                 static_cast<unsigned long long>(g_nEvents),
                 static_cast<unsigned long long>(g_nInputs));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);  // fonts for the training overlays
    std::atexit(PrintCount);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ++g_nInputs;
    CFuzzRun run;
    const std::string broken = run.Run(data, size);
    g_nEvents += run.Events();
    if (!broken.empty()) AbortBrokenInvariant(broken + " after: " + run.LastLine());
    return 0;
}
