// The mini-map images, the cursor and the toolbar strip.
#include <gtest/gtest.h>

#include <set>

#include "tests/artwork/support.h"
#include "view/artwork/image_set.h"

namespace artwork_test {
namespace {

// Full column x lies in mini column c when 1279·c/230 <= x < 1279·(c+1)/230.
int MiniColumnOf(int x) {
    int c = 0;
    while (1279.0 * (c + 1) / 230.0 <= x) ++c;
    return c;
}

const int kMinis[6][3] = {{143, 135, 9}, {142, 134, 16}, {141, 133, 10},
                          {146, 138, 9}, {145, 137, 16}, {144, 136, 10}};

TEST(Minis, HoldOnlyWhiteSilverAndGreyWithTheFrameAsASilverEdge) {
    for (const auto& [id, strip, height] : kMinis) {
        SCOPED_TRACE(id);
        const Bitmap& b = ImageOf(id);
        EXPECT_EQ(std::set<int>(b.pixels.begin(), b.pixels.end()),
                  (std::set<int>{kWhite, kSilver, kGrey}));
        EXPECT_EQ(CountOf(b, 0, 229, 0, 0, {kSilver}) +
                      CountOf(b, 0, 229, height - 1, height - 1, {kSilver}),
                  2 * 230);
        EXPECT_EQ(CountOf(b, 0, 0, 0, height - 1, {kSilver}), height);
        // Inside the edge, a column whose block of strip columns is empty inside the frame
        // stays white.
        const Bitmap& s = ImageOf(strip);
        int empty = 0;
        for (int c = 1; c < 229; ++c) {
            bool stripInk = false;
            for (int x = 0; x < 1279; ++x)
                if (MiniColumnOf(x) == c)
                    stripInk =
                        stripInk || CountOf(s, x, x, 1, s.height - 2, {kWhite}) < s.height - 2;
            if (stripInk) continue;
            ++empty;
            EXPECT_EQ(CountOf(b, c, c, 1, height - 2, {kWhite}), height - 2) << "column " << c;
        }
        EXPECT_GT(empty, 0);
    }
}

TEST(Minis, ScaleOnesTenAndThousandShowInColumns79And220OfImage143) {
    EXPECT_EQ(MiniColumnOf(442), 79);
    EXPECT_EQ(MiniColumnOf(1227), 220);
    const Bitmap& mini = ImageOf(143);
    for (int column : {79, 220})
        EXPECT_GE(CountOf(mini, column, column, 5, 7, {kSilver, kGrey}), 2) << column;
    EXPECT_EQ(CountOf(mini, 223, 228, 7, 7, {kWhite}), 6) << "scale 1 ends at its 1000";
}

TEST(Minis, ReductionMapsEachStripColumnToItsMiniColumnAndGreysFullBlocks) {
    for (int offset = 0; offset < 13; ++offset) {  // a dark column every 13, thirteen times over
        artwork::Canvas strip(1279, 49, artwork::kWhite);
        std::set<int> expected, shown;
        for (int x = offset; x < 1279; x += 13) {
            strip.VLine(x, 0, 48, artwork::kBlack);
            expected.insert(MiniColumnOf(x));
        }
        const artwork::Canvas mini = artwork::ReduceToMini(strip, 9);
        for (int c = 0; c < 230; ++c)
            for (int y = 0; y < 9; ++y)
                if (mini.At(c, y) != artwork::kWhite) shown.insert(c);
        ASSERT_EQ(shown, expected) << "columns every 13 from " << offset;
    }
    artwork::Canvas half(1279, 49, artwork::kWhite);
    half.Fill(0, 0, 640, 48, artwork::kBlack);
    EXPECT_EQ(artwork::ReduceToMini(half, 9).At(50, 4), artwork::kGrey);
    EXPECT_EQ(artwork::ReduceToMini(half, 9).At(180, 4), artwork::kWhite);
}

int InkOf(char c) {
    return c == 'K' ? kBlack : c == 'G' ? kGrey : c == 'S' ? kSilver : c == 'B' ? kBlue : kWhite;
}

TEST(Cursor, CapIsPixelForPixelTheRunnersTop) {
    // Black top edge on columns 3-35, black steps down the corners with grey outside, grey in
    // row 3 continuing the edge lines at columns 7 and 31.
    // clang-format off
    const char* const expected[4] = {
        "GGGKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKGGG",
        "GGKSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSKGG",
        "GKSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSKG",
        "KSSSSSSGSSSSSSSSSSSSSSSSSSSSSSSGSSSSSSK",
    };
    // clang-format on
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 39; ++x)
            EXPECT_EQ(ImageOf(140).At(x, y), InkOf(expected[y][x])) << x << ", " << y;
}

TEST(Cursor, GripHasItsEdgesBevelsEdgeMarksAndTwoStuds) {
    const Bitmap& grip = ImageOf(139);
    EXPECT_EQ(CountOf(grip, 0, 0, 0, 8, {kBlack}) + CountOf(grip, 38, 38, 0, 8, {kBlack}), 18);
    for (int k = 0; k < 4; ++k) {  // rows 9-12 step in a column a row, grey outside
        EXPECT_EQ(grip.At(1 + k, 9 + k), kBlack);
        EXPECT_EQ(grip.At(37 - k, 9 + k), kBlack);
        EXPECT_EQ(CountOf(grip, 0, k, 9 + k, 9 + k, {kGrey}) +
                      CountOf(grip, 38 - k, 38, 9 + k, 9 + k, {kGrey}),
                  2 * (k + 1));
    }
    EXPECT_EQ(CountOf(grip, 5, 33, 13, 13, {kBlack}), 29);
    EXPECT_EQ(CountOf(grip, 0, 4, 13, 13, {kGrey}) + CountOf(grip, 34, 38, 13, 13, {kGrey}), 10);
    EXPECT_EQ(CountOf(grip, 7, 7, 0, 1, {kGrey}) + CountOf(grip, 31, 31, 0, 1, {kGrey}), 4);
    for (int left : {4, 31}) {
        const Box stud = BoundsOf(grip, left - 1, left + 4, 2, 10, {kBlack});
        EXPECT_TRUE(stud.left == left && stud.right == left + 3 && stud.top == 6 &&
                    stud.bottom == 9)
            << left;
        EXPECT_EQ(grip.At(left + 1, 7), kWhite) << "highlight";
    }
    EXPECT_EQ(CountOf(grip, 9, 29, 0, 12, {kSilver}), 21 * 13) << "the body between the studs";
}

TEST(Toolbar, ABlankButtonThenTheBlueUndoGlyph) {
    const Bitmap& bar = ImageOf(151);
    EXPECT_EQ(CountOf(bar, 0, 15, 0, 14, {kSilver}), 16 * 15) << "the first button is blank";
    EXPECT_EQ(CountOf(bar, 16, 31, 0, 14, {kSilver, kBlue}), 16 * 15);
    EXPECT_EQ(CountOf(bar, 16, 24, 11, 12, {kBlue}), 18) << "the bar";
    for (int x : {26, 28, 30})
        EXPECT_EQ(
            CountOf(bar, x, x, 11, 12, {kBlue}) + CountOf(bar, x - 1, x - 1, 11, 12, {kSilver}), 4);
    for (int y : {0, 10, 13, 14}) EXPECT_EQ(CountOf(bar, 16, 31, y, y, {kBlue}), 0) << y;
    const Box arc = BoundsOf(bar, 16, 31, 0, 9, {kBlue});
    EXPECT_EQ(arc.top, 1);
    EXPECT_EQ(arc.bottom, 9);
    EXPECT_GE(CountOf(bar, 26, 31, 4, 8, {kBlue}), 5) << "down the right side";
    EXPECT_GE(CountOf(bar, 26, 31, 9, 9, {kBlue}), 1) << "starting low on the right";
    EXPECT_GE(CountOf(bar, 17, 20, 3, 6, {kBlue}), 9) << "a solid arrowhead at the lower left";
}

}  // namespace
}  // namespace artwork_test
