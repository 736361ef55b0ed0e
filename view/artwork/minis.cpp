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

}  // namespace

// Mini column c covers strip columns 1279·c/230 up to 1279·(c+1)/230, and rows the same way;
// the block turns silver when it holds a little ink and grey when it holds much.
Canvas ReduceToMini(const Canvas& strip, int miniHeight) {
    constexpr int kMiniWidth = 230;
    Canvas mini(kMiniWidth, miniHeight, kWhite);
    for (int my = 0; my < miniHeight; ++my) {
        const int y0 = strip.Height() * my / miniHeight;
        const int y1 = strip.Height() * (my + 1) / miniHeight;
        for (int mx = 0; mx < kMiniWidth; ++mx) {
            const int x0 = strip.Width() * mx / kMiniWidth;
            const int x1 = strip.Width() * (mx + 1) / kMiniWidth;
            double ink = 0.0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) ink += InkWeight(strip.At(x, y));
            const double coverage = ink / ((x1 - x0) * (y1 - y0));
            if (coverage >= 0.3)
                mini.Set(mx, my, kGrey);
            else if (coverage >= 0.04)
                mini.Set(mx, my, kSilver);
        }
    }
    return mini;
}

}  // namespace artwork
