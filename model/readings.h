// What a reading of the rule can tell: the value rounded as the eye reads it against the
// graduation, and the values a reading can take when the settings that led to it stand a few
// pixels off.
#pragma once

#include "model/position_rules.h"

namespace model {

// How finely a value can be read at `value` on scale s: half the local graduation interval,
// 0 off the graduation.
double ReadingStep(Scale s, double value);

// The value as the eye reads it: rounded to the reading step there, half away from zero.
// Off the graduation the value is returned as it is.
double RoundToReading(Scale s, double value);

struct ReadingRange {
    double low, high;
};

// The values a reading of `value` on scale s may give when what it stands against is up to
// `pixels` strip columns off either way: the values `pixels` columns below and above it, each
// widened by the reading step where it falls.
ReadingRange ReadableRange(Scale s, double value, int pixels);

}  // namespace model
