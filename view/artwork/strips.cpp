#include "view/artwork/catalogue.h"
#include "view/artwork/image_set.h"

namespace artwork {

Canvas DrawStrip(int image) {
    Canvas strip(kStripWidth, StripHeight(image), kWhite);
    for (const ScaleBand& b : kScaleBands) {
        if (b.image != image) continue;
        const std::uint8_t ink = b.maroon ? kMaroon : kBlack;
        strip.HLine(b.firstColumn, b.lastColumn, b.baseline, ink);
    }
    strip.Box(0, 0, strip.Width() - 1, strip.Height() - 1, kBlack);
    return strip;
}

}  // namespace artwork
