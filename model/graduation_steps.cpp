#include "model/graduation_steps.h"

#include <cmath>

namespace model {
namespace {

constexpr double kSixth = 1.0 / 6.0;  // ten seconds of a minute, ten minutes of an hour or of arc

using G = GraduationStretch;
const G k1[] = {{1, 6, 0.1},   {6, 10, 0.2},   {10, 60, 1},    {60, 100, 2},
                {100, 200, 5}, {200, 600, 10}, {600, 1000, 20}};
const G k1a[] = {{30, 60, 1}, {60, 100, 2}, {100, 210, 5}, {210, 360, 10}};
const G k2[] = {{1, 10, kSixth}, {10, 60, 1},    {60, 120, 2},   {120, 240, 5},
                {240, 600, 10},  {600, 960, 30}, {1000, 1000, 0}};
const G k3[] = {{5, 50, 1}, {50, 70, 2}, {70, 80, 5}, {90, 90, 0}};
const G k4[] = {{0.5, 5, kSixth}, {5, 10, 0.5}, {10, 85, 1}};
const G k6[] = {{1, 10, 0.1}, {10, 31.5, 0.5}, {31.6, 31.6, 0}};
const G k7[] = {{-120, 100, 10}};
const G k8[] = {{0.4, 2, 0.05}, {2, 5, 0.1}, {5, 12, 0.2}};
const G k10[] = {{-75, -30, 5}};
const G k11[] = {{-70, 30, 10}};
const G k12[] = {{0, 12, 0.5}};
const G k13[] = {{0, 11, 1}};
const G k14[] = {{100, 200, 2}, {200, 400, 5}, {400, 1000, 10}, {1000, 1400, 20}};
const G k15[] = {{100, 200, 2}, {200, 400, 5}, {400, 1000, 10}, {1000, 1200, 20}};
const G k16[] = {{100, 500, 100}, {500, 1400, 50}};

template <int N>
constexpr ScaleGraduation Of(Scale s, const G (&stretches)[N]) {
    return {s, stretches, N};
}

// clang-format off
const ScaleGraduation kGraduations[] = {
    Of(Scale::S1, k1),   Of(Scale::S5, k1),   Of(Scale::S1a, k1a), Of(Scale::S2, k2),
    Of(Scale::S3, k3),   Of(Scale::S4, k4),   Of(Scale::S6, k6),   Of(Scale::S7, k7),
    Of(Scale::S8, k8),   Of(Scale::S9, k8),   Of(Scale::S10, k10), Of(Scale::S11, k11),
    Of(Scale::S12, k12), Of(Scale::S13, k13), Of(Scale::S14, k14), Of(Scale::S15, k15),
    Of(Scale::S16, k16),
};
// clang-format on

}  // namespace

const ScaleGraduation& GraduationOf(Scale s) {
    for (const ScaleGraduation& g : kGraduations)
        if (g.scale == s) return g;
    return kGraduations[0];
}

double GraduationInterval(Scale s, double value) {
    // The ticks as the artwork lays them: each stretch from its start in whole steps, then a
    // lone end mark (scale 2's 1000, scale 3's 90°, scale 6's 31.6) a stretch of its own.
    const ScaleGraduation& g = GraduationOf(s);
    constexpr double kEps = 1e-9;
    double finest = 0.0;
    double previous = std::nan("");  // the last tick of the stretch before
    for (int i = 0; i < g.count; ++i) {
        const GraduationStretch& r = g.stretches[i];
        const double first = r.from, last = r.step > 0 ? r.to : r.from;
        // The gap from the stretch before up to this stretch's first tick.
        if (!std::isnan(previous) && first - previous > kEps && value >= previous - kEps &&
            value <= first + kEps) {
            const double gap = first - previous;
            finest = finest > 0 ? std::fmin(finest, gap) : gap;
        }
        if (r.step > 0 && value >= first - kEps && value <= last + kEps) {
            finest = finest > 0 ? std::fmin(finest, r.step) : r.step;
        }
        previous = last;
    }
    return finest;
}

}  // namespace model
