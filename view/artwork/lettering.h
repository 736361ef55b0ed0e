// Lettering: text rendered smoothed in a packaged font and quantised to the palette, so that
// the strips carry ink with grey and silver edges and nothing in between.
#pragma once

#include <cstdint>

#include "view/artwork/canvas.h"

namespace artwork {

enum class Face {
    Numeral,  // the numerals of the scales
    Small,    // second numerals, corrections, small labels
    Caption,  // captions, keys and formulas
    Large,    // the product name
};

enum class HAlign { Left, Centre, Right };
enum class VAlign {
    Top,      // the top of the ink at the given row
    Bottom,   // the bottom of the ink at the given row
    Baseline  // the font's baseline at the given row (captions with descenders)
};

struct InkBox {
    int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

struct TextStyle {
    Face face = Face::Numeral;
    HAlign h = HAlign::Centre;
    VAlign v = VAlign::Top;
    std::uint8_t ink = kBlack;
};

// Loads the fonts the lettering is set in (once); returns the file of one that could not be
// loaded, or nullptr.
const char* LoadFonts();

// Where `text` (UTF-8) would land with its anchor at (x, y), without drawing it.
InkBox MeasureText(const char* text, const TextStyle& style, int x, int y);
// Draws `text`; ink only darkens, so lettering never lightens a tick it touches.
InkBox DrawText(Canvas& canvas, const char* text, const TextStyle& style, int x, int y);
// Draws `text` in spaced capitals filling columns x0..x1 (ink edge to ink edge), its
// baseline or ink edge at row y as the style says.
InkBox DrawSpread(Canvas& canvas, const char* text, TextStyle style, int x0, int x1, int y);

// Sets `ink` where it is darker than what is there; maroon counts as dark as black.
void Darken(Canvas& canvas, int x, int y, std::uint8_t ink);

}  // namespace artwork
