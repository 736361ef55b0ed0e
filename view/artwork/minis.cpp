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

// At k > 1 the smoothed lettering holds colours between ink and paper: its darkness.
double DeviceInkWeight(std::uint32_t argb) {
    const int r = (argb >> 16) & 0xff, g = (argb >> 8) & 0xff, b = argb & 0xff;
    return (255.0 - (r * 11 + g * 16 + b * 5) / 32.0) / 255.0;
}

// First full column (or row) of mini column (or row) i: the full column x belongs to mini
// column floor(mini·x/full), so block i starts at the smallest x with mini·x ≥ full·i.
int BlockStart(int i, int full, int mini) { return (full * i + mini - 1) / mini; }

}  // namespace

// Mini column c covers strip columns 1279·c/230 up to 1279·(c+1)/230, and rows the same way;
// a block turns silver when it holds a little ink and grey when it holds much. The frame's
// rows and first column reduce to silver whatever lies next to them.
// At scale k the same reduction runs on device pixels: 1279k columns to 230k.
Canvas ReduceToMini(const Canvas& strip, int miniHeight) {
    constexpr int kMiniWidth = 230;
    const int k = strip.Scale();
    Canvas mini(kMiniWidth, miniHeight, kWhite, k);
    const int miniW = kMiniWidth * k, miniH = miniHeight * k;
    for (int my = 0; my < miniH; ++my) {
        const int y0 = BlockStart(my, strip.DeviceHeight(), miniH);
        const int y1 = BlockStart(my + 1, strip.DeviceHeight(), miniH);
        for (int mx = 0; mx < miniW; ++mx) {
            const int x0 = BlockStart(mx, strip.DeviceWidth(), miniW);
            const int x1 = BlockStart(mx + 1, strip.DeviceWidth(), miniW);
            double ink = 0.0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    const std::uint32_t px = strip.DevicePixel(x, y);
                    ink += k == 1 ? InkWeight(NearestInk(px)) : DeviceInkWeight(px);
                }
            const double coverage = ink / ((x1 - x0) * (y1 - y0));
            if (coverage >= 0.16)  // a baseline fills a sixth of the rows of a block
                mini.FillDevice(mx, my, mx + 1, my + 1, Argb(kGrey));
            else if (coverage >= 0.04)
                mini.FillDevice(mx, my, mx + 1, my + 1, Argb(kSilver));
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
