#include "view/artwork/index_marks.h"

#include "model/mark_columns.h"
#include "model/scale_bands.h"
#include "view/artwork/lettering.h"
#include "view/artwork/shapes.h"

namespace artwork {

namespace {

// An index mark on the column that the mark columns give its value.
IndexMark OnItsColumn(const char* name, Scale scale, int image, double value, IndexDrawing drawing,
                      const char* label) {
    return IndexMark{name, scale, image, value, IndexColumn(scale, value), drawing, label};
}

}  // namespace

// The index marks, each at the column of its value by the rule of its scale; the diamond
// pointer, which stands for no value, at its own column.
const std::vector<IndexMark> kIndexMarks = {
    //          mark                    scale       image     value      drawing label
    OnItsColumn("pi mark", Scale::S1, kTop1, kPi, IndexDrawing::Pi, "π"),
    OnItsColumn("t360 index", Scale::S1, kTop1, 72 * kPi, IndexDrawing::DashedT360, "t360"),
    OnItsColumn("rectangular index 10", Scale::S2, kSlide1, 10, IndexDrawing::FramedNumeral,
                nullptr),
    OnItsColumn("rectangular index 100", Scale::S2, kSlide1, 100, IndexDrawing::FramedNumeral,
                nullptr),
    OnItsColumn("circular index", Scale::S2, kSlide1, 36, IndexDrawing::CircularIndex, nullptr),
    OnItsColumn("triangular index", Scale::S2, kSlide1, 60, IndexDrawing::TriangleUp, nullptr),
    OnItsColumn("triangular index 45°", Scale::S4, kSlide1, 45, IndexDrawing::TriangleDown,
                nullptr),
    OnItsColumn("R index", Scale::S4, kSlide1, 4.4999028, IndexDrawing::RCircle,
                "R"),  // tan = 0.0787
    OnItsColumn("t360° mark", Scale::S4, kSlide1, 10, IndexDrawing::DottedT360, "t360°"),
    {"diamond index", Scale::S7, kSlide2, 0, 126, IndexDrawing::DiamondPointer,
     nullptr},  // a pointer, not a value
    OnItsColumn("12-km diamond", Scale::S12, kBottom2, 12, IndexDrawing::Diamond12, "12"),
    OnItsColumn("АМ index", Scale::S14, kSlide2, 160.9, IndexDrawing::DottedLabel, "АМ"),
    OnItsColumn("ММ index", Scale::S14, kSlide2, 185.2, IndexDrawing::DottedLabel, "ММ"),
    OnItsColumn("ФУТЫ index", Scale::S14, kSlide2, 328.1, IndexDrawing::DottedLabel, "футы"),
};

namespace {

void Draw(Canvas& c, const IndexMark& m) {
    const int x = m.column;
    const ScaleBand& band = BandOf(m.scale);
    TextStyle style;
    switch (m.drawing) {
        case IndexDrawing::Pi: {
            style.face = Face::Caption;
            style.v = VAlign::Bottom;
            const InkBox box = DrawText(c, m.label, style, x, 25);
            DottedVLine(c, x, box.bottom + 2, band.baseline - 1, kBlack);
            break;
        }
        case IndexDrawing::DashedT360: {
            for (int y = 24; y <= 46; ++y)
                if ((y - 24) % 4 != 3) c.Set(x, y, kMaroon);
            style.face = Face::Small;
            style.h = HAlign::Left;
            style.ink = kMaroon;
            DrawText(c, m.label, style, x + 3, 24);
            break;
        }
        case IndexDrawing::FramedNumeral:
            break;  // the frame goes round the numeral, see the numeral lists
        case IndexDrawing::CircularIndex: Ring(c, x, 15, 26, 6, kMaroon, true); break;
        case IndexDrawing::TriangleUp: Triangle(c, x, 15, 28, 6, kMaroon, kWhite); break;
        case IndexDrawing::TriangleDown:
            Triangle(c, x, 76, 65, 6, kBlack, kGrey);
            c.Set(x, 77, kBlack);  // the apex meets the tick
            break;
        case IndexDrawing::RCircle: {
            Ring(c, x, 67, 77, 5, kMaroon);
            style.face = Face::Small;
            style.ink = kMaroon;
            const InkBox r = MeasureText(m.label, style, x, 0);
            DrawText(c, m.label, style, x, 72 - r.Height() / 2);
            for (int y = 78; y < band.baseline; y += 2)
                Darken(c, x, y, kGrey);  // under a tick, the tick
            break;
        }
        case IndexDrawing::DottedT360: {
            // Scale 3's 10° stands three columns to the left, just above, and scale 4's 10° just
            // below: keep clear of both.
            DottedVLine(c, x, 64, 68, kBlack);
            style.face = Face::Small;
            style.h = HAlign::Left;
            style.v = VAlign::Bottom;
            DrawText(c, m.label, style, x + 8, 68);
            break;
        }
        case IndexDrawing::DiamondPointer:
            c.VLine(x, 1, 8, kGrey);
            Diamond(c, x, 9, 32, 6, kBlack, kGrey);
            break;
        case IndexDrawing::Diamond12: {
            Diamond(c, x, 13, 33, 10, kBlack, kWhite);
            c.VLine(x, band.baseline + 1, 12, kBlack);
            style.face = Face::Numeral;
            const InkBox n = MeasureText(m.label, style, x, 0);
            DrawText(c, m.label, style, x, 23 - n.Height() / 2);
            break;
        }
        case IndexDrawing::DottedLabel: {
            // Low enough to stand two clear rows under scale 16's second row of corrections.
            DottedVLine(c, x, band.labelTop - 2, 64, kBlack);
            style.face = Face::Caption;
            style.v = VAlign::Bottom;
            DrawText(c, m.label, style, x, 62);
            break;
        }
    }
}

}  // namespace

void DrawIndexMarks(Canvas& strip, int image) {
    for (const IndexMark& m : kIndexMarks)
        if (m.image == image) Draw(strip, m);
}

}  // namespace artwork
