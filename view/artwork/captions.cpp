#include "view/artwork/captions.h"

#include "model/scale_bands.h"
#include "view/artwork/lettering.h"

namespace artwork {

using namespace model;  // the scales the artwork draws
namespace {

enum class Layout {
    Spaced,   // spaced capitals filling the columns from edge to edge
    Centred,  // natural width, centred between the columns
};

struct Caption {
    int image;
    const char* text;
    int x0, x1;    // strip columns
    int baseline;  // row
    Layout layout;
    Face face;
    std::uint8_t ink;
};

constexpr std::uint8_t k = kBlack;

// clang-format off
const Caption kCaptions[] = {
    // image   text                                          columns      base  layout            face            ink
    {kTop1,    "РАССТОЯНИЕ (КМ)",                            150, 355,    16,   Layout::Spaced,   Face::Caption,  k},
    {kTop1,    "УГЛЫ",                                       480, 545,    10,   Layout::Centred,  Face::Caption,  k},
    {kTop1,    "РАЗВОРОТА",                                  480, 545,    21,   Layout::Centred,  Face::Caption,  k},
    {kTop1,    "СКОРОСТЬ (КМ/ЧАС)",                          1005, 1235,  16,   Layout::Spaced,   Face::Caption,  k},

    {kSlide1,  "ВРЕМЯ (в мин. или сек.)",                    60, 195,     32,   Layout::Spaced,   Face::Caption,  k},
    {kSlide1,  "ВРЕМЯ (в час. или мин.)",                    1050, 1195,  32,   Layout::Spaced,   Face::Caption,  k},
    {kSlide1,  "УВ = НВ − ПУ",                               1050, 1195,  44,   Layout::Centred,  Face::Caption,  k},
    {kSlide1,  "СИНУСЫ",                                     340, 404,    50,   Layout::Spaced,   Face::Caption,  k},
    {kSlide1,  "ТАНГЕНСЫ",                                   1028, 1113,  67,   Layout::Spaced,   Face::Caption,  k},

    {kBottom1, "РАДИУСЫ РАЗВОРОТА — РАССТОЯНИЯ — ВЫСОТЫ",    130, 610,    33,   Layout::Spaced,   Face::Caption,  k},
    {kBottom1, "V:100",                                      17, 46,      50,   Layout::Centred,  Face::Caption,  k},

    {kTop2,    "t₀ + tн",                                    128, 160,    22,   Layout::Centred,  Face::Caption,  k},
    {kTop2,    "ИСПРАВЛЕННАЯ ВЫСОТА",                        580, 870,    20,   Layout::Spaced,   Face::Caption,  k},

    {kSlide2,  "ВЫСОТА ПО ПРИБОРУ",                          945, 1162,   28,   Layout::Spaced,   Face::Caption,  k},
    {kSlide2,  "V ист.",                                     350, 410,    28,   Layout::Centred,  Face::Caption,  k},
    {kSlide2,  "Δt° для ТУЭ",                                350, 410,    43,   Layout::Centred,  Face::Caption,  k},
    {kSlide2,  "для высоты",                                 45, 123,     52,   Layout::Centred,  Face::Caption,  k},
    {kSlide2,  "более 12 000 м.",                            45, 123,     62,   Layout::Centred,  Face::Caption,  k},
    {kSlide2,  "температура на высоте",                      130, 285,    65,   Layout::Centred,  Face::Caption,  k},
    {kSlide2,  "для скорости",                               285, 355,    65,   Layout::Centred,  Face::Caption,  k},
    {kSlide2,  "ИСПРАВЛЕННЫЕ ВЫСОТА И СКОРОСТЬ",             820, 1170,   55,   Layout::Spaced,   Face::Caption,  k},

    // From three blank columns right of the 12-km diamond (columns 74-94), which it would cross.
    {kBottom2, "высоты по прибору (км)",                     98, 242,     30,   Layout::Spaced,   Face::Caption,  k},
    {kBottom2, "для КУС",                                    238, 282,    42,   Layout::Centred,  Face::Caption,  kMaroon},
    {kBottom2, "ВЫСОТА И СКОРОСТЬ ПО ПРИБОРУ",               558, 915,    42,   Layout::Spaced,   Face::Caption,  k},
    {kBottom2, "Skalor",                                     1054, 1134,  51,   Layout::Centred,  Face::Large,    k},
};
// clang-format on

}  // namespace

void DrawCaptions(Canvas& strip, int image) {
    for (const Caption& c : kCaptions) {
        if (c.image != image) continue;
        TextStyle style;
        style.face = c.face;
        style.v = VAlign::Baseline;
        style.ink = c.ink;
        if (c.layout == Layout::Spaced)
            DrawSpread(strip, c.text, style, c.x0, c.x1, c.baseline);
        else
            DrawText(strip, c.text, style, (c.x0 + c.x1) / 2, c.baseline);
    }
}

}  // namespace artwork
