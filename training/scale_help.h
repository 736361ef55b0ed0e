// The help on the scales: a page for each, in plain text, built from the tables the rule is
// drawn from (the strips' bands, the graduation steps) and the lessons and tasks that use
// the scale. The front ends show the text and a picture cut from the strip image.
#pragma once

#include <string>

#include "model/position_rules.h"
#include "platform/geometry.h"

namespace training {

using model::Scale;

struct ScaleHelpPage {
    Scale scale = Scale::S1;
    std::string title;  // "Шкала 2 - время", as the lessons' tour names it
    std::string text;   // paragraphs, '\n' between them
    int side = 0;       // 0 side 1, 1 side 2
    int image = 0;      // the strip that carries the scale
    CRect picture;      // the part of that strip (at one pixel a column) that shows it
};

// The pages in the order of the scales' numbers: 1, 1а, 2, 3 ... 16.
constexpr int kScaleHelpCount = 17;
const ScaleHelpPage& ScaleHelp(int index);

}  // namespace training
