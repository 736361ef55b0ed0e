// Every scale's graduation, checked against the position rules: each tick of the step table
// within 1.5 columns of its rule, the anchors exactly on their columns, nothing else in the
// ordinary tick rows, and the numbered and half-way ticks longer than the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>

#include "tests/artwork/bands.h"

namespace artwork_test {
namespace {

constexpr double kSixth = 1.0 / 6.0;

struct Step {
    double from, to, step;  // step 0: one mark at `from`
};

struct Graduation {
    Scale scale;
    std::vector<Step> steps;
};

// The step table of the scale strips.
const std::vector<Graduation> kSteps = {
    {Scale::S1,  {{1, 6, 0.1}, {6, 10, 0.2}, {10, 60, 1}, {60, 100, 2}, {100, 200, 5}, {200, 600, 10}, {600, 1000, 20}}},
    {Scale::S5,  {{1, 6, 0.1}, {6, 10, 0.2}, {10, 60, 1}, {60, 100, 2}, {100, 200, 5}, {200, 600, 10}, {600, 1000, 20}}},
    {Scale::S1a, {{30, 60, 1}, {60, 100, 2}, {100, 210, 5}, {210, 360, 10}}},
    {Scale::S2,  {{1, 10, kSixth}, {10, 60, 1}, {60, 120, 2}, {120, 240, 5}, {240, 600, 10}, {600, 960, 30}, {1000, 1000, 0}}},
    {Scale::S3,  {{5, 50, 1}, {50, 70, 2}, {70, 80, 5}, {90, 90, 0}}},
    {Scale::S4,  {{0.5, 5, kSixth}, {5, 10, 0.5}, {10, 85, 1}}},
    {Scale::S6,  {{1, 10, 0.1}, {10, 31.5, 0.5}, {31.6, 31.6, 0}}},
    {Scale::S7,  {{-120, 100, 10}}},
    {Scale::S8,  {{0.4, 2, 0.05}, {2, 5, 0.1}, {5, 12, 0.2}}},
    {Scale::S9,  {{0.4, 2, 0.05}, {2, 5, 0.1}, {5, 12, 0.2}}},
    {Scale::S10, {{-75, -30, 5}}},
    {Scale::S11, {{-70, 30, 10}}},
    {Scale::S12, {{0, 12, 0.5}}},
    {Scale::S13, {{0, 11, 1}}},
    {Scale::S14, {{100, 200, 2}, {200, 400, 5}, {400, 1000, 10}, {1000, 1400, 20}}},
    {Scale::S15, {{100, 200, 2}, {200, 400, 5}, {400, 1000, 10}, {1000, 1200, 20}}},
    {Scale::S16, {{100, 500, 100}, {500, 1400, 50}}},
};

struct Anchor {
    Scale scale;
    double value;
    int column;
};

// The anchor columns of the position rules, and the ends the catalogue fixes.
const Anchor kAnchors[] = {
    {Scale::S1a, 30, 550},  {Scale::S1a, 60, 667},  {Scale::S1a, 90, 738},   {Scale::S1a, 180, 856},  {Scale::S1a, 360, 973},
    {Scale::S1, 1, 51},     {Scale::S1, 2, 169},    {Scale::S1, 10, 442},    {Scale::S1, 100, 834},   {Scale::S1, 1000, 1227},
    {Scale::S2, 1, 52},     {Scale::S2, 2, 170},    {Scale::S2, 10, 443},    {Scale::S2, 100, 836},   {Scale::S2, 1000, 1228},
    {Scale::S3, 5, 420},    {Scale::S3, 10, 537},   {Scale::S3, 30, 718},    {Scale::S3, 90, 836},
    {Scale::S4, 0.5, 29},   {Scale::S4, 1, 147},    {Scale::S4, 5, 421},     {Scale::S4, 10, 540},    {Scale::S4, 45, 836},   {Scale::S4, 85, 1251},
    {Scale::S5, 1, 54},     {Scale::S5, 2, 171},    {Scale::S5, 10, 445},    {Scale::S5, 100, 837},   {Scale::S5, 1000, 1229},
    {Scale::S6, 1, 54},     {Scale::S6, 2, 289},    {Scale::S6, 10, 836},    {Scale::S6, 30, 1211},   {Scale::S6, 31.6, 1229},
    {Scale::S7, -120, 84},  {Scale::S7, -80, 109},  {Scale::S7, 0, 154},     {Scale::S7, 40, 174},    {Scale::S7, 80, 193},   {Scale::S7, 100, 201},
    {Scale::S8, 0.4, 235},  {Scale::S8, 0.5, 297},  {Scale::S8, 1, 494},     {Scale::S8, 2, 691},     {Scale::S8, 5, 951},    {Scale::S8, 10, 1148},  {Scale::S8, 12, 1200},
    {Scale::S9, 0.4, 195},  {Scale::S9, 0.5, 256},  {Scale::S9, 1, 455},     {Scale::S9, 2, 655},     {Scale::S9, 5, 925},    {Scale::S9, 10, 1139},  {Scale::S9, 12, 1198},
    {Scale::S10, -75, 55},  {Scale::S10, -70, 63},  {Scale::S10, -50, 93},   {Scale::S10, -30, 120},
    {Scale::S11, -70, 288}, {Scale::S11, -60, 296}, {Scale::S11, -30, 317},  {Scale::S11, 0, 336},    {Scale::S11, 30, 352},
    {Scale::S12, 12, 84},   {Scale::S12, 9, 156},   {Scale::S12, 6, 224},    {Scale::S12, 3, 286},    {Scale::S12, 0, 344},
    {Scale::S13, 11, 299},  {Scale::S13, 8, 314},   {Scale::S13, 5, 326},    {Scale::S13, 2, 338},    {Scale::S13, 0, 344},
    {Scale::S14, 100, 418}, {Scale::S14, 200, 636}, {Scale::S14, 500, 924},  {Scale::S14, 1000, 1142}, {Scale::S14, 1400, 1248},
    {Scale::S15, 100, 418}, {Scale::S15, 200, 636}, {Scale::S15, 500, 924},  {Scale::S15, 1000, 1142}, {Scale::S15, 1200, 1199},
    {Scale::S16, 100, 418}, {Scale::S16, 500, 530}, {Scale::S16, 1000, 670}, {Scale::S16, 1400, 782},
};

// Index marks that stand in a band, by strip column: extra ink a tick row may hold.
struct IndexColumn {
    Scale scale;
    int column;
};
const IndexColumn kIndexColumns[] = {
    {Scale::S1, 245},  {Scale::S1, 973},  {Scale::S2, 443},  {Scale::S2, 836},  {Scale::S2, 662},
    {Scale::S2, 749},  {Scale::S4, 836},  {Scale::S4, 403},  {Scale::S4, 540},  {Scale::S12, 84},
    {Scale::S14, 568}, {Scale::S14, 612}, {Scale::S14, 791},
};

bool IsIndexColumn(Scale s, int column) {
    for (const IndexColumn& i : kIndexColumns)
        if (i.scale == s && i.column == column) return true;
    return false;
}

bool Same(double a, double b) { return std::fabs(a - b) < 1e-6 * (1 + std::fabs(b)); }

std::vector<double> TickValues(Scale s) {
    std::vector<double> values;
    for (const Graduation& g : kSteps) {
        if (g.scale != s) continue;
        for (const Step& st : g.steps) {
            const int n = st.step > 0 ? static_cast<int>(std::lround((st.to - st.from) / st.step)) : 0;
            for (int k = 0; k <= n; ++k) {
                const double v = st.from + k * st.step;
                if (values.empty() || !Same(values.back(), v)) values.push_back(v);
            }
        }
    }
    return values;
}

const Anchor* AnchorOf(Scale s, double v) {
    for (const Anchor& a : kAnchors)
        if (a.scale == s && Same(a.value, v)) return &a;
    return nullptr;
}

// Where a tick may stand: on its anchor, else within 1.5 columns of its rule. Scale 9 keeps to
// its rule from 0.5 km on; below, it runs from 0.4 at column 195 to 0.5 at 256.
bool Allowed(Scale s, double v, int column) {
    if (const Anchor* a = AnchorOf(s, v)) return column == a->column;
    if (s == Scale::S9 && v < 0.5) return column > 195 && column < 256;
    return std::fabs(column - artwork::Column(s, v)) <= 1.5;
}

class EveryScale : public ::testing::TestWithParam<Band> {};

// In every ordinary tick row, the ink columns across the scale's run are its ticks, one
// column each, in order, each within 1.5 columns of its rule (anchors exact); index marks that
// cross the band are the only other ink.
TEST_P(EveryScale, TicksStandWhereTheRulePutsThemAndNothingElseInTheirRows) {
    const Band band = GetParam();
    const Bitmap& b = ImageOf(band.image);
    const std::vector<double> values = TickValues(band.scale);
    ASSERT_FALSE(values.empty());
    std::vector<std::pair<int, double>> expected;  // rounded rule column, value
    for (double v : values) expected.emplace_back(static_cast<int>(std::lround(artwork::Column(band.scale, v))), v);
    std::sort(expected.begin(), expected.end());  // left to right, whichever way the scale runs

    for (int row : TickRows(band)) {
        SCOPED_TRACE("scale " + std::string(band.name) + ", row " + std::to_string(row));
        std::vector<int> ink = InkColumns(b, row, band.first - 3, band.last + 3);
        ink.erase(std::remove_if(ink.begin(), ink.end(), [&](int c) {
                      return IsIndexColumn(band.scale, c) &&
                             std::none_of(values.begin(), values.end(),
                                          [&](double v) { return std::fabs(artwork::Column(band.scale, v) - c) <= 1.5; });
                  }),
                  ink.end());
        ASSERT_EQ(ink.size(), expected.size()) << "ink columns against ticks of the step table";
        for (std::size_t i = 0; i < ink.size(); ++i)
            EXPECT_TRUE(Allowed(band.scale, expected[i].second, ink[i]))
                << "tick for " << expected[i].second << " at column " << ink[i] << ", rule "
                << artwork::Column(band.scale, expected[i].second);
    }
}

TEST_P(EveryScale, AnchorsStandExactlyOnTheirColumns) {
    const Band band = GetParam();
    for (const Anchor& a : kAnchors) {
        if (a.scale != band.scale) continue;
        EXPECT_TRUE(TickExactlyAt(a.scale, a.column)) << "scale " << band.name << ", " << a.value << " at " << a.column;
    }
}

// Numbers each scale carries: its own numbering decides which ticks are drawn longer.
struct Longer {
    Scale scale;
    std::vector<double> labelled;
    bool halfway;  // ticks half-way between two numbered ones are longer too
    std::vector<double> free;  // index and end marks: free to be either
};

std::vector<double> Range(double from, double to, double step) {
    std::vector<double> v;
    for (double x = from; x <= to + 1e-9; x += step) v.push_back(x);
    return v;
}

std::vector<double> Join(std::initializer_list<std::vector<double>> parts) {
    std::vector<double> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

const std::vector<Longer>& LongerTicks() {
    static const std::vector<Longer> table = {
        {Scale::S1a, {30, 40, 50, 60, 90, 120, 150, 180, 210, 240, 270, 300, 360}, true, {}},
        {Scale::S1, Join({Range(1, 10, 1), Range(20, 100, 10), {150}, Range(200, 1000, 100)}), true, {}},
        {Scale::S5, Join({Range(1, 10, 1), {15}, Range(20, 100, 10), {150}, Range(200, 1000, 100)}), true, {}},
        {Scale::S2, Join({Range(1, 10, 1), {20, 30, 40, 50, 70, 80, 90, 100}, Range(120, 600, 60), {900}}), true, {36, 60, 1000}},
        {Scale::S3, {5, 6, 7, 10, 15, 20, 30, 40, 50, 60, 90}, true, {}},
        {Scale::S4, {0.5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20, 30, 40, 50, 60, 70, 80, 85}, true, {45}},
        {Scale::S6, Join({Range(1, 10, 1), {15, 20, 25, 30}}), true, {31.6}},
        {Scale::S7, {-120, -80, -40, 0, 40, 80}, true, {}},
        {Scale::S8, Join({{0.5, 1, 1.5}, Range(2, 12, 1)}), true, {0.4}},
        {Scale::S9, Join({{0.5, 1, 1.5}, Range(2, 12, 1)}), true, {0.4}},
        {Scale::S10, {-70, -60, -50, -40, -30}, false, {}},  // the 10° ticks
        {Scale::S11, {-60, -30, 0, 30}, false, {}},
        {Scale::S12, Range(0, 11, 1), false, {12}},          // the whole kilometres; 12 hangs its diamond
        {Scale::S13, {11, 10, 8, 6, 4, 2, 0}, false, {}},
        {Scale::S14, Join({{100, 150}, Range(200, 1400, 100)}), true, {}},
        {Scale::S15, Join({{100, 150}, Range(200, 1200, 100)}), true, {}},
        {Scale::S16, Range(100, 1400, 100), false, {}},
    };
    return table;
}

bool Contains(const std::vector<double>& values, double v) {
    return std::any_of(values.begin(), values.end(), [v](double w) { return Same(v, w); });
}

// The rows a tick's ink runs over, contiguous through its first ordinary tick row.
std::pair<int, int> RunThrough(const Bitmap& b, int x, int row) {
    int top = row, bottom = row;
    while (top > 1 && Ink(b, x, top - 1)) --top;
    while (bottom < b.height - 2 && Ink(b, x, bottom + 1)) ++bottom;
    return {top, bottom};
}

// Ordinary ticks run from the frame to the baseline (on a free axis across it, over the
// ordinary rows); numbered and half-way ticks run 2 to 5 rows further toward the numerals.
TEST_P(EveryScale, NumberedTicksRunLongerThanOrdinaryOnesAndStayInTheirBand) {
    const Band band = GetParam();
    const Bitmap& b = ImageOf(band.image);
    const Longer* longer = nullptr;
    for (const Longer& l : LongerTicks())
        if (l.scale == band.scale) longer = &l;
    ASSERT_NE(longer, nullptr);

    std::vector<double> labelled = longer->labelled;
    std::sort(labelled.begin(), labelled.end());
    std::vector<double> longSet = labelled;
    const std::vector<double> values = TickValues(band.scale);
    if (longer->halfway)
        for (std::size_t i = 0; i + 1 < labelled.size(); ++i) longSet.push_back((labelled[i] + labelled[i + 1]) / 2);

    // The ordinary run, and which ends a long tick extends.
    int top = band.tickTop, bottom = band.tickBottom;
    bool extendsUp = false, extendsDown = false;
    switch (band.kind) {
        case Kind::Hanging: top = 1, bottom = band.baseline, extendsDown = true; break;
        case Kind::Standing: top = band.baseline, bottom = b.height - 2, extendsUp = true; break;
        case Kind::FreeAxis:
            bottom = std::max(bottom, band.baseline);
            extendsDown = true;
            extendsUp = band.scale != Scale::S13;  // scale 13's ticks stand on their axis
            break;
    }
    const int scanRow = TickRows(band).front();
    int longCount = 0;
    for (double v : values) {
        if (Contains(longer->free, v)) continue;
        const int rule = static_cast<int>(std::lround(artwork::Column(band.scale, v)));
        int x = -1;
        for (int c = rule - 2; c <= rule + 2 && x < 0; ++c)
            if (Ink(b, c, scanRow) && std::fabs(c - artwork::Column(band.scale, v)) <= 1.5) x = c;
        if (const Anchor* a = AnchorOf(band.scale, v)) x = a->column;
        if (x < 0 || IsIndexColumn(band.scale, x)) continue;  // placement is the other test's
        const auto [runTop, runBottom] = RunThrough(b, x, scanRow);
        SCOPED_TRACE("scale " + std::string(band.name) + ", tick " + std::to_string(v) + " at " + std::to_string(x));
        if (Contains(longSet, v)) {
            ++longCount;
            if (extendsUp) {
                EXPECT_GE(top - runTop, 2);
                EXPECT_LE(top - runTop, 5);
            } else {
                EXPECT_EQ(runTop, top);
            }
            if (extendsDown) {
                EXPECT_GE(runBottom - bottom, 2);
                EXPECT_LE(runBottom - bottom, 5);
            } else {
                EXPECT_EQ(runBottom, bottom);
            }
        } else {
            EXPECT_EQ(runTop, top);
            EXPECT_EQ(runBottom, bottom);
        }
    }
    EXPECT_GE(longCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Strips, EveryScale, ::testing::ValuesIn(kBands),
                         [](const ::testing::TestParamInfo<Band>& param) { return "Scale" + std::string(param.param.name); });

TEST(Graduation, NoTwoTicksOfAScaleShareAColumnOrTouch) {
    for (const Band& band : kBands) {
        const std::vector<int> columns = InkColumns(ImageOf(band.image), TickRows(band).front(), band.first - 3, band.last + 3);
        for (std::size_t i = 1; i < columns.size(); ++i)
            EXPECT_GE(columns[i] - columns[i - 1], 2) << "scale " << band.name << " at " << columns[i];
    }
}

TEST(Graduation, BaselinesRunTheLengthOfEachScale) {
    for (const Band& band : kBands) {
        const Bitmap& b = ImageOf(band.image);
        for (int x = band.first; x <= band.last; ++x)
            ASSERT_TRUE(Ink(b, x, band.baseline)) << "scale " << band.name << ", column " << x;
        if (band.scale == Scale::S13) {
            for (int x = band.first; x <= band.last; ++x) EXPECT_EQ(b.At(x, band.baseline), kMaroon);
        }
    }
}

}  // namespace
}  // namespace artwork_test
