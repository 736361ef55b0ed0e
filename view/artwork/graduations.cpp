#include "view/artwork/graduations.h"

#include <algorithm>
#include <cmath>

#include "view/artwork/anchors.h"
#include "view/artwork/numerals.h"

namespace artwork {
namespace {

constexpr double kSixth = 1.0 / 6.0;  // ten seconds of a minute, ten minutes of an hour or of arc

struct Step {
    double from, to, step;  // a step of 0 is a single mark at `from`
};

enum class Longer {
    LabelledAndHalfway,  // the numbered ticks and the ticks half-way between two numbers
    Labelled,            // the numbered ticks only
    Multiples,           // every multiple of `every`
};

struct Graduation {
    Scale scale;
    std::vector<Step> steps;
    Longer longer;
    double every;                    // for Longer::Multiples
    std::vector<double> alsoLonger;  // index and end marks that stand on a tick
};

const Graduation kGraduations[] = {
    // scale      steps                                                                     longer ticks
    {Scale::S1,  {{1, 6, 0.1}, {6, 10, 0.2}, {10, 60, 1}, {60, 100, 2}, {100, 200, 5}, {200, 600, 10}, {600, 1000, 20}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S5,  {{1, 6, 0.1}, {6, 10, 0.2}, {10, 60, 1}, {60, 100, 2}, {100, 200, 5}, {200, 600, 10}, {600, 1000, 20}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S1a, {{30, 60, 1}, {60, 100, 2}, {100, 210, 5}, {210, 360, 10}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S2,  {{1, 10, kSixth}, {10, 60, 1}, {60, 120, 2}, {120, 240, 5}, {240, 600, 10}, {600, 960, 30}, {1000, 1000, 0}},
                 Longer::LabelledAndHalfway, 0, {36, 60, 1000}},
    {Scale::S3,  {{5, 50, 1}, {50, 70, 2}, {70, 80, 5}, {90, 90, 0}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S4,  {{0.5, 5, kSixth}, {5, 10, 0.5}, {10, 85, 1}},
                 Longer::LabelledAndHalfway, 0, {45}},
    {Scale::S6,  {{1, 10, 0.1}, {10, 31.5, 0.5}, {31.6, 31.6, 0}},
                 Longer::LabelledAndHalfway, 0, {31.6}},
    {Scale::S7,  {{-120, 100, 10}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S8,  {{0.4, 2, 0.05}, {2, 5, 0.1}, {5, 12, 0.2}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S9,  {{0.4, 2, 0.05}, {2, 5, 0.1}, {5, 12, 0.2}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S10, {{-75, -30, 5}},
                 Longer::Multiples, 10, {}},           // the 10° ticks longer
    {Scale::S11, {{-70, 30, 10}},
                 Longer::Labelled, 0, {}},             // -60°, -30°, 0°, +30°
    {Scale::S12, {{0, 12, 0.5}},
                 Longer::Multiples, 1, {}},            // the whole kilometres longer
    {Scale::S13, {{0, 11, 1}},
                 Longer::Labelled, 0, {}},
    {Scale::S14, {{100, 200, 2}, {200, 400, 5}, {400, 1000, 10}, {1000, 1400, 20}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S15, {{100, 200, 2}, {200, 400, 5}, {400, 1000, 10}, {1000, 1200, 20}},
                 Longer::LabelledAndHalfway, 0, {}},
    {Scale::S16, {{100, 500, 100}, {500, 1400, 50}},
                 Longer::Labelled, 0, {}},             // the hundreds; every tick has its correction
};

bool Same(double a, double b) { return std::fabs(a - b) <= 1e-6 * (1.0 + std::fabs(b)); }

bool Contains(const std::vector<double>& values, double v) {
    return std::any_of(values.begin(), values.end(), [v](double w) { return Same(v, w); });
}

std::vector<double> Values(const Graduation& g) {
    std::vector<double> values;
    for (const Step& s : g.steps) {
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

    const std::vector<double> values = Values(*g);
    std::vector<double> labelled = LabelledValues(s);
    std::sort(labelled.begin(), labelled.end());
    std::vector<double> longer = g->alsoLonger;
    if (g->longer != Longer::Multiples) longer.insert(longer.end(), labelled.begin(), labelled.end());
    if (g->longer == Longer::LabelledAndHalfway)
        for (std::size_t i = 0; i + 1 < labelled.size(); ++i) longer.push_back((labelled[i] + labelled[i + 1]) / 2);

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
