#include "model/scale_bands.h"

namespace model {

// Labelled and half-way ticks run two or three rows past the ordinary ones, across the
// baseline toward the numerals; on the free axes of scales 3 and 16 both ways, on scale 13
// below the axis only.
// clang-format off
const ScaleBand kScaleBands[17] = {
    // scale      image    band            base  ticks    labelled  columns      maroon
    {Scale::S1a, kTop1,    Band::Hanging,  11,   1, 10,   1, 14,    550, 973,    false},
    {Scale::S1,  kTop1,    Band::Standing, 40,  41, 47,  37, 47,     51, 1227,   false},
    {Scale::S2,  kSlide1,  Band::Hanging,  10,   1, 9,    1, 13,     52, 1228,   false},
    {Scale::S3,  kSlide1,  Band::FreeAxis, 46,  40, 52,  38, 54,    420, 836,    false},
    {Scale::S4,  kSlide1,  Band::Standing, 81,  82, 88,  78, 88,     29, 1251,   false},
    {Scale::S5,  kBottom1, Band::Hanging,   9,   1, 8,    1, 12,     54, 1229,   false},
    {Scale::S6,  kBottom1, Band::Standing, 50,  51, 54,  47, 54,     54, 1229,   false},
    {Scale::S7,  kTop2,    Band::Standing, 39,  40, 47,  36, 47,     84, 201,    false},
    {Scale::S8,  kTop2,    Band::Standing, 39,  40, 47,  36, 47,    235, 1200,   false},
    {Scale::S9,  kSlide2,  Band::Hanging,   8,   1, 7,    1, 10,    195, 1198,   false},
    {Scale::S16, kSlide2,  Band::FreeAxis, 33,  30, 36,  28, 38,    418, 782,    false},
    {Scale::S10, kSlide2,  Band::Standing, 79,  80, 88,  76, 88,     55, 120,    false},
    {Scale::S11, kSlide2,  Band::Standing, 79,  80, 88,  76, 88,    288, 352,    false},
    {Scale::S14, kSlide2,  Band::Standing, 79,  80, 88,  76, 88,    418, 1248,   false},
    {Scale::S12, kBottom2, Band::Hanging,   9,   1, 8,    1, 12,     84, 344,    false},
    {Scale::S15, kBottom2, Band::Hanging,   9,   1, 8,    1, 12,    418, 1199,   false},
    {Scale::S13, kBottom2, Band::FreeAxis, 38,  30, 37,  30, 42,    299, 344,    true},
};
// clang-format on

const ScaleBand& BandOf(Scale s) {
    for (const ScaleBand& b : kScaleBands)
        if (b.scale == s) return b;
    return kScaleBands[0];
}

int StripHeight(int image) {
    switch (image) {
        case kTop1:
        case kTop2: return 49;
        case kSlide1:
        case kSlide2: return 90;
        default: return 56;
    }
}

}  // namespace model
