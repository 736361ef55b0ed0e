// Where each scale lives: its strip, its band of rows and the stretch of columns it runs over.
// The artwork draws the scales into these bands; the help cuts its pictures from them.
#pragma once

#include "model/position_rules.h"

namespace model {

// Image ids of the six full strips: the IDB_ ids of resources/ids.h, which this layer may not
// include; the artwork's image set checks that they agree.
constexpr int kBottom1 = 133, kSlide1 = 134, kTop1 = 135;
constexpr int kBottom2 = 136, kSlide2 = 137, kTop2 = 138;
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

}  // namespace model
