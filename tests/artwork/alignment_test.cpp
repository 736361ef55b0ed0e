// How the slide lines up with the body, computed on the images the way a frame shows them:
// a body column c at window x c + 2 - scroll, a slide column s at s + 2 - scroll - slide, the
// hairline at 119 - cursor - scroll.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/artwork/bands.h"
#include "tests/artwork/marks.h"

namespace artwork_test {
namespace {

int BodyX(int column, int scroll) { return column + 2 - scroll; }
int SlideX(int column, int scroll, int slide) { return column + 2 - scroll - slide; }
int Hairline(int cursor, int scroll) { return 119 - cursor - scroll; }
int BodyColumnAt(int x, int scroll) { return x - 2 + scroll; }
int SlideColumnAt(int x, int scroll, int slide) { return x - 2 + scroll + slide; }

// A tick of scale s stands exactly on `column` and that is where the rule puts `value`.
void ExpectReading(Scale s, int column, double value) {
    EXPECT_TRUE(TickExactlyAt(s, column)) << "no tick at " << column;
    EXPECT_NEAR(artwork::Column(s, value), column, 1.5) << value;
}

// Columns found from the drawings, not from their table.
int TriangleApexOfScale4() { return BoundsOf(ImageOf(134), 826, 846, 76, 76, {kBlack}).left; }
double CircularIndexCentre() { return BoundsOf(ImageOf(134), 640, 684, 11, 32, {kMaroon}).CentreX(); }
int ScaleTwoTriangleApex() { return BoundsOf(ImageOf(134), 730, 768, 15, 15, {kMaroon}).left; }
double RIndexCentre() { return BoundsOf(ImageOf(134), 390, 416, 62, 80, {kMaroon}).CentreX(); }
int T360Column() { return BoundsOf(ImageOf(135), 940, 1000, 41, 46, {kMaroon}).left; }
double DiamondPointerCentre() { return BoundsOf(ImageOf(137), 105, 147, 9, 40, {kBlack, kGrey}).CentreX(); }

TEST(Alignment, Scroll773Slide1LeftPutsThe45DegreeTriangleOver100OfScale5) {
    const int apex = TriangleApexOfScale4();
    EXPECT_EQ(apex, 836);
    EXPECT_EQ(SlideX(apex, 773, -1), 66);
    EXPECT_EQ(BodyX(837, 773), 66);
    ExpectReading(Scale::S5, 837, 100);
    // At slide 0 the triangle stands one column left of the 100 (and of scale 6's 10).
    EXPECT_EQ(SlideX(apex, 773, 0) + 1, BodyX(837, 773));
    ExpectReading(Scale::S6, 836, 10);
}

TEST(Alignment, HairlineAtCursor644LeftReads64OnScale5And40DegreesOnScale3) {
    const int x = Hairline(-644, 703);
    EXPECT_EQ(x, 60);
    EXPECT_EQ(BodyColumnAt(x, 703), 761);
    EXPECT_EQ(SlideColumnAt(x, 703, -1), 760);
    ExpectReading(Scale::S5, 761, 64);
    ExpectReading(Scale::S3, 760, 40);
}

TEST(Alignment, RectangularTenOverTwentyThreeMultipliesByTwelve) {
    // 23 x 12: scale 2's 10 over scale 1's 23, then scale 1 over scale 2's 12 reads 27.6.
    const double ten = FrameCentre(ImageOf(134), 443, 11, 30, 9);
    EXPECT_NEAR(SlideX(static_cast<int>(std::lround(ten)), 536, -141), 50, 0.5);
    EXPECT_EQ(BodyX(584, 536), 50);
    ExpectReading(Scale::S1, 584, 23);
    ExpectReading(Scale::S2, 474, 12);
    EXPECT_EQ(BodyX(615, 536), SlideX(474, 536, -141));
    EXPECT_NEAR(artwork::Column(Scale::S1, 27.6), 615, 0.5);
}

TEST(Alignment, CircularAndTriangularIndicesAtScroll632) {
    EXPECT_EQ(SlideX(static_cast<int>(CircularIndexCentre()), 632, 0), 32);
    EXPECT_EQ(CircularIndexCentre(), 662.0);
    EXPECT_EQ(SlideX(ScaleTwoTriangleApex(), 632, 0), 119);
}

TEST(Alignment, MilesIndicesAgainstScale15AtScroll734Slide218Left) {
    const int scroll = 734, slide = -218;
    ExpectReading(Scale::S14, 418, 100);
    ExpectReading(Scale::S15, 636, 200);
    EXPECT_EQ(SlideX(418, scroll, slide), BodyX(636, scroll));
    // АМ and ММ, found as their dotted lines.
    for (int column : {568, 612}) EXPECT_GE(CountOf(ImageOf(137), column, column, 60, 78, kBlack), 5);
    EXPECT_EQ(SlideX(568, scroll, slide), BodyX(786, scroll));
    EXPECT_NEAR(artwork::Column(Scale::S15, 322), 786, 0.5);
    EXPECT_EQ(SlideX(612, scroll, slide), BodyX(830, scroll));
    ExpectReading(Scale::S15, 830, 370);
}

TEST(Alignment, Slide44RightSetsMinus10DegreesOver3KmAndReads350For305) {
    ExpectReading(Scale::S11, 330, -10);
    ExpectReading(Scale::S12, 286, 3);
    EXPECT_EQ(SlideX(330, 0, 44), BodyX(286, 0));
    ExpectReading(Scale::S15, 768, 305);
    ExpectReading(Scale::S14, 812, 350);
    EXPECT_EQ(SlideX(812, 0, 44), BodyX(768, 0));
}

TEST(Alignment, TurnRadiusSettingAtCursor310LeftSlide184Right) {
    EXPECT_EQ(BodyColumnAt(Hairline(-310, 300), 300), 427);
    ExpectReading(Scale::S6, 427, 3);
    ExpectReading(Scale::S4, 611, 15);
    EXPECT_EQ(SlideX(611, 0, 184), Hairline(-310, 0));
    EXPECT_EQ(RIndexCentre(), 403.0);
    EXPECT_EQ(SlideX(403, 0, 184), BodyX(219, 0));
    EXPECT_NEAR(artwork::Column(Scale::S5, 2.65), 219, 0.5);
}

TEST(Alignment, TurnTimeSettingAtScroll596Slide460LeftCursor520Left) {
    const int x = Hairline(-520, 596);
    EXPECT_EQ(BodyColumnAt(x, 596), 637);
    EXPECT_EQ(SlideColumnAt(x, 596, -460), 177);
    ExpectReading(Scale::S1a, 637, 50);
    EXPECT_NEAR(artwork::Column(Scale::S2, 2.09), 177, 0.5);
    const int t360 = T360Column();
    EXPECT_EQ(t360, 973);
    EXPECT_EQ(BodyX(t360, 596), SlideX(513, 596, -460));
    ExpectReading(Scale::S2, 513, 15);
}

TEST(Alignment, AtSlide0EveryMarkOfScale14StandsOverTheSameMarkOfScale15) {
    const Band& s14 = BandFor(Scale::S14);
    const Band& s15 = BandFor(Scale::S15);
    const std::vector<int> upper = InkColumns(ImageOf(137), TickRows(s14).back(), 415, 1201);
    const std::vector<int> lower = InkColumns(ImageOf(136), TickRows(s15).front(), 415, 1201);
    EXPECT_EQ(upper, lower);
    EXPECT_GT(upper.size(), 150u);
}

TEST(Alignment, DiamondIndexOverStandardTemperatureSumAt5KmMatchesScales8And9) {
    // Slide -27: the diamond over -2.5 degrees on scale 7; scale 9's 5 km then reads 5 km on 8.
    const double diamond = DiamondPointerCentre();
    EXPECT_EQ(diamond, 126.0);
    EXPECT_NEAR(artwork::Column7(-2.5), diamond + 27, 1.0);
    ExpectReading(Scale::S9, 925, 5);
    ExpectReading(Scale::S8, 951, 5);
    // Scale 9's 5 km stands over body column 952, within a column of scale 8's 5 km.
    EXPECT_EQ(BodyColumnAt(SlideX(925, 0, -27), 0), 952);
}

TEST(Alignment, AtSlide0Scale11sPlus15StandsOverZeroKilometresAndScale10OverThe12KmDiamond) {
    EXPECT_NEAR(artwork::Column(Scale::S11, 15), 344, 0.5);  // between the +10 and +20 ticks
    ExpectReading(Scale::S12, 344, 0);
    ExpectReading(Scale::S13, 344, 0);
    EXPECT_NEAR(artwork::Column(Scale::S10, -56.5), 84, 0.5);
    EXPECT_TRUE(TickExactlyAt(Scale::S12, 84));
}

TEST(Alignment, Scale16CarriesItsCorrectionsUnder800And1400) {
    for (int column : {614, 782}) {
        EXPECT_TRUE(TickExactlyAt(Scale::S16, column));
        const Box correction = BoundsOf(ImageOf(137), column - 8, column + 8, 39, 47, {kBlack});
        ASSERT_FALSE(correction.Empty()) << column;
        EXPECT_NEAR(correction.CentreX(), column + 1, 2.5) << "under the tick, its degree sign to the right";
    }
    EXPECT_NEAR(artwork::Column(Scale::S16, 800), 614, 0.0);
}

TEST(Alignment, LessonOnePointerMarksFallOnScale16AndAmongScale13sTicks) {
    // Side 2, scroll 397: window (36, 139) is slide column 431, row 33, scale 16's axis.
    EXPECT_EQ(SlideColumnAt(36, 397, 0), 431);
    EXPECT_EQ(ImageOf(137).At(431, 139 - 106), kBlack);
    // Scroll 145: window (177, 229) is bottom-strip column 320, row 34, among maroon ticks.
    EXPECT_EQ(BodyColumnAt(177, 145), 320);
    EXPECT_GE(CountOf(ImageOf(136), 317, 323, 229 - 195, 229 - 195, kMaroon), 1);
}

}  // namespace
}  // namespace artwork_test
