// The desktop's font measures, taken through Qt, as a table another front end can lay out by.
#pragma once

#include <string>
#include <vector>

#include "platform/text_metrics.h"

struct MeasuredFont {
    int height = 0;
    int ascent = 0;
    int cell = 0;
    std::vector<GlyphMeasure> glyphs;  // sorted by code
    std::vector<KernMeasure> kerns;    // sorted, the pairs with a kerning only
    FontMeasures View() const {
        return {height,       ascent,           cell, glyphs.data(), int(glyphs.size()),
                kerns.data(), int(kerns.size())};
    }
};

// Measures every character of the lesson texts, printable ASCII, the no-break space and the
// Russian alphabet, and every pair of them, in the font of this CFont height.
MeasuredFont MeasureFont(int height);

// C++ source defining FindFontMeasures over these fonts.
std::string MeasuresSource(const std::vector<MeasuredFont>& fonts);
