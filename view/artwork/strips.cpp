// The six full strips: lettering first, then the graduations, the index marks over them
// (the t360 index crosses its baseline), the frame last.
#include "model/scale_bands.h"
#include "view/artwork/captions.h"
#include "view/artwork/graduations.h"
#include "view/artwork/image_set.h"
#include "view/artwork/index_marks.h"
#include "view/artwork/numerals.h"

namespace artwork {

using namespace model;  // the scales the artwork draws
namespace {

// At k = 1 a tick takes its whole column; at k > 1 it stands at k times its real column,
// rounded once, within half a device pixel of its rule (or on its anchor).
void TickLine(Canvas& strip, const Tick& t, int y0, int y1, std::uint8_t ink) {
    if (strip.Scale() == 1)
        strip.VLine(t.column, y0, y1, ink);
    else
        strip.VLineAt(t.position, y0, y1, ink);
}

void DrawTick(Canvas& strip, const ScaleBand& b, const Tick& t, std::uint8_t ink) {
    if (!t.longer) {
        TickLine(strip, t, b.tickTop, b.tickBottom, ink);
        return;
    }
    TickLine(strip, t, b.labelTop, b.labelBottom, ink);
    if (ink != kBlack) return;
    // Major ticks fade out in a grey tail where they run past the baseline.
    if (b.labelTop < b.tickTop) TickLine(strip, t, b.labelTop, b.labelTop, kGrey);
    if (b.labelBottom > b.tickBottom) TickLine(strip, t, b.labelBottom, b.labelBottom, kGrey);
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
