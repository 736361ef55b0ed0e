// The ticks of every scale: where they stand and which of them are drawn longer.
#pragma once

#include <vector>

#include "model/position_rules.h"

namespace artwork {

using namespace model;  // the scales the artwork draws

struct Tick {
    double value;
    int column;
    double position;  // the real column, for drawing at k > 1 (see MarkPosition)
    bool longer;      // labelled, half-way, index or end mark: runs across the baseline
};

// Every tick of scale s in the order of its values.
std::vector<Tick> Ticks(Scale s);

}  // namespace artwork
