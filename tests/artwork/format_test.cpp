// The image set as files: ids, sizes, pixel format, palette, frames, colours, determinism.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

#include "tests/artwork/generated.h"
#include "view/artwork/bmp_writer.h"
#include "view/artwork/image_set.h"

namespace artwork_test {
namespace {

struct ImageSize {
    int id, width, height;
};

const ImageSize kImageSizes[] = {
    {135, 1279, 49}, {134, 1279, 90}, {133, 1279, 56}, {138, 1279, 49}, {137, 1279, 90},
    {136, 1279, 56}, {143, 230, 9},   {142, 230, 16},  {141, 230, 10},  {146, 230, 9},
    {145, 230, 16},  {144, 230, 10},  {140, 39, 4},    {139, 39, 14},   {151, 32, 15},
};

// The standard sixteen-colour palette, R, G, B.
const int kStandardPalette[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},   {128, 128, 0},   {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255}, {255, 255, 255},
};

TEST(ImageFiles, EveryIdHasItsSizeAndTheFourBitFormat) {
    ASSERT_EQ(std::size(kImageSizes), artwork::kImageIds.size());
    for (const ImageSize& s : kImageSizes) {
        SCOPED_TRACE(s.id);
        const std::vector<std::uint8_t>& file = FileOf(s.id);
        const Bitmap& bmp = ImageOf(s.id);
        EXPECT_EQ(bmp.width, s.width);
        EXPECT_EQ(bmp.height, s.height);  // positive: stored bottom-up
        EXPECT_EQ(bmp.infoSize, 40u);
        EXPECT_EQ(bmp.planes, 1);
        EXPECT_EQ(bmp.bitsPerPixel, 4);
        EXPECT_EQ(bmp.compression, 0u);
        EXPECT_EQ(bmp.dataOffset, 14u + 40u + 64u);
        const std::size_t stride = ((s.width + 1) / 2 + 3) / 4 * 4;
        EXPECT_EQ(bmp.fileSize, file.size());
        EXPECT_EQ(file.size(), 118u + stride * s.height);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(bmp.palette[i][2], kStandardPalette[i][0]) << "entry " << i;
            EXPECT_EQ(bmp.palette[i][1], kStandardPalette[i][1]) << "entry " << i;
            EXPECT_EQ(bmp.palette[i][0], kStandardPalette[i][2]) << "entry " << i;
            EXPECT_EQ(bmp.palette[i][3], 0) << "entry " << i;
        }
    }
}

TEST(ImageFiles, RowsAreStoredBottomUpAndPaddedWithZeros) {
    // The toolbar's first pixel row is silver on top; its blue bar lies in rows 11-12 from the
    // top, so the stored row for row 11 is the fourth from the start of the data.
    const std::vector<std::uint8_t>& file = FileOf(151);
    const std::size_t stride = 16;  // 32 pixels, two a byte
    const std::size_t row11 = 118 + stride * (15 - 1 - 11);
    EXPECT_EQ(file[row11 + 8], 0xCC) << "columns 16-17 of row 11 are blue";
    EXPECT_EQ(file[118 + stride * 14], 0x77) << "the top row comes last";
    // The strips' rows are 640 bytes of pixels padded to 640: none. The cursor's 39 pixels take
    // 20 bytes padded to 20; the minis' 230 take 115 padded to 116.
    const std::vector<std::uint8_t>& mini = FileOf(143);
    for (int y = 0; y < 9; ++y) EXPECT_EQ(mini[118 + 116 * y + 115], 0) << "padding of stored row " << y;
}

TEST(ImageFiles, DrawingTwiceGivesTheSameBytes) {
    for (int id : artwork::kImageIds) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(artwork::EncodeBmp(artwork::DrawImage(id)) == FileOf(id));
    }
}

TEST(ImageFiles, TheGeneratorWritesExactlyTheFifteenFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 '") +
                                SKALOR_ARTWORK_EXE + "' '" + dir.path().toStdString() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 15);
    for (int id : artwork::kImageIds) {
        SCOPED_TRACE(id);
        std::ifstream in(dir.path().toStdString() + "/" + std::to_string(id) + ".bmp", std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_TRUE(bytes == FileOf(id)) << "the file differs from what the library draws";
    }
}

TEST(ImageFiles, TheGeneratorRefusesAMissingDirectoryArgument) {
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 '") +
                                SKALOR_ARTWORK_EXE + "' 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

TEST(Strips, EveryStripHasItsOnePixelBlackFrame) {
    for (int id : {133, 134, 135, 136, 137, 138}) {
        SCOPED_TRACE(id);
        const Bitmap& s = ImageOf(id);
        for (int x = 0; x < s.width; ++x) {
            ASSERT_EQ(s.At(x, 0), kBlack) << "top row, column " << x;
            ASSERT_EQ(s.At(x, s.height - 1), kBlack) << "bottom row, column " << x;
        }
        for (int y = 0; y < s.height; ++y) {
            ASSERT_EQ(s.At(0, y), kBlack) << "column 0, row " << y;
            ASSERT_EQ(s.At(s.width - 1, y), kBlack) << "column 1278, row " << y;
        }
        // Just inside the frame the background shows somewhere on every side.
        EXPECT_EQ(s.At(1, s.height / 2), kWhite);
        EXPECT_EQ(s.At(s.width - 2, s.height / 2), kWhite);
    }
}

TEST(Strips, InkIsBlackMaroonGreyOrSilverOnWhite) {
    for (int id : {133, 134, 135, 136, 137, 138}) {
        const Bitmap& s = ImageOf(id);
        std::set<int> used(s.pixels.begin(), s.pixels.end());
        EXPECT_TRUE(used.count(kGrey) && used.count(kSilver)) << id << ": lettering is smoothed";
        used.erase(kBlack), used.erase(kMaroon), used.erase(kGrey), used.erase(kSilver), used.erase(kWhite);
        EXPECT_TRUE(used.empty()) << id << " uses palette entry " << *used.begin();
    }
}

// The red marks are the t360 index, the circular and triangular indices of scale 2, the R
// index, and scale 13 with its caption; nothing else is maroon.
TEST(Strips, MaroonOnlyInTheRedMarks) {
    struct Region {
        int id, x0, x1, y0, y1;
    };
    const Region red[] = {
        {135, 970, 1010, 17, 47},  // t360: dashes on 973, label at the upper right
        {134, 655, 669, 15, 26},   // circular index
        {134, 742, 756, 15, 28},   // triangular index of scale 2
        {134, 397, 409, 67, 77},   // R index
        {136, 238, 350, 28, 54},   // "для КУС" and scale 13
    };
    for (int id : {133, 134, 135, 136, 137, 138}) {
        const Bitmap& s = ImageOf(id);
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x) {
                if (s.At(x, y) != kMaroon) continue;
                bool inside = false;
                for (const Region& r : red)
                    inside = inside || (r.id == id && x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1);
                ASSERT_TRUE(inside) << "maroon at " << id << " (" << x << ", " << y << ")";
            }
    }
    for (const Region& r : red) {
        int count = 0;
        for (int y = r.y0; y <= r.y1; ++y)
            for (int x = r.x0; x <= r.x1; ++x) count += ImageOf(r.id).At(x, y) == kMaroon;
        EXPECT_GE(count, 12) << "red mark of " << r.id << " at " << r.x0;
    }
}

}  // namespace
}  // namespace artwork_test
