#include "view/artwork/numerals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/mark_columns.h"
#include "model/scale_bands.h"

namespace artwork {
namespace {

std::string Plain(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

constexpr int kSecondRow = 8;  // rows down to a second line of small numerals, two of them blank

std::vector<Numeral> Numbers(std::initializer_list<double> values) {
    std::vector<Numeral> out;
    for (double v : values) out.push_back({v, Plain(v)});
    return out;
}

// 1 to 10, 20 to 100 by tens, 150, 200 to 1000 by hundreds.
std::vector<Numeral> ThreeDecades(bool with15) {
    std::vector<Numeral> out = Numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    if (with15) out.push_back({15, "15"});
    for (double v : {20, 30, 40, 50, 60, 70, 80, 90, 100, 150, 200, 300, 400, 500, 600, 700, 800})
        out.push_back({v, Plain(v)});
    // 900 and 1000 stand 18 columns apart: each gives way by one.
    out.push_back({900, "900", Frame::None, -1});
    out.push_back({1000, "1000", Frame::None, +1});
    return out;
}

// The hundreds of the speed scales, with 1000 framed.
std::vector<Numeral> Hundreds(double last) {
    std::vector<Numeral> out = Numbers({100, 150});
    for (double v = 200; v <= last; v += 100)
        out.push_back({v, Plain(v), v == 1000 ? Frame::Box : Frame::None});
    return out;
}

// The small second numerals of the speed scales: 11 + v/100 at every hundred v.
std::vector<Numeral> HeightKeys(double last) {
    std::vector<Numeral> out;
    for (double v = 100; v <= last; v += 100) out.push_back({v, Plain(11 + v / 100)});
    return out;
}

// Scale 16's thermometer corrections, one under every tick; those of the fifties (from 550 on,
// where the ticks stand 14 columns apart) in a second row below.
std::vector<Numeral> Corrections() {
    const int degrees[] = {0,  1,  2,  4,  7,  8,  10, 11, 13, 15, 17, 19,
                           21, 24, 26, 29, 32, 35, 38, 40, 42, 46, 51};
    std::vector<Numeral> out;
    double v = 100;
    for (int d : degrees) {
        const bool fifty = std::fmod(v, 100) != 0;
        out.push_back({v, Plain(d) + "°", Frame::None, 0, fifty ? kSecondRow : 0});
        v += v < 500 ? 100 : 50;
    }
    return out;
}

std::vector<NumeralLine> BuildLines() {
    constexpr std::uint8_t k = kBlack;
    return {
        // clang-format off
        // scale      labels  face           side             row  ink      numerals
        // Scale 1a: 30° gives way to "РАЗВОРОТА" on its left, 300° to 270°.
        {Scale::S1a, true,  Face::Small,   VAlign::Top,     16,  k, {{30, "30°", Frame::None, +1}, {40, "40°"}, {50, "50°"}, {60, "60°"}, {90, "90°"},
                                                                     {120, "120°"}, {150, "150°"}, {180, "180°"}, {210, "210°"},
                                                                     {240, "240°"}, {270, "270°"}, {300, "300°", Frame::None, +2},
                                                                     {360, "360°"}}},
        {Scale::S1,  true,  Face::Numeral, VAlign::Bottom,  35,  k, ThreeDecades(false)},
        // Scale 2: minutes (the circular index stands at 36 and the triangular at 60 in place of
        // numerals), then the hours.
        {Scale::S2,  true,  Face::Numeral, VAlign::Top,     15,  k, {{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"}, {6, "6"},
                                                                     {7, "7"}, {8, "8"}, {9, "9"}, {10, "10", Frame::Box},
                                                                     {20, "20"}, {30, "30"}, {40, "40"}, {50, "50"}, {70, "70"},
                                                                     {80, "80"}, {90, "90"}, {100, "100", Frame::Box},
                                                                     {120, "2"}, {180, "3"}, {240, "4"}, {300, "5"}, {360, "6"},
                                                                     {420, "7"}, {480, "8"}, {540, "9"}, {600, "10"}, {900, "15"}}},
        // Scale 3: the angle below the axis, its supplement above.
        {Scale::S3,  true,  Face::Numeral, VAlign::Top,     56,  k, {{5, "5°"}, {6, "6°"}, {7, "7°"}, {10, "10°"}, {15, "15°"}, {20, "20°"},
                                                                     {30, "30°"}, {40, "40°"}, {50, "50°"}, {60, "60°"}, {90, "90°"}}},
        {Scale::S3,  false, Face::Numeral, VAlign::Bottom,  36,  k, {{5, "175°"}, {6, "174°"}, {7, "173°"}, {10, "170°"}, {15, "165°"},
                                                                     {20, "160°"}, {30, "150°"}, {40, "140°"}, {50, "130°"},
                                                                     {60, "120°"}, {90, "90°"}}},
        // Scale 4: the 45° triangle stands in place of a numeral.
        {Scale::S4,  true,  Face::Numeral, VAlign::Bottom,  76,  k, {{0.5, "0.5°"}, {1, "1°"}, {2, "2°"}, {3, "3°"}, {4, "4°"}, {5, "5°"},
                                                                     {6, "6°"}, {7, "7°"}, {8, "8°"}, {9, "9"}, {10, "10°"},
                                                                     {15, "15°"}, {20, "20°"}, {30, "30°"}, {40, "40°"}, {50, "50°"},
                                                                     {60, "60°"}, {70, "70°"}, {80, "80°"}, {85, "85°"}}},
        {Scale::S4,  false, Face::Numeral, VAlign::Bottom,  67,  k, {{0.5, "179.5°"}, {1, "179°"}, {2, "178°"}, {3, "177°"}, {4, "176°"}}},
        {Scale::S5,  true,  Face::Numeral, VAlign::Top,     14,  k, ThreeDecades(true)},
        {Scale::S6,  true,  Face::Numeral, VAlign::Bottom,  45,  k, Numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 20, 25, 30})},
        // Scale 7: negative left of 0, and a "+" after the last (drawn with the captions).
        {Scale::S7,  true,  Face::Numeral, VAlign::Bottom,  34,  k, {{-120, "−120°"}, {-80, "80°"}, {-40, "40°"}, {0, "0°"},
                                                                     {40, "40°"}, {80, "80°"}}},
        {Scale::S8,  true,  Face::Numeral, VAlign::Bottom,  34,  k, {{0.5, "0.5"}, {1, "1"}, {1.5, "1.5"}, {2, "2"}, {3, "3"}, {4, "4"},
                                                                     {5, "5"}, {6, "6"}, {7, "7"}, {8, "8"}, {9, "9"}, {10, "10"},
                                                                     {11, "11"}, {12, "12"}}},
        // Scale 9's numerals and scale 16's speeds stand one blank row apart: where they share
        // columns, they give way sideways.
        {Scale::S9,  true,  Face::Numeral, VAlign::Top,     12,  k, {{0.5, "0.5"}, {1, "1", Frame::None, +1}, {1.5, "1.5", Frame::None, +1},
                                                                     {2, "2"}, {3, "3", Frame::None, -2}, {4, "4"},
                                                                     {5, "5"}, {6, "6"}, {7, "7"}, {8, "8"}, {9, "9"}, {10, "10"},
                                                                     {11, "11"}, {12, "12"}}},
        // Scale 16: speeds above the axis, the thermometer correction below every tick.
        {Scale::S16, true,  Face::Numeral, VAlign::Bottom,  26,  k, {{100, "100"}, {200, "200", Frame::None, -2}, {300, "300"},
                                                                     {400, "400"}, {500, "500"}, {600, "600", Frame::None, -4},
                                                                     {700, "700", Frame::None, +1}, {800, "800"}, {900, "900"}, {1000, "1000"},
                                                                     {1100, "1100"}, {1200, "1200"}, {1300, "1300"},
                                                                     {1400, "1400", Frame::None, +3}}},
        {Scale::S16, false, Face::Small,   VAlign::Top,     40,  k, Corrections()},
        {Scale::S10, true,  Face::Small,   VAlign::Bottom,  74,  k, {{-70, "−70°"}, {-50, "−50°"}, {-30, "−30°"}}},
        {Scale::S11, true,  Face::Small,   VAlign::Bottom,  74,  k, {{-60, "−60°"}, {-30, "−30°"}, {0, "0°"}, {30, "+30°"}}},
        {Scale::S14, true,  Face::Numeral, VAlign::Bottom,  73,  k, Hundreds(1400)},
        {Scale::S14, false, Face::Small,   VAlign::Bottom,  62,  k, HeightKeys(1400)},
        // Scale 12: the 12 is drawn inside its diamond with the index marks.
        {Scale::S12, true,  Face::Numeral, VAlign::Top,     14,  k, Numbers({11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0})},
        {Scale::S15, true,  Face::Numeral, VAlign::Top,     15,  k, Hundreds(1200)},
        {Scale::S15, false, Face::Small,   VAlign::Top,     26,  k, HeightKeys(1200)},
        // Scale 13 is 45 columns long: its 11 stands aside, left of its tick, and 2 and 0 give way.
        {Scale::S13, true,  Face::Small,   VAlign::Top,     44,  kMaroon, {{11, "11", Frame::None, -7}, {10, "10"}, {8, "8"},
                                                                            {6, "6"}, {4, "4"}, {2, "2", Frame::None, -1},
                                                                            {0, "0", Frame::None, +1}}},
        // clang-format on
    };
}

}  // namespace

const std::vector<NumeralLine>& NumeralLines() {
    static const std::vector<NumeralLine> lines = BuildLines();
    return lines;
}

std::vector<double> LabelledValues(Scale s) {
    std::vector<double> values;
    for (const NumeralLine& line : NumeralLines())
        if (line.scale == s && line.labels)
            for (const Numeral& n : line.numerals) values.push_back(n.value);
    return values;
}

namespace {

// Calls `set(line, numeral, style, x, y)` with the anchor of every numeral on `image`. A framed
// numeral keeps one clear pixel inside its frame and steps one row away from the ticks, so
// that the frame does not run into them.
template <typename Set>
void ForEachNumeral(int image, Set&& set) {
    for (const NumeralLine& line : NumeralLines()) {
        if (BandOf(line.scale).image != image) continue;
        TextStyle style;
        style.face = line.face;
        style.v = line.v;
        style.ink = line.ink;
        const int away = line.v == VAlign::Top ? 1 : -1;
        for (const Numeral& n : line.numerals)
            set(line, n, style, MarkColumn(line.scale, n.value) + n.dx,
                line.row + n.dy + (n.frame == Frame::Box ? away : 0));
    }
}

// The frame stands symmetric about the column, whatever the parity of the digits.
InkBox FrameAround(const InkBox& ink, int x) {
    const int half = std::max(x - ink.left, ink.right - x) + 2;
    return InkBox{x - half, ink.top - 2, x + half, ink.bottom + 2};
}

}  // namespace

std::vector<PlacedNumeral> PlaceNumerals(int image) {
    std::vector<PlacedNumeral> placed;
    ForEachNumeral(image, [&](const NumeralLine& line, const Numeral& n, const TextStyle& style,
                              int x, int y) {
        const InkBox ink = MeasureText(n.text.c_str(), style, x, y);
        placed.push_back({line.scale, n.value, n.text, ink,
                          n.frame == Frame::Box ? FrameAround(ink, x) : InkBox{}});
    });
    return placed;
}

void DrawNumerals(Canvas& strip, int image) {
    ForEachNumeral(image,
                   [&](const NumeralLine&, const Numeral& n, const TextStyle& style, int x, int y) {
                       const InkBox ink = DrawText(strip, n.text.c_str(), style, x, y);
                       if (n.frame == Frame::None) return;
                       const InkBox f = FrameAround(ink, x);
                       strip.Box(f.left, f.top, f.right, f.bottom, kBlack);
                   });
}

}  // namespace artwork
