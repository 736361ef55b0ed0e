// How much one frame costs against the plainest thing a frame could cost: one copy of it, at
// every scale k from 1 to 4 (a frame of 240k x 268k pixels). A whole frame is composing it
// and presenting it: one plain QPainter::drawImage of the k-frame at 1:1 onto a window-sized
// image, as the window's view does. Beside it, the frame of scale 1 composed and enlarged
// three times by drawImage, the way a window showed the rule before it was drawn at k.
// Run: ./bench_paint --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"
#include "tests/support/seed_rule.h"

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

// A different rule state every frame, so that nothing is the same twice.
void Vary(CMainFrame& frame, int i) {
    SeedRule(frame, [i](CRuleState& r) {
        r.m_nScroll = (i * 37) % 1067 - 11;
        r.m_nSlide = (i * 53) % 600 - 300;
        r.m_nCursor = -((i * 29) % 400);
        r.m_bClamp = i & 1;
    });
}

QImage Over(CSurface& window) {
    return QImage(reinterpret_cast<const uchar*>(window.Bits()), window.Width(), window.Height(),
                  window.Width() * 4, QImage::Format_RGB32);
}

// Paints frame after frame into `window`, each followed by `present()`, and counts what
// the frames allocate.
template <typename Present>
void PaintFrames(benchmark::State& state, CSurface& window, Present present) {
    CHeadlessHost host;
    CMainFrame frame(host);
    frame.OnPaint(window);  // the first paint at k loads the images made for k
    int i = 0;
    const long allocationsBefore = g_nAllocations;
    for (auto _ : state) {
        Vary(frame, i++);
        frame.OnPaint(window);
        present();
    }
    state.counters["allocations_per_frame"] =
        double(g_nAllocations - allocationsBefore) / double(state.iterations());
}

// Composing alone: the frame on the window's surface.
void BM_ComposeFrame(benchmark::State& state) {
    CSurface window(240, 268, int(state.range(0)));
    PaintFrames(state, window, [&] { benchmark::DoNotOptimize(window.Bits()); });
}
BENCHMARK(BM_ComposeFrame)->DenseRange(1, 4);

// The whole frame: composed, then presented 1:1 into the window's image.
void BM_ComposeAndPresent(benchmark::State& state) {
    CSurface window(240, 268, int(state.range(0)));
    const QImage image = Over(window);
    QImage screen(window.Width() + 16, window.Height() + 16, QImage::Format_RGB32);
    PaintFrames(state, window, [&] {
        QPainter painter(&screen);
        painter.drawImage(QPoint(8, 8), image);
        painter.end();
        benchmark::DoNotOptimize(screen.bits());
    });
}
BENCHMARK(BM_ComposeAndPresent)->DenseRange(1, 4);

// The whole frame composed straight into the window's image where the view lies in it, as
// the view does when the window's backing image is a 32-bit one: no copy left to present.
void BM_ComposeIntoTheWindowImage(benchmark::State& state) {
    const int k = int(state.range(0));
    QImage screen(240 * k + 16, 268 * k + 16, QImage::Format_RGB32);
    CSurface window(reinterpret_cast<Colour*>(screen.scanLine(8)) + 8, 240, 268,
                    int(screen.bytesPerLine() / 4), k);
    PaintFrames(state, window, [&] { benchmark::DoNotOptimize(screen.constBits()); });
}
BENCHMARK(BM_ComposeIntoTheWindowImage)->DenseRange(1, 4);

// The frame of scale 1 composed and enlarged three times, nearest neighbour.
void BM_ComposeAndEnlargeThreeTimes(benchmark::State& state) {
    CHeadlessHost host;
    CMainFrame frame(host);
    CSurface window(240, 268);
    frame.OnPaint(window);
    const QImage image = Over(window);
    QImage screen(3 * 240 + 16, 3 * 268 + 16, QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        Vary(frame, i++);
        frame.OnPaint(window);
        QPainter painter(&screen);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(8, 8, 3 * 240, 3 * 268), image);
        painter.end();
        benchmark::DoNotOptimize(screen.bits());
    }
}
BENCHMARK(BM_ComposeAndEnlargeThreeTimes);

void BM_CopyFrame(benchmark::State& state) {
    const std::size_t pixels =
        std::size_t(240 * 268) * std::size_t(state.range(0) * state.range(0));
    std::vector<uint32_t> from(pixels, 0xFF808080u), to(pixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyFrame)->DenseRange(1, 4);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
