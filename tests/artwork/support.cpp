#include "tests/artwork/support.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <map>
#include <memory>

#include "view/artwork/bmp_writer.h"
#include "view/artwork/image_set.h"

namespace artwork_test {
namespace {

// Lettering needs a QGuiApplication for the whole run.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_artwork";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

  private:
    std::unique_ptr<QGuiApplication> m_app;
};
::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

}  // namespace

Bitmap Decode(const std::vector<std::uint8_t>& file) {
    Bitmap bmp;
    if (file.size() < 118 || file[0] != 'B' || file[1] != 'M') {
        ADD_FAILURE() << "not a BMP file";
        return bmp;
    }
    bmp.fileSize = U32(file, 2);
    bmp.dataOffset = U32(file, 10);
    bmp.infoSize = U32(file, 14);
    bmp.width = static_cast<std::int32_t>(U32(file, 18));
    bmp.height = static_cast<std::int32_t>(U32(file, 22));
    bmp.planes = static_cast<int>(U16(file, 26));
    bmp.bitsPerPixel = static_cast<int>(U16(file, 28));
    bmp.compression = U32(file, 30);
    for (int i = 0; i < 16; ++i)
        for (int k = 0; k < 4; ++k) bmp.palette[i][k] = file[14 + bmp.infoSize + 4 * i + k];
    const std::size_t stride = ((static_cast<std::size_t>(bmp.width) * 4 + 31) / 32) * 4;
    if (bmp.bitsPerPixel != 4 || bmp.width <= 0 || bmp.height <= 0 ||
        file.size() < bmp.dataOffset + stride * bmp.height) {
        ADD_FAILURE() << "not a 4-bit bottom-up BMP of the size it claims";
        return Bitmap{};
    }
    bmp.pixels.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t row = bmp.dataOffset + stride * (bmp.height - 1 - y);
        for (int x = 0; x < bmp.width; ++x) {
            const std::uint8_t byte = file[row + x / 2];
            bmp.pixels[static_cast<std::size_t>(y) * bmp.width + x] =
                (x % 2 == 0) ? byte >> 4 : byte & 0x0f;
        }
    }
    return bmp;
}

const std::vector<std::uint8_t>& FileOf(int id) {
    static std::map<int, std::vector<std::uint8_t>> files;
    auto it = files.find(id);
    if (it == files.end()) it = files.emplace(id, artwork::EncodeBmp(artwork::DrawImage(id))).first;
    return it->second;
}

const Bitmap& ImageOf(int id) {
    static std::map<int, Bitmap> images;
    auto it = images.find(id);
    if (it == images.end()) it = images.emplace(id, Decode(FileOf(id))).first;
    return it->second;
}

// clang-format off
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
// clang-format on

const Band& BandFor(Scale s) {
    for (const Band& b : kBands)
        if (b.scale == s) return b;
    return kBands[0];
}

void PrintTo(const Band& band, std::ostream* os) { *os << "scale " << band.name; }

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

Box BoundsOf(const Bitmap& b, int x0, int x1, int y0, int y1, std::initializer_list<int> inks) {
    Box box;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (int ink : inks)
                if (b.At(x, y) == ink) {
                    box.left = std::min(box.left, x), box.right = std::max(box.right, x);
                    box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
                }
    return box;
}

int CountOf(const Bitmap& b, int x0, int x1, int y0, int y1, std::initializer_list<int> inks) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (int ink : inks) n += b.At(x, y) == ink;
    return n;
}

}  // namespace artwork_test
