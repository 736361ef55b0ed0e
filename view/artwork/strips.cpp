// The six full strips: lettering first, then the graduations, the index marks over them
// (the t360 index crosses its baseline), the frame last.
#include "view/artwork/captions.h"
#include "view/artwork/catalogue.h"
#include "view/artwork/graduations.h"
#include "view/artwork/image_set.h"
#include "view/artwork/index_marks.h"
#include "view/artwork/numerals.h"

namespace artwork {
namespace {

void DrawTick(Canvas& strip, const ScaleBand& b, const Tick& t, std::uint8_t ink) {
    if (!t.longer) {
        strip.VLineAt(t.position, b.tickTop, b.tickBottom, ink);
        return;
    }
    strip.VLineAt(t.position, b.labelTop, b.labelBottom, ink);
    if (ink != kBlack) return;
    // Major ticks fade out in a grey tail where they run past the baseline.
    if (b.labelTop < b.tickTop) strip.VLineAt(t.position, b.labelTop, b.labelTop, kGrey);
    if (b.labelBottom > b.tickBottom) strip.VLineAt(t.position, b.labelBottom, b.labelBottom, kGrey);
}

void DrawScale(Canvas& strip, const ScaleBand& b) {
    const std::uint8_t ink = b.maroon ? kMaroon : kBlack;
    strip.HLine(b.firstColumn, b.lastColumn, b.baseline, ink);
    for (const Tick& t : Ticks(b.scale)) DrawTick(strip, b, t, ink);
}

}  // namespace

Canvas DrawStrip(int image, int scale) {
    Canvas strip(kStripWidth, StripHeight(image), kWhite, scale);
    DrawCaptions(strip, image);
    DrawKeys(strip, image);
    DrawNumerals(strip, image);
    for (const ScaleBand& b : kScaleBands)
        if (b.image == image) DrawScale(strip, b);
    DrawIndexMarks(strip, image);
    strip.Box(0, 0, strip.Width() - 1, strip.Height() - 1, kBlack);
    return strip;
}

}  // namespace artwork
