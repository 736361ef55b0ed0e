// The image set as the program receives it (drawn once per run, encoded, and read back with a
// decoder of the tests' own), the scale catalogue's bands, and helpers that find marks.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <vector>

#include "model/position_rules.h"

namespace artwork_test {

using model::Scale;

struct Bitmap {
    int width = 0, height = 0, planes = 0, bitsPerPixel = 0;
    std::uint32_t compression = 0, fileSize = 0, infoSize = 0, dataOffset = 0;
    std::uint8_t palette[16][4] = {};  // B, G, R, reserved
    std::vector<std::uint8_t> pixels;  // palette indices, rows top-down
    int At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

constexpr int kBlack = 0, kMaroon = 1, kSilver = 7, kGrey = 8, kBlue = 12, kWhite = 15;

Bitmap Decode(const std::vector<std::uint8_t>& file);  // fails the test on a malformed file
const std::vector<std::uint8_t>& FileOf(int id);       // drawn once and cached
const Bitmap& ImageOf(int id);

enum class Kind { Hanging, Standing, FreeAxis };

struct Band {
    Scale scale;
    int image;
    Kind kind;
    int baseline;
    int tickTop, tickBottom;  // the ordinary tick rows
    int first, last;          // printed run, columns
    const char* name;
};
extern const Band kBands[17];
const Band& BandFor(Scale s);
void PrintTo(const Band& band, std::ostream* os);

inline bool Ink(const Bitmap& b, int x, int y) { return b.At(x, y) != kWhite; }
std::vector<int> InkColumns(const Bitmap& b, int row, int x0, int x1);
std::vector<int> TickRows(const Band& band);  // ordinary tick rows, the baseline left out
// Scale s has a tick exactly on `column`: ink on every ordinary row, white either side.
bool TickExactlyAt(Scale s, int column);

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < left; }
    double CentreX() const { return (left + right) / 2.0; }
};
// The box round the pixels of colours `inks` in columns x0..x1, rows y0..y1.
Box BoundsOf(const Bitmap& b, int x0, int x1, int y0, int y1, std::initializer_list<int> inks);
int CountOf(const Bitmap& b, int x0, int x1, int y0, int y1, std::initializer_list<int> inks);

}  // namespace artwork_test
