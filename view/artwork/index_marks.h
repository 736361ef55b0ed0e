// The index marks: the marks a calculation is set against, each on its column exactly.
#pragma once

#include <vector>

#include "model/position_rules.h"
#include "view/artwork/canvas.h"

namespace artwork {

using namespace model;  // the scales the artwork draws

enum class IndexDrawing {
    Pi,              // the letter π over a dotted line down to the baseline
    DashedT360,      // maroon dashed line across the baseline, maroon "t360" at its upper right
    FramedNumeral,   // the numeral framed by a rectangle (drawn with the numerals)
    CircularIndex,   // maroon ring, upper part filled
    TriangleUp,      // maroon outlined triangle, apex under the tick
    TriangleDown,    // black outline, grey fill, apex on the tick
    RCircle,         // maroon circle around a maroon R, dotted grey line down to the baseline
    DottedT360,      // dotted line above the tick with the small label "t360°"
    DiamondPointer,  // grey line from the top frame into a grey diamond
    Diamond12,       // the numeral 12 inside a black diamond hanging from the tick
    DottedLabel,     // dotted line with a label above
};

struct IndexMark {
    const char* name;
    Scale scale;
    int image;
    double value;  // on the scale's rule; unused for the diamond pointer
    int column;
    IndexDrawing drawing;
    const char* label;  // the lettering that goes with the drawing, if any
};

extern const std::vector<IndexMark> kIndexMarks;

void DrawIndexMarks(Canvas& strip, int image);

}  // namespace artwork
