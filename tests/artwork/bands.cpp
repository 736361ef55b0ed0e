#include "tests/artwork/bands.h"

namespace artwork_test {

const Band kBands[17] = {
    // scale      image  kind             base  ticks   columns     name
    {Scale::S1a, 135, Kind::Hanging,  11,   1, 10,  550, 973,   "1a"},
    {Scale::S1,  135, Kind::Standing, 40,  41, 47,   51, 1227,  "1"},
    {Scale::S2,  134, Kind::Hanging,  10,   1, 9,    52, 1228,  "2"},
    {Scale::S3,  134, Kind::FreeAxis, 46,  40, 52,  420, 836,   "3"},
    {Scale::S4,  134, Kind::Standing, 81,  82, 88,   29, 1251,  "4"},
    {Scale::S5,  133, Kind::Hanging,   9,   1, 8,    54, 1229,  "5"},
    {Scale::S6,  133, Kind::Standing, 50,  51, 54,   54, 1229,  "6"},
    {Scale::S7,  138, Kind::Standing, 39,  40, 47,   84, 201,   "7"},
    {Scale::S8,  138, Kind::Standing, 39,  40, 47,  235, 1200,  "8"},
    {Scale::S9,  137, Kind::Hanging,   8,   1, 7,   195, 1198,  "9"},
    {Scale::S16, 137, Kind::FreeAxis, 33,  30, 36,  418, 782,   "16"},
    {Scale::S10, 137, Kind::Standing, 79,  80, 88,   55, 120,   "10"},
    {Scale::S11, 137, Kind::Standing, 79,  80, 88,  288, 352,   "11"},
    {Scale::S14, 137, Kind::Standing, 79,  80, 88,  418, 1248,  "14"},
    {Scale::S12, 136, Kind::Hanging,   9,   1, 8,    84, 344,   "12"},
    {Scale::S15, 136, Kind::Hanging,   9,   1, 8,   418, 1199,  "15"},
    {Scale::S13, 136, Kind::FreeAxis, 38,  30, 37,  299, 344,   "13"},
};

void PrintTo(const Band& band, std::ostream* os) { *os << "scale " << band.name; }

const Band& BandFor(Scale s) {
    for (const Band& b : kBands)
        if (b.scale == s) return b;
    return kBands[0];
}

std::vector<int> InkColumns(const Bitmap& b, int row, int x0, int x1) {
    std::vector<int> columns;
    for (int x = x0; x <= x1; ++x)
        if (Ink(b, x, row)) columns.push_back(x);
    return columns;
}

std::vector<int> TickRows(const Band& band) {
    std::vector<int> rows;
    for (int y = band.tickTop; y <= band.tickBottom; ++y)
        if (y != band.baseline) rows.push_back(y);
    return rows;
}

bool TickExactlyAt(Scale s, int column) {
    const Band& band = BandFor(s);
    const Bitmap& b = ImageOf(band.image);
    const std::vector<int> rows = TickRows(band);
    for (int y : rows)
        if (!Ink(b, column, y)) return false;
    return !Ink(b, column - 1, rows.front()) && !Ink(b, column + 1, rows.front());
}

}  // namespace artwork_test
