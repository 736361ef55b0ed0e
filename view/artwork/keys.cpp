// Keys, framed formulas and the other small legends that are more than a line of text.
#include "model/mark_columns.h"
#include "model/scale_bands.h"
#include "view/artwork/captions.h"
#include "view/artwork/lettering.h"
#include "view/artwork/shapes.h"

namespace artwork {

using namespace model;  // the scales the artwork draws
namespace {

// A key: labels above and below a line along `row`, joined from x0 to x1.
struct KeyEntry {
    int column;
    const char* above;
    const char* below;
};

void DrawKey(Canvas& c, int row, int x0, int x1, std::initializer_list<KeyEntry> entries) {
    c.HLine(x0, x1, row, kBlack);
    TextStyle style;
    style.face = Face::Caption;
    for (const KeyEntry& e : entries) {
        style.v = VAlign::Bottom;
        if (e.above) DrawText(c, e.above, style, e.column, row - 2);
        style.v = VAlign::Top;
        if (e.below) DrawText(c, e.below, style, e.column, row + 2);
    }
}

// A formula in a frame from (x0, y0) to (x1, y1).
void DrawFramed(Canvas& c, const char* text, int x0, int y0, int x1, int y1) {
    c.Box(x0, y0, x1, y1, kBlack);
    TextStyle style;
    style.face = Face::Caption;
    style.v = VAlign::Top;
    const InkBox box = MeasureText(text, style, 0, 0);
    DrawText(c, text, style, (x0 + x1) / 2, (y0 + y1 + 1) / 2 - box.Height() / 2);
}

void Side1Slide(Canvas& c) {
    // The turn-radius key: R over R, joined to β° over V:100.
    DrawKey(c, 46, 236, 331, {{243, nullptr, "R"}, {317, "β°", "V:100"}});
    Ring(c, 243, 35, 44, 5, kBlack);
    TextStyle style;
    style.face = Face::Small;
    const InkBox r = MeasureText("R", style, 243, 0);
    DrawText(c, "R", style, 243, 40 - r.Height() / 2);
    // The wind key.
    DrawKey(c, 46, 873, 1003, {{885, "УС", "U"}, {932, "УВ", "V"}, {989, "УВ+УС", "W"}});
}

void Side2Top(Canvas& c) {
    // Scale 7's positive numerals are marked once, by a "+" after the last.
    TextStyle style;
    style.v = VAlign::Bottom;
    const InkBox last = MeasureText("80°", style, MarkColumn(Scale::S7, 80), 34);
    style.h = HAlign::Left;
    DrawText(c, "+", style, last.right + 2, 33);
}

void Side2Slide(Canvas& c) {
    DrawFramed(c, "tн = tпр. − Δt", 823, 26, 898, 40);
    // One row short of 47: the spaced capitals over scale 14 start on row 48.
    DrawFramed(c, "ΔH = 900 + 20(t₀ + tн)", 1142, 31, 1262, 46);
    // "температура на высоте" points both ways: to scale 10 on the left, scale 11 on the right.
    TextStyle style;
    style.face = Face::Caption;
    style.v = VAlign::Baseline;
    const InkBox text = MeasureText("температура на высоте", style, 207, 65);
    Arrow(c, text.left - 3, 127, 62, kBlack);
    Arrow(c, text.right + 3, 285, 62, kBlack);
}

void Side2Bottom(Canvas& c) {
    // The maker's mark: a small framed monogram.
    c.Box(1186, 36, 1248, 48, kBlack);
    TextStyle style;
    style.face = Face::Small;
    style.v = VAlign::Top;
    DrawText(c, "СКАЛОР · 1.2", style, 1217, 39);
}

}  // namespace

void DrawKeys(Canvas& strip, int image) {
    switch (image) {
        case kSlide1: Side1Slide(strip); break;
        case kTop2: Side2Top(strip); break;
        case kSlide2: Side2Slide(strip); break;
        case kBottom2: Side2Bottom(strip); break;
        default: break;
    }
}

}  // namespace artwork
