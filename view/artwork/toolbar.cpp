// IDB_TOOLBAR: the toolbar strip, two 16x15 buttons on silver. The first is blank; the second
// carries the undo glyph in blue.
#include <cmath>

#include "view/artwork/image_set.h"
#include "view/artwork/shapes.h"

namespace artwork {
namespace {

// The undo button, '#' blue on silver: an arc turning counter-clockwise over the top from
// the right side, ending in a solid arrowhead at its lower left; under it a bar and three
// short dashes.
// clang-format off
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
// clang-format on

}  // namespace

Canvas DrawToolbar(int scale) {
    Canvas bar(32, 15, kSilver, scale);
    constexpr int kLeft = 16;  // the undo button's first column
    if (scale > 1) {
        // The same glyph from its shapes: the arc from the right side over the top, the
        // arrowhead at its lower left, the bar and the three dashes.
        ClientPainter p(bar);
        const double cx = kLeft + 8.5, cy = 6.0, r = 4.5;
        constexpr double kPi = 3.14159265358979;
        for (int i = 0; i < 20; ++i) {
            const double a0 = -0.35 * kPi + 1.25 * kPi * i / 20,
                         a1 = -0.35 * kPi + 1.25 * kPi * (i + 1) / 20;
            p.Line(cx + r * std::cos(a0), cy - r * std::sin(a0), cx + r * std::cos(a1),
                   cy - r * std::sin(a1), kBlue, 1.6);
        }
        p.Polygon({{kLeft + 1, 2.6}, {kLeft + 1, 6.4}, {kLeft + 4.8, 6.4}}, kBlue, kBlue);
        p.Polygon(
            {{kLeft - 0.5, 10.5}, {kLeft + 8.5, 10.5}, {kLeft + 8.5, 12.5}, {kLeft - 0.5, 12.5}},
            kWhite, kBlue);
        for (int x : {10, 12, 14})
            p.Polygon({{kLeft + x - 0.5, 10.5},
                       {kLeft + x + 0.5, 10.5},
                       {kLeft + x + 0.5, 12.5},
                       {kLeft + x - 0.5, 12.5}},
                      kWhite, kBlue);
        return bar;
    }
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x)
            if (kUndoGlyph[y][x] == '#') bar.Set(kLeft + x, y, kBlue);
    return bar;
}

}  // namespace artwork
