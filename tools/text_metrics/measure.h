// The desktop's font measures, taken through Qt, as a table another front end can lay out by.
#pragma once

#include <cstdint>
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

// The problems and solution texts of every task kind drawn from seeds 0 to seeds - 1.
constexpr uint32_t kTaskSeedsMeasured = 200;
std::vector<std::string> TaskTexts(uint32_t seeds);

// Measures every character of the lesson and task texts, printable ASCII, Latin-1, Greek, the
// Russian alphabet and common punctuation, and every pair of them, in the font of this CFont
// height.
MeasuredFont MeasureFont(int height);

// C++ source defining FindFontMeasures over these fonts.
std::string MeasuresSource(const std::vector<MeasuredFont>& fonts);
