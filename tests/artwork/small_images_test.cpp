// The mini-map images, the cursor and the toolbar strip.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/artwork/generated.h"
#include "view/artwork/image_set.h"

namespace artwork_test {
namespace {

struct Mini {
    int id, strip, height;
};
const Mini kMinis[] = {{143, 135, 9}, {142, 134, 16}, {141, 133, 10}, {146, 138, 9}, {145, 137, 16}, {144, 136, 10}};

// Full column x lies in mini column c when 1279·c/230 <= x < 1279·(c+1)/230.
int MiniColumnOf(int x) {
    int c = 0;
    while (1279.0 * (c + 1) / 230.0 <= x) ++c;
    return c;
}

TEST(Minis, HoldOnlyWhiteSilverAndGreyWithASilverFrameEdge) {
    for (const Mini& m : kMinis) {
        SCOPED_TRACE(m.id);
        const Bitmap& b = ImageOf(m.id);
        std::set<int> used(b.pixels.begin(), b.pixels.end());
        EXPECT_EQ(used, (std::set<int>{kWhite, kSilver, kGrey}));
        for (int x = 0; x < b.width; ++x) {
            EXPECT_EQ(b.At(x, 0), kSilver);
            EXPECT_EQ(b.At(x, b.height - 1), kSilver);
        }
        for (int y = 0; y < b.height; ++y) EXPECT_EQ(b.At(0, y), kSilver);
    }
}

TEST(Minis, ScaleOnesTenAndThousandShowInColumns79And220) {
    const Bitmap& mini = ImageOf(143);
    EXPECT_EQ(MiniColumnOf(442), 79);
    EXPECT_EQ(MiniColumnOf(1227), 220);
    // Scale 1's numerals and long ticks fill full rows 28 to 47: mini rows 5 to 8.
    for (int column : {79, 220}) {
        int ink = 0;
        for (int y = 5; y <= 7; ++y) ink += mini.At(column, y) != kWhite;
        EXPECT_GE(ink, 2) << "mini column " << column;
    }
    // Beyond the 1000 scale 1 ends: nothing until the frame but the speed caption above.
    for (int column = 223; column < 229; ++column) EXPECT_EQ(mini.At(column, 7), kWhite) << column;
}

TEST(Minis, ShowTheirStripReducedAcrossTheWholeLength) {
    for (const Mini& m : kMinis) {
        const Bitmap& mini = ImageOf(m.id);
        const Bitmap& strip = ImageOf(m.strip);
        // Inside the silver edge, a mini column has ink where its block of strip columns has
        // some in the rows the mini covers, and is white where the block is empty.
        for (int c = 1; c < 229; ++c) {
            bool stripInk = false, miniInk = false;
            for (int x = 0; x < 1279; ++x) {
                if (MiniColumnOf(x) != c) continue;
                for (int y = strip.height / m.height + 1; y < strip.height - strip.height / m.height - 1; ++y)
                    stripInk = stripInk || strip.At(x, y) != kWhite;
            }
            for (int y = 1; y < m.height - 1; ++y) miniInk = miniInk || mini.At(c, y) != kWhite;
            if (!stripInk) {
                EXPECT_FALSE(miniInk) << m.id << " column " << c;
            }
        }
    }
}

TEST(Minis, ReductionMapsEveryStripColumnToItsMiniColumn) {
    // One dark column at a time would be slow; thirteen strips with a column every 13 do it.
    for (int offset = 0; offset < 13; ++offset) {
        artwork::Canvas strip(1279, 49, artwork::kWhite);
        std::set<int> expected;
        for (int x = offset; x < 1279; x += 13) {
            strip.VLine(x, 0, 48, artwork::kBlack);
            expected.insert(MiniColumnOf(x));
        }
        const artwork::Canvas mini = artwork::ReduceToMini(strip, 9);
        std::set<int> shown;
        for (int c = 0; c < 230; ++c)
            for (int y = 0; y < 9; ++y)
                if (mini.At(c, y) != artwork::kWhite) shown.insert(c);
        ASSERT_EQ(shown, expected) << "columns every 13 from " << offset;
    }
}

TEST(Minis, AFullBlockReducesToGreyAndAnEmptyOneToWhite) {
    artwork::Canvas strip(1279, 49, artwork::kWhite);
    strip.Fill(0, 0, 640, 48, artwork::kBlack);
    const artwork::Canvas mini = artwork::ReduceToMini(strip, 9);
    EXPECT_EQ(mini.At(50, 4), artwork::kGrey);
    EXPECT_EQ(mini.At(180, 4), artwork::kWhite);
}

// 'K' black, 'G' grey, 'S' silver, 'W' white.
int InkOf(char c) {
    switch (c) {
        case 'K': return kBlack;
        case 'G': return kGrey;
        case 'S': return kSilver;
        default: return kWhite;
    }
}

TEST(Cursor, CapIsASilverRunnerTopWithBevelledCornersAndEdgeMarks) {
    // Black top edge on columns 3-35, black steps down the corners, grey outside them, grey
    // pixels in row 3 continuing the cursor's edge lines at columns 7 and 31.
    const char* const expected[4] = {
        "GGGKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKGGG",
        "GGKSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSKGG",
        "GKSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSKG",
        "KSSSSSSGSSSSSSSSSSSSSSSSSSSSSSSGSSSSSSK",
    };
    const Bitmap& cap = ImageOf(140);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 39; ++x) EXPECT_EQ(cap.At(x, y), InkOf(expected[y][x])) << "(" << x << ", " << y << ")";
}

TEST(Cursor, GripHasBlackEdgesBevelsBottomEdgeMarksAndTwoStuds) {
    const Bitmap& grip = ImageOf(139);
    for (int y = 0; y <= 8; ++y) {
        EXPECT_EQ(grip.At(0, y), kBlack) << y;
        EXPECT_EQ(grip.At(38, y), kBlack) << y;
    }
    for (int k = 0; k < 4; ++k) {  // rows 9-12 step in one column a row, grey outside
        const int y = 9 + k;
        EXPECT_EQ(grip.At(1 + k, y), kBlack) << y;
        EXPECT_EQ(grip.At(37 - k, y), kBlack) << y;
        for (int x = 0; x < 1 + k; ++x) EXPECT_EQ(grip.At(x, y), kGrey) << x << ", " << y;
        for (int x = 38 - k; x < 39; ++x) EXPECT_EQ(grip.At(x, y), kGrey) << x << ", " << y;
    }
    for (int x = 0; x < 39; ++x) EXPECT_EQ(grip.At(x, 13), x >= 5 && x <= 33 ? kBlack : kGrey) << x;
    for (int y : {0, 1}) {
        EXPECT_EQ(grip.At(7, y), kGrey);
        EXPECT_EQ(grip.At(31, y), kGrey);
    }
    for (int left : {4, 31}) {
        SCOPED_TRACE(left);
        int minX = 99, maxX = -1, minY = 99, maxY = -1;
        for (int y = 2; y <= 10; ++y)  // clear of the edges and the bevels
            for (int x = left - 1; x <= left + 4; ++x)
                if (grip.At(x, y) == kBlack) {
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
                    minY = std::min(minY, y), maxY = std::max(maxY, y);
                }
        EXPECT_EQ(minX, left);
        EXPECT_EQ(maxX, left + 3);
        EXPECT_EQ(minY, 6);
        EXPECT_EQ(maxY, 9);
        EXPECT_EQ(grip.At(left + 1, 7), kWhite) << "highlight";
    }
    EXPECT_EQ(grip.At(19, 4), kSilver);
    EXPECT_EQ(grip.At(19, 11), kSilver);
    EXPECT_EQ(grip.At(19, 0), kSilver) << "open at the top, where the strips show through";
}

TEST(Toolbar, BlankButtonThenTheBlueUndoGlyph) {
    const Bitmap& bar = ImageOf(151);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 32; ++x) {
            const int ink = bar.At(x, y);
            ASSERT_TRUE(ink == kSilver || ink == kBlue) << "(" << x << ", " << y << ")";
            if (x < 16) {
                ASSERT_EQ(ink, kSilver) << "the first button is blank, (" << x << ", " << y << ")";
            }
        }
    // The bar and three short dashes.
    for (int y : {11, 12}) {
        for (int x = 16; x <= 24; ++x) EXPECT_EQ(bar.At(x, y), kBlue) << x << ", " << y;
        for (int x : {26, 28, 30}) EXPECT_EQ(bar.At(x, y), kBlue) << x << ", " << y;
        for (int x : {25, 27, 29, 31}) EXPECT_EQ(bar.At(x, y), kSilver) << x << ", " << y;
    }
    for (int x = 16; x < 32; ++x)
        for (int y : {0, 10, 13, 14}) EXPECT_EQ(bar.At(x, y), kSilver) << x << ", " << y;
    // The arc: blue on the right side in rows 4-8 and over the top in row 1.
    auto blueIn = [&](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) n += bar.At(x, y) == kBlue;
        return n;
    };
    EXPECT_GE(blueIn(26, 31, 4, 8), 5) << "right side of the arc";
    EXPECT_GE(blueIn(20, 28, 1, 1), 3) << "top of the arc";
    EXPECT_GE(blueIn(26, 31, 9, 9), 1) << "the arc starts low on the right";
    EXPECT_GE(blueIn(17, 20, 3, 6), 9) << "a solid arrowhead at the lower left";
    EXPECT_EQ(blueIn(16, 16, 0, 9), 0);
}

}  // namespace
}  // namespace artwork_test
