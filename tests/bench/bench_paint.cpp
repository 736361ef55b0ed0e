// How much one frame costs against the plainest thing a frame could cost: one copy of it.
// Run: ./bench_paint --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"

// Every allocation of the process is counted, so the benchmark can show what a frame allocates.
std::atomic<long> g_nAllocations{0};

void* operator new(std::size_t size) {
    ++g_nAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

void BM_ComposeFrame(benchmark::State& state) {
    CHeadlessHost host;
    CMainFrame frame(host);
    CSurface window(240, 268);
    frame.OnPaint(window);  // the first paint makes the off-screen buffer
    int i = 0;
    const long allocationsBefore = g_nAllocations;
    for (auto _ : state) {
        frame.m_rule.m_nScroll = (i * 37) % 1067 - 11;
        frame.m_rule.m_nSlide = (i * 53) % 600 - 300;
        frame.m_rule.m_nCursor = -((i * 29) % 400);
        frame.m_rule.m_bClamp = i & 1;
        frame.OnPaint(window);
        benchmark::DoNotOptimize(window.Bits());
        ++i;
    }
    state.counters["allocations_per_frame"] =
        double(g_nAllocations - allocationsBefore) / double(state.iterations());
}
BENCHMARK(BM_ComposeFrame);

void BM_CopyFrame(benchmark::State& state) {
    std::vector<uint32_t> from(240 * 268, 0xFF808080u), to(240 * 268);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyFrame);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
