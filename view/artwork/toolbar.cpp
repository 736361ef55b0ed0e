// IDB_TOOLBAR: the toolbar strip, two 16x15 buttons on silver. The first is blank; the second
// carries the undo glyph in blue.
#include "view/artwork/image_set.h"

namespace artwork {
namespace {

// The undo button, '#' blue on silver: an arc turning counter-clockwise over the top from
// the right side, ending in a solid arrowhead at its lower left; under it a bar and three
// short dashes.
const char* const kUndoGlyph[15] = {
    "................",
    "......#####.....",
    "....###...###...",
    ".#.##.......##..",
    ".####........##.",
    ".###.........##.",
    ".####........##.",
    ".............##.",
    "............##..",
    "..........###...",
    "................",
    "#########.#.#.#.",
    "#########.#.#.#.",
    "................",
    "................",
};

}  // namespace

Canvas DrawToolbar() {
    Canvas bar(32, 15, kSilver);
    constexpr int kLeft = 16;  // the undo button's first column
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x)
            if (kUndoGlyph[y][x] == '#') bar.Set(kLeft + x, y, kBlue);
    return bar;
}

}  // namespace artwork
