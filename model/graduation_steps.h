// How finely each scale is graduated: between which values its ticks stand how far apart.
// The artwork draws its ticks from these stretches, and the trainer takes the precision a
// reading can have from them, so that both speak of the same graduation.
#pragma once

#include "model/position_rules.h"

namespace model {

// Ticks every `step` from `from` to `to`; a step of 0 is a single mark at `from`.
struct GraduationStretch {
    double from, to, step;
};

struct ScaleGraduation {
    Scale scale;
    const GraduationStretch* stretches;
    int count;
};

// The graduation of scale s, its stretches in the order of their values.
const ScaleGraduation& GraduationOf(Scale s);

// The distance between the two ticks that enclose value on scale s (at a tick, the finer of
// the intervals on either side); 0 when value lies outside the graduation. A reading at
// value can be trusted to half of it.
double GraduationInterval(Scale s, double value);

}  // namespace model
