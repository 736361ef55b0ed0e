// Every scale's graduation against the position rules: each tick of the step table within 1.5
// columns of its rule, anchors exactly on their columns, nothing else in the ordinary tick
// rows, numbered and half-way ticks longer than the rest, and every tick inside its band.
// Drawn at k = 2 and 3, as the program receives the images: each tick within half a device
// pixel of k times its rule, anchors and index marks at k times their columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "tests/artwork/support.h"
#include "view/image_set.h"

namespace artwork_test {
namespace {

using S = Scale;
constexpr double kSixth = 1.0 / 6.0;

struct Steps {
    Scale scale;
    std::vector<std::vector<double>> steps;  // from, to, step; {v}: one mark at v
};

const std::vector<Steps> kStepTable = {
    // clang-format off
    {S::S1,  {{1, 6, 0.1}, {6, 10, 0.2}, {10, 60, 1}, {60, 100, 2}, {100, 200, 5}, {200, 600, 10}, {600, 1000, 20}}},
    {S::S5,  {{1, 6, 0.1}, {6, 10, 0.2}, {10, 60, 1}, {60, 100, 2}, {100, 200, 5}, {200, 600, 10}, {600, 1000, 20}}},
    {S::S1a, {{30, 60, 1}, {60, 100, 2}, {100, 210, 5}, {210, 360, 10}}},
    {S::S2,  {{1, 10, kSixth}, {10, 60, 1}, {60, 120, 2}, {120, 240, 5}, {240, 600, 10}, {600, 960, 30}, {1000}}},
    {S::S3,  {{5, 50, 1}, {50, 70, 2}, {70, 80, 5}, {90}}},
    {S::S4,  {{0.5, 5, kSixth}, {5, 10, 0.5}, {10, 85, 1}}},
    {S::S6,  {{1, 10, 0.1}, {10, 31.5, 0.5}, {31.6}}},
    {S::S7,  {{-120, 100, 10}}},
    {S::S8,  {{0.4, 2, 0.05}, {2, 5, 0.1}, {5, 12, 0.2}}},
    {S::S9,  {{0.4, 2, 0.05}, {2, 5, 0.1}, {5, 12, 0.2}}},
    {S::S10, {{-75, -30, 5}}},
    {S::S11, {{-70, 30, 10}}},
    {S::S12, {{0, 12, 0.5}}},
    {S::S13, {{0, 11, 1}}},
    {S::S14, {{100, 200, 2}, {200, 400, 5}, {400, 1000, 10}, {1000, 1400, 20}}},
    {S::S15, {{100, 200, 2}, {200, 400, 5}, {400, 1000, 10}, {1000, 1200, 20}}},
    {S::S16, {{100, 500, 100}, {500, 1400, 50}}},
    // clang-format on
};

struct Anchor {
    Scale scale;
    double value;
    int column;
};

// The anchor columns of the position rules, and the ends the scales run to (8 and 9 from
// 0.4 km, 6 to 31.6, 15 to 1200).
// clang-format off
const Anchor kAnchors[] = {
    {S::S1a, 30, 550},  {S::S1a, 60, 667},  {S::S1a, 90, 738},   {S::S1a, 180, 856},   {S::S1a, 360, 973},
    {S::S1, 1, 51},     {S::S1, 2, 169},    {S::S1, 10, 442},    {S::S1, 100, 834},    {S::S1, 1000, 1227},
    {S::S2, 1, 52},     {S::S2, 2, 170},    {S::S2, 10, 443},    {S::S2, 100, 836},    {S::S2, 1000, 1228},
    {S::S3, 5, 420},    {S::S3, 10, 537},   {S::S3, 30, 718},    {S::S3, 90, 836},
    {S::S4, 0.5, 29},   {S::S4, 1, 147},    {S::S4, 5, 421},     {S::S4, 10, 540},     {S::S4, 45, 836},    {S::S4, 85, 1251},
    {S::S5, 1, 54},     {S::S5, 2, 171},    {S::S5, 10, 445},    {S::S5, 100, 837},    {S::S5, 1000, 1229},
    {S::S6, 1, 54},     {S::S6, 2, 289},    {S::S6, 10, 836},    {S::S6, 30, 1211},    {S::S6, 31.6, 1229},
    {S::S7, -120, 84},  {S::S7, -80, 109},  {S::S7, 0, 154},     {S::S7, 40, 174},     {S::S7, 80, 193},    {S::S7, 100, 201},
    {S::S8, 0.4, 235},  {S::S8, 0.5, 297},  {S::S8, 1, 494},     {S::S8, 2, 691},      {S::S8, 5, 951},     {S::S8, 10, 1148},
    {S::S8, 12, 1200},  {S::S9, 0.4, 195},  {S::S9, 0.5, 256},   {S::S9, 1, 455},      {S::S9, 2, 655},     {S::S9, 5, 925},
    {S::S9, 10, 1139},  {S::S9, 12, 1198},  {S::S10, -75, 55},   {S::S10, -70, 63},    {S::S10, -50, 93},   {S::S10, -30, 120},
    {S::S11, -70, 288}, {S::S11, -60, 296}, {S::S11, -30, 317},  {S::S11, 0, 336},     {S::S11, 30, 352},
    {S::S12, 12, 84},   {S::S12, 9, 156},   {S::S12, 6, 224},    {S::S12, 3, 286},     {S::S12, 0, 344},
    {S::S13, 11, 299},  {S::S13, 8, 314},   {S::S13, 5, 326},    {S::S13, 2, 338},     {S::S13, 0, 344},
    {S::S14, 100, 418}, {S::S14, 200, 636}, {S::S14, 500, 924},  {S::S14, 1000, 1142}, {S::S14, 1400, 1248},
    {S::S15, 100, 418}, {S::S15, 200, 636}, {S::S15, 500, 924},  {S::S15, 1000, 1142}, {S::S15, 1200, 1199},
    {S::S16, 100, 418}, {S::S16, 500, 530}, {S::S16, 1000, 670}, {S::S16, 1400, 782},
};
// clang-format on

// Index marks on a band's columns: the only ink its tick rows may hold besides ticks, and
// where a numeral's frame or a figure may meet the tick.
const std::vector<std::pair<Scale, int>> kIndexColumns = {
    // clang-format off
    {S::S1, 245},  {S::S1, 973},  {S::S2, 443},  {S::S2, 836},  {S::S2, 662},  {S::S2, 749},  {S::S4, 836},
    {S::S4, 403},  {S::S4, 540},  {S::S12, 84},  {S::S14, 568}, {S::S14, 612}, {S::S14, 791},
    // clang-format on
};

bool Same(double a, double b) { return std::fabs(a - b) < 1e-6 * (1 + std::fabs(b)); }
bool Has(const std::vector<double>& vs, double v) {
    return std::any_of(vs.begin(), vs.end(), [v](double w) { return Same(v, w); });
}
bool IsIndex(Scale s, int c) {
    return std::count(kIndexColumns.begin(), kIndexColumns.end(), std::make_pair(s, c)) > 0;
}

std::vector<double> TickValues(Scale s) {
    std::vector<double> values;
    for (const Steps& t : kStepTable) {
        if (t.scale != s) continue;
        for (const auto& st : t.steps) {
            const int n =
                st.size() == 3 ? static_cast<int>(std::lround((st[1] - st[0]) / st[2])) : 0;
            for (int k = 0; k <= n; ++k) {
                const double v = n ? st[0] + k * st[2] : st[0];
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

// Where a tick may stand: on its anchor, else within 1.5 columns of its rule (scale 9 from
// 0.5 km on; below, it runs from 0.4 at column 195 to 0.5 at 256).
bool Allowed(Scale s, double v, int column) {
    if (const Anchor* a = AnchorOf(s, v)) return column == a->column;
    if (s == S::S9 && v < 0.5) return column > 195 && column < 256;
    return std::fabs(column - model::Column(s, v)) <= 1.5;
}

// The rule column and value of every tick of scale s, left to right.
std::vector<std::pair<double, double>> RuleColumns(Scale s) {
    std::vector<std::pair<double, double>> columns;
    for (double v : TickValues(s)) columns.emplace_back(model::Column(s, v), v);
    std::sort(columns.begin(), columns.end());
    return columns;
}

bool NearTick(Scale s, int column) {
    const std::vector<double> values = TickValues(s);
    return std::any_of(values.begin(), values.end(),
                       [&](double v) { return std::fabs(model::Column(s, v) - column) <= 1.5; });
}

class EveryScale : public ::testing::TestWithParam<Band> {};

TEST_P(EveryScale, TicksStandWhereTheRulePutsThemAndNothingElseInTheirRows) {
    const Band band = GetParam();
    const Bitmap& b = ImageOf(band.image);
    const std::vector<std::pair<double, double>> expected = RuleColumns(band.scale);
    auto nearTick = [&](int c) { return NearTick(band.scale, c); };
    for (int row : TickRows(band)) {
        std::vector<int> ink = InkColumns(b, row, band.first - 3, band.last + 3);
        ink.erase(std::remove_if(ink.begin(), ink.end(),
                                 [&](int c) { return IsIndex(band.scale, c) && !nearTick(c); }),
                  ink.end());
        ASSERT_EQ(ink.size(), expected.size())
            << "row " << row << ": ink columns against ticks of the step table";
        for (std::size_t i = 0; i < ink.size(); ++i)
            EXPECT_TRUE(Allowed(band.scale, expected[i].second, ink[i]))
                << "row " << row << ": " << expected[i].second << " at " << ink[i] << ", rule "
                << expected[i].first;
    }
    const std::vector<int> ink =
        InkColumns(b, TickRows(band).front(), band.first - 3, band.last + 3);
    for (std::size_t i = 1; i < ink.size(); ++i)
        EXPECT_GE(ink[i] - ink[i - 1], 2) << "ticks touch at " << ink[i];
    for (const Anchor& a : kAnchors) {
        if (a.scale != band.scale) continue;
        EXPECT_TRUE(TickExactlyAt(a.scale, a.column)) << a.value << " at " << a.column;
    }
    for (int x = band.first; x <= band.last; ++x)  // an index mark may cross it
        ASSERT_TRUE(b.At(x, band.baseline) == (band.scale == S::S13 ? kMaroon : kBlack) ||
                    IsIndex(band.scale, x))
            << x;
}

// The numbers each scale carries, and which ticks are drawn longer.
struct Longer {
    Scale scale;
    std::vector<double> labelled;
    bool halfway;              // ticks half-way between two numbered ones are longer too
    std::vector<double> free;  // index and end marks: either length
};

std::vector<double> Range(double from, double to, double step, std::vector<double> more = {}) {
    for (double x = from; x <= to + 1e-9; x += step) more.push_back(x);
    return more;
}

const std::vector<Longer> kLonger = {
    // clang-format off
    {S::S1a, {30, 40, 50, 60, 90, 120, 150, 180, 210, 240, 270, 300, 360}, true, {}},
    {S::S1, Range(1, 10, 1, Range(20, 100, 10, Range(200, 1000, 100, {150}))), true, {}},
    {S::S5, Range(1, 10, 1, Range(20, 100, 10, Range(200, 1000, 100, {15, 150}))), true, {}},
    {S::S2, Range(1, 10, 1, Range(120, 600, 60, {20, 30, 40, 50, 70, 80, 90, 100, 900})), true, {36, 60, 1000}},
    {S::S3, {5, 6, 7, 10, 15, 20, 30, 40, 50, 60, 90}, true, {}},
    {S::S4, {0.5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20, 30, 40, 50, 60, 70, 80, 85}, true, {45}},
    {S::S6, Range(1, 10, 1, {15, 20, 25, 30}), true, {31.6}},
    {S::S7, {-120, -80, -40, 0, 40, 80}, true, {}},
    {S::S8, Range(2, 12, 1, {0.5, 1, 1.5}), true, {0.4}},
    {S::S9, Range(2, 12, 1, {0.5, 1, 1.5}), true, {0.4}},
    {S::S10, {-70, -60, -50, -40, -30}, false, {}},  // the 10° ticks
    {S::S11, {-60, -30, 0, 30}, false, {}},
    {S::S12, Range(0, 11, 1), false, {12}},           // the whole kilometres
    {S::S13, {11, 10, 8, 6, 4, 2, 0}, false, {}},
    {S::S14, Range(200, 1400, 100, {100, 150}), true, {}},
    {S::S15, Range(200, 1200, 100, {100, 150}), true, {}},
    {S::S16, Range(100, 1400, 100), false, {}},
    // clang-format on
};

// Ordinary ticks run from the frame to the baseline (on a free axis, over the ordinary rows);
// numbered and half-way ticks run 2 to 5 rows further toward the numerals, and stop there.
TEST_P(EveryScale, NumberedTicksRunLongerThanOrdinaryOnesAndStayInTheirBand) {
    const Band band = GetParam();
    const Bitmap& b = ImageOf(band.image);
    const Longer& longer = *std::find_if(kLonger.begin(), kLonger.end(),
                                         [&](const Longer& l) { return l.scale == band.scale; });
    std::vector<double> longSet = longer.labelled;
    std::sort(longSet.begin(), longSet.end());
    if (longer.halfway)
        for (std::size_t i = 0, n = longSet.size(); i + 1 < n; ++i)
            longSet.push_back((longSet[i] + longSet[i + 1]) / 2);

    int top = band.tickTop, bottom = std::max(band.tickBottom, band.baseline);
    const bool up =
        band.kind == Kind::Standing || (band.kind == Kind::FreeAxis && band.scale != S::S13);
    const bool down = band.kind != Kind::Standing;  // scale 13's ticks stand on their axis
    if (band.kind == Kind::Hanging) top = 1, bottom = band.baseline;
    if (band.kind == Kind::Standing) top = band.baseline, bottom = b.height - 2;
    const int row = TickRows(band).front();
    int longCount = 0;
    for (double v : TickValues(band.scale)) {
        if (Has(longer.free, v)) continue;
        const double rule = model::Column(band.scale, v);
        int x = AnchorOf(band.scale, v) ? AnchorOf(band.scale, v)->column : -1;
        for (int c = static_cast<int>(rule) - 1; x < 0 && c <= static_cast<int>(rule) + 2; ++c)
            if (Ink(b, c, row) && std::fabs(c - rule) <= 1.5) x = c;
        if (x < 0 || IsIndex(band.scale, x)) continue;  // placement is the other test's
        int runTop = row, runBottom = row;
        while (runTop > 1 && Ink(b, x, runTop - 1)) --runTop;
        while (runBottom < b.height - 2 && Ink(b, x, runBottom + 1)) ++runBottom;
        SCOPED_TRACE(std::to_string(v) + " at " + std::to_string(x));
        if (!Has(longSet, v)) {
            EXPECT_EQ(runTop, top);
            EXPECT_EQ(runBottom, bottom);
            continue;
        }
        ++longCount;
        const int above = top - runTop, below = runBottom - bottom;
        EXPECT_TRUE(up ? above >= 2 && above <= 5 : above == 0)
            << "runs " << above << " rows further up";
        EXPECT_TRUE(down ? below >= 2 && below <= 5 : below == 0)
            << "runs " << below << " rows further down";
    }
    EXPECT_GE(longCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Strips, EveryScale, ::testing::ValuesIn(kBands));

// The images at scale k as the program loads them, decoded once.
const CPixmap& ImageAt(int id, int k) {
    static std::map<std::pair<int, int>, CPixmap> images;
    auto it = images.find({id, k});
    if (it == images.end())
        it = images.emplace(std::make_pair(id, k), LoadImageResource(id, k)).first;
    return it->second;
}

// Ink at k: darker than the paper by more than a third (black, maroon, a grey tail).
bool InkAt(const CPixmap& p, int x, int y) {
    const Colour c = p.Pixel(x, y);
    const int grey = (((c >> 16) & 0xff) * 11 + ((c >> 8) & 0xff) * 16 + (c & 0xff) * 5) / 32;
    return grey < 170;
}

struct InkRun {
    int left, width;
};

// The runs of ink on device row y from column x0 up to x1.
std::vector<InkRun> RunsAt(const CPixmap& p, int y, int x0, int x1) {
    std::vector<InkRun> runs;
    for (int x = std::max(x0, 0); x < std::min(x1, p.Width()); ++x) {
        if (!InkAt(p, x, y)) continue;
        if (!runs.empty() && runs.back().left + runs.back().width == x)
            ++runs.back().width;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

class EveryScaleAtK : public ::testing::TestWithParam<std::tuple<Band, int>> {};

TEST_P(EveryScaleAtK, TicksStandWithinHalfADevicePixelOfKTimesTheRule) {
    const auto& [band, k] = GetParam();
    const CPixmap& p = ImageAt(band.image, k);
    ASSERT_EQ(p.Width(), 1279 * k);
    const std::vector<std::pair<double, double>> expected = RuleColumns(band.scale);
    auto nearTick = [&](int c) { return NearTick(band.scale, c); };
    for (int row : TickRows(band)) {
        const int y = k * row + k / 2;
        std::vector<InkRun> runs = RunsAt(p, y, k * (band.first - 3), k * (band.last + 4));
        runs.erase(std::remove_if(runs.begin(), runs.end(),
                                  [&](const InkRun& r) {
                                      return r.left % k == 0 && IsIndex(band.scale, r.left / k) &&
                                             !nearTick(r.left / k);
                                  }),
                   runs.end());
        ASSERT_EQ(runs.size(), expected.size()) << "row " << row << " at k = " << k;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const double v = expected[i].second, rule = expected[i].first;
            SCOPED_TRACE(testing::Message() << "k = " << k << ", row " << row << ": " << v
                                            << " at device column " << runs[i].left);
            EXPECT_EQ(runs[i].width, k) << "a tick is k device pixels wide";
            if (const Anchor* a = AnchorOf(band.scale, v))
                EXPECT_EQ(runs[i].left, k * a->column);
            else if (band.scale == S::S9 && v < 0.5)
                EXPECT_TRUE(runs[i].left > k * 195 && runs[i].left < k * 256);
            else
                EXPECT_LE(std::fabs(runs[i].left - k * rule), 0.5) << "rule " << k * rule;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Strips, EveryScaleAtK,
                         ::testing::Combine(::testing::ValuesIn(kBands), ::testing::Values(2, 3)));

// The index marks' figures at k: symmetric about k times their column, k times as wide.
struct Figure {
    const char* name;
    int image, column, top, bottom, halfWidth;
};

// clang-format off
const Figure kFigures[] = {
    {"circular index", 134, 662, 15, 26, 6},   {"triangular index", 134, 749, 15, 28, 6},
    {"45° triangle", 134, 836, 65, 76, 6},     {"R index", 134, 403, 67, 77, 5},
    {"diamond index", 137, 126, 9, 32, 6},     {"12-km diamond", 136, 84, 13, 33, 10},
};
// clang-format on

TEST(IndexMarksAtK, StandAtKTimesTheirColumns) {
    for (int k : {2, 3})
        for (const Figure& f : kFigures) {
            SCOPED_TRACE(testing::Message() << f.name << " at k = " << k);
            const CPixmap& p = ImageAt(f.image, k);
            int left = 1 << 20, right = -1;
            for (int y = k * f.top; y < k * (f.bottom + 1); ++y)
                for (int x = k * (f.column - f.halfWidth - 2); x < k * (f.column + f.halfWidth + 3);
                     ++x)
                    if (InkAt(p, x, y)) left = std::min(left, x), right = std::max(right, x);
            ASSERT_GE(right, left);
            EXPECT_NEAR((left + right) / 2.0, k * f.column + (k - 1) / 2.0, 0.5);
            EXPECT_NEAR(right - left + 1, k * (2 * f.halfWidth + 1), k);
        }
}

}  // namespace
}  // namespace artwork_test
