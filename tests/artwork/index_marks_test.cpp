// The index marks: each stands on its column, drawn as the index mark table describes.
#include <gtest/gtest.h>

#include "tests/artwork/bands.h"
#include "tests/artwork/marks.h"

namespace artwork_test {
namespace {

TEST(IndexMarks, PiMarkIsALetterOverADottedLineOnColumn245) {
    const Bitmap& top = ImageOf(135);
    EXPECT_GE(CountOf(top, 245, 245, 28, 39, kBlack), 4) << "dotted line down to the baseline";
    EXPECT_EQ(InkCount(top, 244, 244, 28, 39) + InkCount(top, 246, 246, 28, 39), 0);
    const Box pi = BoundsOf(top, 236, 254, 12, 27, {kBlack, kGrey});
    ASSERT_FALSE(pi.Empty());
    EXPECT_NEAR(pi.CentreX(), 245, 1.0);
}

TEST(IndexMarks, T360IsAMaroonDashedLineOnColumn973AcrossScale1sBaseline) {
    const Bitmap& top = ImageOf(135);
    EXPECT_GE(CountOf(top, 973, 973, 24, 46, kMaroon), 15);
    EXPECT_GT(CountOf(top, 973, 973, 24, 39, kMaroon), 0);
    EXPECT_GT(CountOf(top, 973, 973, 41, 46, kMaroon), 0);
    EXPECT_EQ(CountOf(top, 972, 972, 24, 46, kMaroon) + CountOf(top, 974, 974, 24, 46, kMaroon), 0);
    EXPECT_EQ(CountOf(top, 973, 973, 0, 22, kMaroon) + CountOf(top, 973, 973, 48, 48, kMaroon), 0);
    const Box label = BoundsOf(top, 974, 1010, 14, 35, {kMaroon});
    ASSERT_FALSE(label.Empty()) << "the label t360";
    EXPECT_LE(label.top, 30) << "at the upper right of the line";
}

TEST(IndexMarks, RectangularIndicesFrameTheirNumeralsUnderColumns443And836) {
    const Bitmap& slide = ImageOf(134);
    for (int column : {443, 836}) {
        SCOPED_TRACE(column);
        EXPECT_NEAR(FrameCentre(slide, column, 11, 30, 9), column, 0.5);
        const Box frame = BoundsOf(slide, column - 15, column + 15, 11, 30, {kBlack});
        EXPECT_GT(frame.top, 9) << "below scale 2's baseline";
        EXPECT_TRUE(TickExactlyAt(Scale::S2, column));
    }
}

TEST(IndexMarks, CircularIndexIsAHalfFilledMaroonRingUnderColumn662) {
    const Bitmap& slide = ImageOf(134);
    const Box ring = BoundsOf(slide, 640, 684, 11, 32, {kMaroon});
    EXPECT_EQ(ring.top, 15);
    EXPECT_EQ(ring.bottom, 26);
    EXPECT_EQ(ring.left + ring.right, 2 * 662);
    EXPECT_GE(ring.right - ring.left + 1, 11);
    EXPECT_LE(ring.right - ring.left + 1, 13);
    EXPECT_EQ(slide.At(662, 18), kMaroon) << "upper part filled";
    EXPECT_EQ(slide.At(662, 23), kWhite) << "lower part open";
}

TEST(IndexMarks, TriangularIndexOfScale2IsAMaroonOutlinePointingUpUnderColumn749) {
    const Bitmap& slide = ImageOf(134);
    const Box t = BoundsOf(slide, 730, 768, 11, 32, {kMaroon});
    EXPECT_EQ(t.top, 15);
    EXPECT_EQ(t.bottom, 28);
    EXPECT_EQ(t.left + t.right, 2 * 749);
    EXPECT_EQ(BoundsOf(slide, 730, 768, 15, 15, {kMaroon}).left, 749) << "apex under the tick";
    EXPECT_EQ(BoundsOf(slide, 730, 768, 15, 15, {kMaroon}).right, 749);
    EXPECT_EQ(slide.At(749, 25), kWhite) << "outlined, not filled";
    EXPECT_EQ(BoundsOf(slide, 730, 768, 28, 28, {kMaroon}).right - BoundsOf(slide, 730, 768, 28, 28, {kMaroon}).left,
              t.right - t.left) << "the base is the widest row";
}

TEST(IndexMarks, TriangleOf45DegreesIsGreyFilledAndPointsDownOntoColumn836) {
    const Bitmap& slide = ImageOf(134);
    const Box t = BoundsOf(slide, 820, 852, 64, 76, {kBlack, kGrey});
    EXPECT_EQ(t.top, 65);
    EXPECT_EQ(t.bottom, 76);
    EXPECT_EQ(t.left + t.right, 2 * 836);
    const Box apex = BoundsOf(slide, 820, 852, 76, 76, {kBlack, kGrey});
    EXPECT_EQ(apex.left, 836);
    EXPECT_EQ(apex.right, 836);
    EXPECT_EQ(slide.At(836, 68), kGrey) << "grey fill";
    EXPECT_EQ(slide.At(t.left, 65), kBlack) << "black outline";
    for (int y = 76; y <= 88; ++y) EXPECT_NE(slide.At(836, y), kWhite) << "apex on the tick, row " << y;
}

TEST(IndexMarks, RIndexIsAMaroonCircledROnColumn403) {
    const Bitmap& slide = ImageOf(134);
    const Box r = BoundsOf(slide, 390, 416, 62, 80, {kMaroon});
    EXPECT_EQ(r.top, 67);
    EXPECT_EQ(r.bottom, 77);
    EXPECT_EQ(r.left + r.right, 2 * 403);
    EXPECT_GE(CountOf(slide, 400, 406, 70, 75, kMaroon), 4) << "the R inside";
    for (int y = 78; y <= 80; ++y) EXPECT_NE(slide.At(403, y), kWhite) << "down to the baseline";
}

TEST(IndexMarks, T360DegreeMarkIsADottedLineAboveThe10DegreeTickOfScale4) {
    const Bitmap& slide = ImageOf(134);
    EXPECT_GE(CountOf(slide, 540, 540, 63, 69, kBlack), 2);
    EXPECT_EQ(InkCount(slide, 539, 539, 64, 69) + InkCount(slide, 541, 541, 64, 69), 0);
    EXPECT_FALSE(BoundsOf(slide, 542, 575, 58, 70, {kBlack, kGrey}).Empty()) << "the label t360°";
    EXPECT_TRUE(TickExactlyAt(Scale::S4, 540));
}

TEST(IndexMarks, DiamondIndexHangsFromTheTopFrameOnSlideColumn126) {
    const Bitmap& slide = ImageOf(137);
    for (int y = 1; y <= 8; ++y) EXPECT_EQ(slide.At(126, y), kGrey) << "row " << y;
    const Box d = BoundsOf(slide, 105, 147, 9, 40, {kBlack, kGrey});
    EXPECT_EQ(d.top, 9);
    EXPECT_EQ(d.bottom, 32);
    EXPECT_EQ(d.left + d.right, 2 * 126);
    EXPECT_EQ(slide.At(126, 20), kGrey);
    EXPECT_EQ(slide.At(d.left, 20), kBlack);
}

TEST(IndexMarks, TwelveKilometreDiamondHangsFromScale12sTickOnColumn84) {
    const Bitmap& bottom = ImageOf(136);
    const Box d = BoundsOf(bottom, 66, 102, 13, 40, {kBlack});
    EXPECT_EQ(d.top, 13);
    EXPECT_EQ(d.bottom, 33);
    EXPECT_EQ(d.left + d.right, 2 * 84);
    for (int y = 1; y <= 13; ++y) EXPECT_NE(bottom.At(84, y), kWhite) << "hanging from the tick, row " << y;
    EXPECT_GE(InkCount(bottom, 78, 90, 19, 27), 10) << "the numeral 12 inside";
}

TEST(IndexMarks, SpeedConversionIndicesAreDottedLinesOnScale14) {
    const Bitmap& slide = ImageOf(137);
    for (int column : {568, 612, 791}) {
        SCOPED_TRACE(column);
        EXPECT_GE(CountOf(slide, column, column, 60, 78, kBlack), 5);
        EXPECT_EQ(InkCount(slide, column - 1, column - 1, 60, 78) + InkCount(slide, column + 1, column + 1, 60, 78), 0);
        const Box label = BoundsOf(slide, column - 14, column + 14, 47, 59, {kBlack});
        ASSERT_FALSE(label.Empty()) << "label above";
        EXPECT_NEAR(label.CentreX(), column, 2.0);
    }
}

}  // namespace
}  // namespace artwork_test
