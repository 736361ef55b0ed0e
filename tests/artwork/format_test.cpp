// The image set as files: ids, sizes, pixel format, palette, determinism, frames and colours.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "tests/artwork/support.h"
#include "view/artwork/bmp_writer.h"
#include "view/artwork/image_set.h"

namespace artwork_test {
namespace {

// clang-format off
const int kSizes[15][3] = {
    {135, 1279, 49}, {134, 1279, 90}, {133, 1279, 56}, {138, 1279, 49}, {137, 1279, 90}, {136, 1279, 56}, {143, 230, 9},
    {142, 230, 16},  {141, 230, 10},  {146, 230, 9},   {145, 230, 16},  {144, 230, 10},  {140, 39, 4},    {139, 39, 14},
    {151, 32, 15},
};
// clang-format on

// The standard sixteen-colour palette, R, G, B.
// clang-format off
const int kStandardPalette[16][3] = {
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
// clang-format on

TEST(ImageFiles, EveryIdHasItsSizeTheFourBitFormatAndThePalette) {
    ASSERT_EQ(artwork::kImageIds.size(), 15u);
    for (const auto& [id, width, height] : kSizes) {
        SCOPED_TRACE(id);
        const Bitmap& bmp = ImageOf(id);
        EXPECT_EQ(bmp.width, width);
        EXPECT_EQ(bmp.height, height);  // positive: stored bottom-up
        EXPECT_EQ(bmp.infoSize, 40u);
        EXPECT_EQ(bmp.planes, 1);
        EXPECT_EQ(bmp.bitsPerPixel, 4);
        EXPECT_EQ(bmp.compression, 0u);
        EXPECT_EQ(bmp.dataOffset, 118u);
        const std::size_t stride = ((width + 1) / 2 + 3) / 4 * 4;
        EXPECT_EQ(bmp.fileSize, FileOf(id).size());
        EXPECT_EQ(FileOf(id).size(), 118u + stride * height);
        for (int i = 0; i < 16; ++i)
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(bmp.palette[i][2 - k], kStandardPalette[i][k]) << "entry " << i;
    }
}

TEST(ImageFiles, RowsAreStoredBottomUp) {
    const std::vector<std::uint8_t>& file = FileOf(151);  // 16 bytes a row
    EXPECT_EQ(file[118 + 16 * (14 - 11) + 8], 0xCC)
        << "row 11 from the top: the blue bar at columns 16-17";
    EXPECT_EQ(file[118 + 16 * 14], 0x77) << "the top row, silver, comes last";
}

TEST(ImageFiles, DrawingAgainAndTheGeneratorGiveTheSameBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string run = std::string("QT_QPA_PLATFORM=offscreen '") + SKALOR_ARTWORK_EXE + "' ";
    ASSERT_EQ(std::system((run + "'" + dir.path().toStdString() + "' 2>/dev/null").c_str()), 0);
    EXPECT_NE(std::system((run + "2>/dev/null").c_str()), 0) << "no output directory given";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 15);
    for (int id : artwork::kImageIds) {
        std::ifstream in(dir.path().toStdString() + "/" + std::to_string(id) + ".bmp",
                         std::ios::binary);
        const std::vector<std::uint8_t> written{std::istreambuf_iterator<char>(in),
                                                std::istreambuf_iterator<char>()};
        EXPECT_TRUE(written == FileOf(id)) << id << " as written by skalor-artwork";
        EXPECT_TRUE(artwork::EncodeBmp(artwork::DrawImage(id)) == FileOf(id))
            << id << " drawn a second time";
    }
}

TEST(Strips, HaveAOnePixelBlackFrameAndOnlyBlackMaroonGreyAndSilverInkOnWhite) {
    for (int id : {133, 134, 135, 136, 137, 138}) {
        SCOPED_TRACE(id);
        const Bitmap& s = ImageOf(id);
        EXPECT_EQ(CountOf(s, 0, s.width - 1, 0, 0, {kBlack}) +
                      CountOf(s, 0, s.width - 1, s.height - 1, s.height - 1, {kBlack}),
                  2 * s.width);
        EXPECT_EQ(CountOf(s, 0, 0, 0, s.height - 1, {kBlack}) +
                      CountOf(s, s.width - 1, s.width - 1, 0, s.height - 1, {kBlack}),
                  2 * s.height);
        EXPECT_EQ(s.At(1, s.height / 2), kWhite);
        std::set<int> used(s.pixels.begin(), s.pixels.end());
        EXPECT_TRUE(used.count(kGrey) && used.count(kSilver)) << "lettering is smoothed";
        for (int ink : {kBlack, kMaroon, kGrey, kSilver, kWhite}) used.erase(ink);
        EXPECT_TRUE(used.empty()) << "uses palette entry " << *used.begin();
    }
}

// The red marks: the t360 index, the circular and triangular indices of scale 2, the R index,
// scale 13 and its caption. Nothing else is maroon.
TEST(Strips, MaroonOnlyInTheRedMarks) {
    // clang-format off
    const int red[][5] = {
        {135, 970, 1010, 17, 47},  // t360: dashes on 973, label at the upper right
        {134, 655, 669, 15, 26},   // circular index
        {134, 742, 756, 15, 28},   // triangular index of scale 2
        {134, 397, 409, 67, 77},   // R index
        {136, 236, 350, 28, 54},   // "для КУС" and scale 13
    };
    // clang-format on
    for (int id : {133, 134, 135, 136, 137, 138}) {
        const Bitmap& s = ImageOf(id);
        int inside = 0;
        for (const auto& r : red)
            if (r[0] == id) inside += CountOf(s, r[1], r[2], r[3], r[4], {kMaroon});
        EXPECT_EQ(CountOf(s, 0, s.width - 1, 0, s.height - 1, {kMaroon}), inside) << id;
    }
    for (const auto& r : red)
        EXPECT_GE(CountOf(ImageOf(r[0]), r[1], r[2], r[3], r[4], {kMaroon}), 12) << r[1];
}

}  // namespace
}  // namespace artwork_test
