// Where each scale lives: its strip, its band of rows and the stretch of columns it runs over.
#pragma once

#include "model/position_rules.h"
#include "resources/ids.h"

namespace artwork {

// Image ids of the six full strips.
constexpr int kBottom1 = IDB_BOTTOM1, kSlide1 = IDB_SLIDE1, kTop1 = IDB_TOP1;
constexpr int kBottom2 = IDB_BOTTOM2, kSlide2 = IDB_SLIDE2, kTop2 = IDB_TOP2;
constexpr int kStripWidth = 1279;

enum class Band {
    Hanging,   // ticks hang from the frame row above down to the baseline, numerals below
    Standing,  // ticks stand on the frame row below up to the baseline, numerals above
    FreeAxis,  // the baseline lies inside the strip and the ticks cross it
};

struct ScaleBand {
    Scale scale;
    int image;
    Band band;
    int baseline;                 // row
    int tickTop, tickBottom;      // rows every ordinary tick covers
    int labelTop, labelBottom;    // rows a labelled (or half-way) tick covers
    int firstColumn, lastColumn;  // the printed run
    bool maroon;
};

// The sixteen scales (and 1a), in the order they are drawn.
extern const ScaleBand kScaleBands[17];

const ScaleBand& BandOf(Scale s);
int StripHeight(int image);

}  // namespace artwork
