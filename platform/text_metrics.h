// A font's measures for laying out lines, as a table: the advance and right bearing of each
// character and the kerning of pairs, in 1/64 pixel. The desktop measures with its toolkit;
// a table made from those same measures (by tools/text_metrics) lets another front end break
// lines exactly where the desktop does, without that toolkit.
#pragma once

#include <cstdint>
#include <string_view>

// The font's pixel size (its em) for a CFont height, which is the cell height: Liberation
// Sans, like Arial, has a cell of 1.117 em. The em is rounded down to whole pixels, as a small
// screen's rasteriser does: a height of 14 gives 12 pixels, 16 gives 14.
inline int FontPixelSize(int height) {
    const int em = int(height / 1.117);
    return em > 1 ? em : 1;
}

struct GlyphMeasure {
    char32_t code;
    int32_t advance;       // 1/64 pixel
    int32_t rightBearing;  // 1/64 pixel; negative when the ink leans past the advance
};

struct KernMeasure {
    char32_t left;
    char32_t right;
    int32_t kern;  // 1/64 pixel, added between the two when they are shaped together
};

struct FontMeasures {
    int height;                  // the CFont height these are for
    int ascent;                  // whole pixels: the baseline's distance below a line's top
    int cell;                    // whole pixels: one line below the other
    const GlyphMeasure* glyphs;  // sorted by code
    int glyphCount;
    const KernMeasure* kerns;  // sorted by (left, right)
    int kernCount;
};

// How far a run of UTF-8 text reaches in whole pixels when drawn as one line: its advance,
// with the kerning of neighbours that one script run shapes together, plus the ink of a last
// character that leans past its advance, rounded up. -1 when a character is not in the table.
int TableReach(std::string_view run, const FontMeasures& font);

// The code point that starts at text[i]; i moves past it. A malformed byte is taken alone.
char32_t NextCodePoint(std::string_view text, std::size_t& i);

// The writing system a code point belongs to for shaping: 0 for characters every script
// shares (digits, spaces, punctuation), else one number per script.
int ShapingScript(char32_t c);

// The measures of the font of this CFont height, for the heights the table was made for;
// nullptr for others. Defined by the table tools/text_metrics writes, in the builds that
// measure by it.
const FontMeasures* FindFontMeasures(int height);
