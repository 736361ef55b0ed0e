#include "view/artwork/image_set.h"

namespace artwork {
namespace {

// How much of a pixel is ink: lettering's grey and silver edges count in part.
double InkWeight(std::uint8_t ink) {
    switch (ink) {
        case kWhite: return 0.0;
        case kSilver: return 0.25;
        case kGrey: return 0.5;
        default: return 1.0;
    }
}

// First full column (or row) of mini column (or row) i: the full column x belongs to mini
// column floor(mini·x/full), so block i starts at the smallest x with mini·x ≥ full·i.
int BlockStart(int i, int full, int mini) { return (full * i + mini - 1) / mini; }

}  // namespace

// Mini column c covers strip columns 1279·c/230 up to 1279·(c+1)/230, and rows the same way;
// a block turns silver when it holds a little ink and grey when it holds much. The frame's
// rows and first column reduce to silver whatever lies next to them.
Canvas ReduceToMini(const Canvas& strip, int miniHeight) {
    constexpr int kMiniWidth = 230;
    Canvas mini(kMiniWidth, miniHeight, kWhite);
    for (int my = 0; my < miniHeight; ++my) {
        const int y0 = BlockStart(my, strip.Height(), miniHeight);
        const int y1 = BlockStart(my + 1, strip.Height(), miniHeight);
        for (int mx = 0; mx < kMiniWidth; ++mx) {
            const int x0 = BlockStart(mx, strip.Width(), kMiniWidth);
            const int x1 = BlockStart(mx + 1, strip.Width(), kMiniWidth);
            double ink = 0.0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) ink += InkWeight(strip.At(x, y));
            const double coverage = ink / ((x1 - x0) * (y1 - y0));
            if (coverage >= 0.16)  // a baseline fills a sixth of the rows of a block
                mini.Set(mx, my, kGrey);
            else if (coverage >= 0.04)
                mini.Set(mx, my, kSilver);
        }
    }
    return mini;
}

// The program's minis: each strip reduced, its frame shown as a silver edge.
Canvas MiniOf(const Canvas& strip, int miniHeight) {
    Canvas mini = ReduceToMini(strip, miniHeight);
    mini.HLine(0, mini.Width() - 1, 0, kSilver);
    mini.HLine(0, mini.Width() - 1, mini.Height() - 1, kSilver);
    mini.VLine(0, 0, mini.Height() - 1, kSilver);
    return mini;
}

}  // namespace artwork
