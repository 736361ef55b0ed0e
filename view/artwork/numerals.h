// The numbers printed along each scale.
#pragma once

#include <string>
#include <vector>

#include "model/position_rules.h"
#include "view/artwork/canvas.h"
#include "view/artwork/lettering.h"

namespace artwork {

using namespace model;  // the scales the artwork draws

enum class Frame { None, Box };

struct Numeral {
    double value;
    std::string text;
    Frame frame = Frame::None;
    int dx = 0;  // nudge off the tick where two numbers would run together
    int dy = 0;  // a second row below (or above) the line, where the line is too close-set
};

// One line of numbers along a scale, each centred on the column of its value.
struct NumeralLine {
    Scale scale;
    bool labels;  // the scale's own numbering (it decides which ticks are drawn longer)
    Face face;
    VAlign v;  // Top: the line hangs below `row`; Bottom: it stands on `row`
    int row;
    std::uint8_t ink;
    std::vector<Numeral> numerals;
};

const std::vector<NumeralLine>& NumeralLines();

// The values scale s carries a number for (its own numbering line).
std::vector<double> LabelledValues(Scale s);

// Where a numeral lands on its strip: its ink, and the frame round it (empty when unframed).
struct PlacedNumeral {
    Scale scale;
    double value;
    std::string text;
    InkBox ink;
    InkBox frame;
};

std::vector<PlacedNumeral> PlaceNumerals(int image);
void DrawNumerals(Canvas& strip, int image);

}  // namespace artwork
