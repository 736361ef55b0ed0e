#include "model/readings.h"

#include <algorithm>
#include <cmath>

#include "model/graduation_steps.h"

namespace model {

double ReadingStep(Scale s, double value) { return GraduationInterval(s, value) / 2; }

double RoundToReading(Scale s, double value) {
    const double step = ReadingStep(s, value);
    if (step <= 0) return value;
    // A value that is a whole number of half steps in decimal (4.25 for a step of 0.5) must
    // not fall to the lower side through its binary form.
    const double q = value / step;
    return std::round(q + std::copysign(1e-9, q)) * step;
}

ReadingRange ReadableRange(Scale s, double value, int pixels) {
    const double c = Column(s, value);
    const double a = ValueAtColumn(s, c - pixels), b = ValueAtColumn(s, c + pixels);
    const double low = std::min(a, b), high = std::max(a, b);
    // Beyond the graduation's end the reading there is as fine as at the value itself.
    const auto step = [&](double at) {
        const double there = ReadingStep(s, at);
        return there > 0 ? there : ReadingStep(s, value);
    };
    return {low - step(low), high + step(high)};
}

}  // namespace model
