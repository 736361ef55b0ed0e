#include "model/mark_columns.h"

#include <cmath>

namespace model {

// Anchor columns of the position rules, and the end marks of scales that start or stop off
// their rule (scales 8 and 9 are graduated from 0.4 km, scale 6 ends at 31.6).
// clang-format off
const FixedColumn kAnchors[] = {
    {Scale::S1a, 30, 550},  {Scale::S1a, 60, 667},  {Scale::S1a, 90, 738},  {Scale::S1a, 180, 856},  {Scale::S1a, 360, 973},
    {Scale::S1, 1, 51},     {Scale::S1, 2, 169},    {Scale::S1, 10, 442},   {Scale::S1, 100, 834},   {Scale::S1, 1000, 1227},
    {Scale::S2, 1, 52},     {Scale::S2, 2, 170},    {Scale::S2, 10, 443},   {Scale::S2, 100, 836},   {Scale::S2, 1000, 1228},
    {Scale::S3, 5, 420},    {Scale::S3, 10, 537},   {Scale::S3, 30, 718},   {Scale::S3, 90, 836},
    {Scale::S4, 0.5, 29},   {Scale::S4, 1, 147},    {Scale::S4, 5, 421},    {Scale::S4, 10, 540},    {Scale::S4, 45, 836},   {Scale::S4, 85, 1251},
    {Scale::S5, 1, 54},     {Scale::S5, 2, 171},    {Scale::S5, 10, 445},   {Scale::S5, 100, 837},   {Scale::S5, 1000, 1229},
    {Scale::S6, 1, 54},     {Scale::S6, 2, 289},    {Scale::S6, 10, 836},   {Scale::S6, 30, 1211},   {Scale::S6, 31.6, 1229},
    {Scale::S7, -120, 84},  {Scale::S7, -80, 109},  {Scale::S7, 0, 154},    {Scale::S7, 40, 174},    {Scale::S7, 80, 193},   {Scale::S7, 100, 201},
    {Scale::S8, 0.4, 235},  {Scale::S8, 0.5, 297},  {Scale::S8, 1, 494},    {Scale::S8, 2, 691},     {Scale::S8, 5, 951},    {Scale::S8, 10, 1148},  {Scale::S8, 12, 1200},
    {Scale::S9, 0.4, 195},  {Scale::S9, 0.5, 256},  {Scale::S9, 1, 455},    {Scale::S9, 2, 655},     {Scale::S9, 5, 925},    {Scale::S9, 10, 1139},  {Scale::S9, 12, 1198},
    {Scale::S10, -75, 55},  {Scale::S10, -70, 63},  {Scale::S10, -50, 93},  {Scale::S10, -30, 120},
    {Scale::S11, -70, 288}, {Scale::S11, -60, 296}, {Scale::S11, -30, 317}, {Scale::S11, 0, 336},    {Scale::S11, 30, 352},
    {Scale::S12, 12, 84},   {Scale::S12, 9, 156},   {Scale::S12, 6, 224},   {Scale::S12, 3, 286},    {Scale::S12, 0, 344},
    {Scale::S13, 11, 299},  {Scale::S13, 8, 314},   {Scale::S13, 5, 326},   {Scale::S13, 2, 338},    {Scale::S13, 0, 344},
    {Scale::S14, 100, 418}, {Scale::S14, 200, 636}, {Scale::S14, 500, 924}, {Scale::S14, 1000, 1142}, {Scale::S14, 1400, 1248},
    {Scale::S15, 100, 418}, {Scale::S15, 200, 636}, {Scale::S15, 500, 924}, {Scale::S15, 1000, 1142}, {Scale::S15, 1200, 1199},
    {Scale::S16, 100, 418}, {Scale::S16, 500, 530}, {Scale::S16, 1000, 670}, {Scale::S16, 1400, 782},
};
// clang-format on
const int kAnchorCount = sizeof(kAnchors) / sizeof(kAnchors[0]);

// Marks whose column the lessons read across a strip join. Rounding the rule would put five
// of them one column off (2's 12, 3's 40°, 4's 15°, 14's and 15's 305, 14's 1200); the rest
// are listed so that the facts the lessons rely on have one place.
// clang-format off
const FixedColumn kAlignmentPins[] = {
    {Scale::S1a, 50, 637},  {Scale::S1, 23, 584},    {Scale::S2, 12, 474},   {Scale::S2, 15, 513},
    {Scale::S3, 40, 760},   {Scale::S4, 15, 611},    {Scale::S5, 64, 761},   {Scale::S6, 3, 427},
    {Scale::S11, -10, 330}, {Scale::S14, 305, 768},  {Scale::S14, 350, 812}, {Scale::S14, 370, 830},
    {Scale::S14, 1200, 1199},  // scale 15 ends there, and 14 stands mark for mark over 15
    {Scale::S15, 305, 768}, {Scale::S15, 350, 812},  {Scale::S15, 370, 830}, {Scale::S16, 800, 614},
};
// clang-format on
const int kAlignmentPinCount = sizeof(kAlignmentPins) / sizeof(kAlignmentPins[0]);

// clang-format off
const FixedColumn kIndexColumns[] = {
    {Scale::S1, kPi, 245},       {Scale::S1, 72 * kPi, 973},   {Scale::S2, 10, 443},
    {Scale::S2, 100, 836},       {Scale::S2, 36, 662},         {Scale::S2, 60, 749},
    {Scale::S4, 45, 836},        {Scale::S4, 4.4999028, 403},  // R: tan = 0.0787
    {Scale::S4, 10, 540},        {Scale::S12, 12, 84},         {Scale::S14, 100, 418},
    {Scale::S14, 160.9, 568},    {Scale::S14, 185.2, 612},     {Scale::S14, 328.1, 791},
};
// clang-format on
const int kIndexColumnCount = sizeof(kIndexColumns) / sizeof(kIndexColumns[0]);

namespace {

bool Same(double a, double b) { return std::fabs(a - b) <= 1e-6 * (1.0 + std::fabs(b)); }

}  // namespace

double MarkPosition(Scale s, double value) {
    for (int i = 0; i < kAnchorCount; ++i)
        if (kAnchors[i].scale == s && Same(kAnchors[i].value, value)) return kAnchors[i].column;
    return Column(s, value);
}

int MarkColumn(Scale s, double value) {
    for (int i = 0; i < kAlignmentPinCount; ++i)
        if (kAlignmentPins[i].scale == s && Same(kAlignmentPins[i].value, value))
            return kAlignmentPins[i].column;
    return static_cast<int>(std::lround(MarkPosition(s, value)));
}

int IndexColumn(Scale s, double value) {
    // An index mark is known by where its rule puts it: within a column and a half.
    for (int i = 0; i < kIndexColumnCount; ++i) {
        const FixedColumn& mark = kIndexColumns[i];
        if (mark.scale == s && std::fabs(Column(s, mark.value) - Column(s, value)) <= 1.5)
            return mark.column;
    }
    return MarkColumn(s, value);
}

}  // namespace model
