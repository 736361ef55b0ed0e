#include "view/artwork/graduations.h"

#include <algorithm>
#include <cmath>

#include "model/graduation_steps.h"
#include "model/mark_columns.h"
#include "view/artwork/numerals.h"

namespace artwork {
namespace {

enum class Longer {
    LabelledAndHalfway,  // the numbered ticks and the ticks half-way between two numbers
    Labelled,            // the numbered ticks only
    Multiples,           // every multiple of `every`
};

// Which ticks run longer; where the ticks stand is the scale's graduation (model/).
struct Graduation {
    Scale scale;
    Longer longer;
    double every;                    // for Longer::Multiples
    std::vector<double> alsoLonger;  // index and end marks that stand on a tick
};

// clang-format off
const Graduation kGraduations[] = {
    // scale      longer ticks
    {Scale::S1,  Longer::LabelledAndHalfway, 0, {}},
    {Scale::S5,  Longer::LabelledAndHalfway, 0, {}},
    {Scale::S1a, Longer::LabelledAndHalfway, 0, {}},
    {Scale::S2,  Longer::LabelledAndHalfway, 0, {36, 60, 1000}},
    {Scale::S3,  Longer::LabelledAndHalfway, 0, {}},
    {Scale::S4,  Longer::LabelledAndHalfway, 0, {45}},
    {Scale::S6,  Longer::LabelledAndHalfway, 0, {31.6}},
    {Scale::S7,  Longer::LabelledAndHalfway, 0, {}},
    {Scale::S8,  Longer::LabelledAndHalfway, 0, {}},
    {Scale::S9,  Longer::LabelledAndHalfway, 0, {}},
    {Scale::S10, Longer::Multiples, 10, {}},  // the 10° ticks longer
    {Scale::S11, Longer::Labelled, 0, {}},    // -60°, -30°, 0°, +30°
    {Scale::S12, Longer::Multiples, 1, {}},   // the whole kilometres longer
    {Scale::S13, Longer::Labelled, 0, {}},
    {Scale::S14, Longer::LabelledAndHalfway, 0, {}},
    {Scale::S15, Longer::LabelledAndHalfway, 0, {}},
    {Scale::S16, Longer::Labelled, 0, {}},    // the hundreds; every tick has its correction
};
// clang-format on

bool Same(double a, double b) { return std::fabs(a - b) <= 1e-6 * (1.0 + std::fabs(b)); }

bool Contains(const std::vector<double>& values, double v) {
    return std::any_of(values.begin(), values.end(), [v](double w) { return Same(v, w); });
}

std::vector<double> Values(Scale scale) {
    const ScaleGraduation& g = GraduationOf(scale);
    std::vector<double> values;
    for (int i = 0; i < g.count; ++i) {
        const GraduationStretch& s = g.stretches[i];
        const int n = s.step > 0 ? static_cast<int>(std::lround((s.to - s.from) / s.step)) : 0;
        for (int k = 0; k <= n; ++k) {
            const double v = s.from + k * s.step;
            if (values.empty() || !Same(values.back(), v)) values.push_back(v);
        }
    }
    return values;
}

}  // namespace

std::vector<Tick> Ticks(Scale s) {
    const Graduation* g = nullptr;
    for (const Graduation& candidate : kGraduations)
        if (candidate.scale == s) g = &candidate;
    if (!g) return {};

    const std::vector<double> values = Values(s);
    std::vector<double> labelled = LabelledValues(s);
    std::sort(labelled.begin(), labelled.end());
    std::vector<double> longer = g->alsoLonger;
    if (g->longer != Longer::Multiples)
        longer.insert(longer.end(), labelled.begin(), labelled.end());
    if (g->longer == Longer::LabelledAndHalfway)
        for (std::size_t i = 0; i + 1 < labelled.size(); ++i)
            longer.push_back((labelled[i] + labelled[i + 1]) / 2);

    std::vector<Tick> ticks;
    for (double v : values) {
        bool isLonger = Contains(longer, v);
        if (g->longer == Longer::Multiples) {
            const double q = v / g->every;
            isLonger = isLonger || Same(q, std::round(q));
        }
        ticks.push_back(Tick{v, MarkColumn(s, v), MarkPosition(s, v), isLonger});
    }
    return ticks;
}

}  // namespace artwork
