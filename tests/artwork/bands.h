// Where each scale's ticks live, as the scale catalogue gives it, and helpers that look for
// ticks in the generated images.
#pragma once

#include <ostream>
#include <vector>

#include "tests/artwork/generated.h"
#include "view/artwork/position_rules.h"

namespace artwork_test {

using artwork::Scale;

enum class Kind { Hanging, Standing, FreeAxis };

struct Band {
    Scale scale;
    int image;
    Kind kind;
    int baseline;
    int tickTop, tickBottom;  // the ordinary tick rows
    int first, last;          // printed run, columns
    const char* name;
};

extern const Band kBands[17];
// Names a parameterised test's band by its scale.
void PrintTo(const Band& band, std::ostream* os);
const Band& BandFor(Scale s);

// A pixel of ink for a tick: anything but white (ticks of scale 13 are maroon, tick tails grey).
inline bool Ink(const Bitmap& b, int x, int y) { return b.At(x, y) != kWhite; }

// Columns holding ink in `row` between x0 and x1 inclusive.
std::vector<int> InkColumns(const Bitmap& b, int row, int x0, int x1);

// Rows in the ordinary tick band of `band` that carry nothing but ticks (the baseline excluded).
std::vector<int> TickRows(const Band& band);

// Whether scale s has a tick standing exactly on `column`: ink there on every ordinary tick row,
// white either side on the first of them.
bool TickExactlyAt(Scale s, int column);

}  // namespace artwork_test
