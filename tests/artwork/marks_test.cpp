// The index marks, each on its column as drawn, and the alignment of slide and body computed
// the way a frame shows them: body column c at window x c + 2 - scroll, slide column s at
// s + 2 - scroll - slide, the hairline at 119 - cursor - scroll.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/artwork/support.h"

namespace artwork_test {
namespace {

int BodyX(int column, int scroll) { return column + 2 - scroll; }
int SlideX(int column, int scroll, int slide) { return column + 2 - scroll - slide; }
int BodyUnderHairline(int cursor) { return (119 - cursor) - 2; }  // whatever the scroll

struct Figure {
    const char* name;
    int image, column;
    int x0, x1, y0, y1;  // where to look
    std::initializer_list<int> inks;
    int top, bottom;  // rows the figure spans
};

// Figures symmetric about their column, spanning the rows of the index mark table.
// clang-format off
const Figure kFigures[] = {
    {"circular index", 134, 662, 640, 684, 11, 32, {kMaroon}, 15, 26},
    {"triangular index of scale 2", 134, 749, 730, 768, 11, 32, {kMaroon}, 15, 28},
    {"45° triangle", 134, 836, 820, 852, 64, 76, {kBlack, kGrey}, 65, 76},
    {"R index", 134, 403, 390, 416, 62, 80, {kMaroon}, 67, 77},
    {"diamond index", 137, 126, 105, 147, 9, 40, {kBlack, kGrey}, 9, 32},
    {"12-km diamond", 136, 84, 66, 96, 13, 40, {kBlack}, 13, 33},
};
// clang-format on

TEST(IndexMarks, FiguresStandSymmetricOnTheirColumnsInTheirRows) {
    for (const Figure& f : kFigures) {
        SCOPED_TRACE(f.name);
        const Box box = BoundsOf(ImageOf(f.image), f.x0, f.x1, f.y0, f.y1, f.inks);
        EXPECT_EQ(box.left + box.right, 2 * f.column);
        EXPECT_EQ(box.top, f.top);
        EXPECT_EQ(box.bottom, f.bottom);
    }
    const Bitmap& slide1 = ImageOf(134);
    EXPECT_EQ(slide1.At(662, 18), kMaroon) << "circular index: upper part filled";
    EXPECT_EQ(slide1.At(662, 23), kWhite) << "lower part open";
    EXPECT_EQ(BoundsOf(slide1, 730, 768, 15, 15, {kMaroon}).CentreX(), 749)
        << "apex under the tick";
    EXPECT_EQ(slide1.At(749, 25), kWhite) << "outlined";
    EXPECT_EQ(slide1.At(836, 68), kGrey) << "45° triangle: grey fill";
    EXPECT_EQ(CountOf(slide1, 826, 846, 76, 76, {kBlack, kGrey}), 1) << "apex a single pixel";
    for (int y = 76; y <= 88; ++y)
        EXPECT_NE(slide1.At(836, y), kWhite) << "apex on the tick, row " << y;
    EXPECT_GE(CountOf(slide1, 400, 406, 70, 75, {kMaroon}), 4) << "the R inside its circle";
    for (int y = 1; y <= 8; ++y)
        EXPECT_EQ(ImageOf(137).At(126, y), kGrey) << "diamond index hangs from the frame";
    EXPECT_EQ(ImageOf(137).At(126, 20), kGrey);
    for (int y = 1; y <= 13; ++y)
        EXPECT_NE(ImageOf(136).At(84, y), kWhite) << "12-km diamond hangs from its tick";
    EXPECT_GE(CountOf(ImageOf(136), 78, 90, 19, 27, {kBlack, kGrey}), 10)
        << "the numeral 12 inside";
}

struct Dotted {
    const char* name;
    int image, column, y0, y1, minDots;
};

// Marks drawn as a dotted (or dashed) line on their column, nothing beside it.
// clang-format off
const Dotted kDotted[] = {
    {"pi mark", 135, 245, 28, 39, 4},     {"t360 index", 135, 973, 24, 39, 10}, {"t360° mark", 134, 540, 64, 69, 2},
    {"АМ index", 137, 568, 64, 78, 5},    {"ММ index", 137, 612, 64, 78, 5},    {"ФУТЫ index", 137, 791, 64, 78, 5},
};
// clang-format on

TEST(IndexMarks, DottedMarksRunOnTheirColumnsWithTheirLabels) {
    for (const Dotted& d : kDotted) {
        SCOPED_TRACE(d.name);
        const Bitmap& b = ImageOf(d.image);
        EXPECT_GE(CountOf(b, d.column, d.column, d.y0, d.y1, {kBlack, kMaroon}), d.minDots);
        EXPECT_EQ(
            CountOf(b, d.column - 1, d.column - 1, d.y0, d.y1, {kBlack, kMaroon, kGrey, kSilver}) +
                CountOf(b, d.column + 1, d.column + 1, d.y0, d.y1,
                        {kBlack, kMaroon, kGrey, kSilver}),
            0);
    }
    EXPECT_GE(CountOf(ImageOf(135), 973, 973, 41, 46, {kMaroon}), 1)
        << "t360 crosses scale 1's baseline";
    EXPECT_GE(CountOf(ImageOf(135), 974, 1010, 17, 30, {kMaroon}), 8)
        << "label t360 at the upper right";
    EXPECT_NEAR(BoundsOf(ImageOf(135), 236, 254, 12, 27, {kBlack, kGrey}).CentreX(), 245, 1.0)
        << "the letter π";
    EXPECT_FALSE(BoundsOf(ImageOf(134), 542, 575, 58, 70, {kBlack}).Empty()) << "label t360°";
    for (int column : {568, 612, 791})
        EXPECT_NEAR(BoundsOf(ImageOf(137), column - 14, column + 14, 55, 63, {kBlack}).CentreX(),
                    column, 2.0);
}

// The midpoint of a framed numeral's upright sides: black runs of 9 rows or more.
double FrameCentre(int column) {
    const Bitmap& b = ImageOf(134);
    int left = -1, right = -1;
    for (int x = column - 20; x <= column + 20; ++x)
        if (CountOf(b, x, x, 11, 30, {kBlack}) >= 9 &&
            BoundsOf(b, x, x, 11, 30, {kBlack}).top > 10) {
            left = left < 0 ? x : left;
            right = x;
        }
    return (left + right) / 2.0;
}

TEST(IndexMarks, RectangularIndicesFrameTheirNumeralsUnderColumns443And836) {
    for (int column : {443, 836}) {
        EXPECT_EQ(FrameCentre(column), column);
        EXPECT_TRUE(TickExactlyAt(Scale::S2, column));
    }
}

// A tick of scale s stands exactly on `column`, where the rule puts `value`.
void ExpectReading(Scale s, int column, double value, double within = 1.0) {
    EXPECT_TRUE(TickExactlyAt(s, column)) << "no tick at " << column;
    EXPECT_NEAR(model::Column(s, value), column, within) << value;
}

TEST(Alignment, SideOneSettingsOfTheLessons) {
    // Scroll 773, slide -1: the 45° triangle (found as its apex) over 100 of scale 5 at x 66.
    const int apex = BoundsOf(ImageOf(134), 826, 846, 76, 76, {kBlack}).left;
    EXPECT_EQ(SlideX(apex, 773, -1), 66);
    EXPECT_EQ(BodyX(837, 773), 66);
    ExpectReading(Scale::S5, 837, 100);
    ExpectReading(Scale::S6, 836, 10);  // at slide 0 one column right of the triangle
    // Scroll 703, slide -1, cursor -644: hairline at x 60 over 64 of scale 5 and 40° of scale 3.
    ExpectReading(Scale::S5, BodyUnderHairline(-644), 64);
    ExpectReading(Scale::S3, BodyUnderHairline(-644) - 1, 40);
    // Scroll 536, slide -141: 23 x 12 reads 27.6.
    EXPECT_EQ(SlideX(static_cast<int>(FrameCentre(443)), 536, -141), 50);
    ExpectReading(Scale::S1, 584, 23);
    ExpectReading(Scale::S2, 474, 12);
    EXPECT_EQ(BodyX(615, 536), SlideX(474, 536, -141));
    EXPECT_NEAR(model::Column(Scale::S1, 27.6), 615, 0.5);
    // Scroll 632: the circular index at x 32, the triangular at 119 (found as drawn).
    EXPECT_EQ(
        SlideX(static_cast<int>(BoundsOf(ImageOf(134), 640, 684, 11, 32, {kMaroon}).CentreX()), 632,
               0),
        32);
    EXPECT_EQ(
        SlideX(static_cast<int>(BoundsOf(ImageOf(134), 730, 768, 15, 15, {kMaroon}).CentreX()), 632,
               0),
        119);
    // Cursor -310, slide +184: hairline over 3 of scale 6 and 15° of scale 4; R over 2.65.
    ExpectReading(Scale::S6, BodyUnderHairline(-310), 3);
    ExpectReading(Scale::S4, BodyUnderHairline(-310) + 184, 15);
    EXPECT_EQ(
        SlideX(static_cast<int>(BoundsOf(ImageOf(134), 390, 416, 62, 80, {kMaroon}).CentreX()), 0,
               184),
        BodyX(219, 0));
    EXPECT_NEAR(model::Column(Scale::S5, 2.65), 219, 0.5);
    // Scroll 596, slide -460, cursor -520: 50° on 1a over 2.09 on 2; t360 over 15 of scale 2.
    ExpectReading(Scale::S1a, BodyUnderHairline(-520), 50);
    EXPECT_NEAR(model::Column(Scale::S2, 2.09), BodyUnderHairline(-520) - 460, 0.5);
    EXPECT_EQ(BodyX(BoundsOf(ImageOf(135), 940, 1000, 41, 46, {kMaroon}).left, 596),
              SlideX(513, 596, -460));
    ExpectReading(Scale::S2, 513, 15);
}

TEST(Alignment, SideTwoSettingsOfTheLessons) {
    // Scroll 734, slide -218: 100 of 14 over 200 of 15; АМ over 322, ММ over 370.
    ExpectReading(Scale::S14, 418, 100);
    ExpectReading(Scale::S15, 636, 200);
    EXPECT_EQ(SlideX(418, 734, -218), BodyX(636, 734));
    EXPECT_EQ(SlideX(568, 734, -218), BodyX(786, 734));
    EXPECT_NEAR(model::Column(Scale::S15, 322), 786, 0.5);
    ExpectReading(Scale::S15, 830, 370);
    // Slide +44: -10° of 11 over 3 km of 12; 305 on 15 reads 350 on 14.
    ExpectReading(Scale::S11, 330, -10);
    ExpectReading(Scale::S12, 286, 3);
    ExpectReading(Scale::S15, 768, 305, 1.5);
    ExpectReading(Scale::S14, 812, 350);
    EXPECT_EQ(SlideX(330, 0, 44), BodyX(286, 0));
    EXPECT_EQ(SlideX(812, 0, 44), BodyX(768, 0));
    // Slide 0: 11's +15 °C over 0 km of 12 and 13; 10's -56.5 °C over the 12-km diamond.
    EXPECT_NEAR(model::Column(Scale::S11, 15), 344, 0.5);
    ExpectReading(Scale::S12, 344, 0);
    ExpectReading(Scale::S13, 344, 0);
    EXPECT_NEAR(model::Column(Scale::S10, -56.5), 84, 0.5);
    // Slide -27: the diamond index (found as drawn) over -2.5°, 9's 5 km over 8's 5 km.
    const double diamond = BoundsOf(ImageOf(137), 105, 147, 9, 40, {kBlack, kGrey}).CentreX();
    EXPECT_NEAR(model::Column7(-2.5), diamond + 27, 1.0);
    ExpectReading(Scale::S9, 925, 5);
    EXPECT_EQ(SlideX(925, 0, -27), BodyX(952, 0));
    ExpectReading(Scale::S8, 951, 5);  // within a column of 9's 5 km, which stands at 952
    // Scale 16: 800 and 1400 with their corrections under the ticks.
    for (int column : {614, 782}) {
        EXPECT_TRUE(TickExactlyAt(Scale::S16, column));
        EXPECT_NEAR(BoundsOf(ImageOf(137), column - 8, column + 8, 39, 47, {kBlack}).CentreX(),
                    column + 1, 2.5);
    }
    // Lesson 1's pointer marks: (36, 139) at scroll 397 on scale 16's axis; (177, 229) at
    // scroll 145 among the maroon ticks of scale 13.
    EXPECT_EQ(ImageOf(137).At(36 - 2 + 397, 139 - 106), kBlack);
    EXPECT_GE(CountOf(ImageOf(136), 177 - 2 + 145 - 3, 177 - 2 + 145 + 3, 229 - 195, 229 - 195,
                      {kMaroon}),
              1);
}

TEST(Alignment, AtSlide0EveryMarkOfScale14StandsOverTheSameMarkOfScale15) {
    const std::vector<int> upper = InkColumns(ImageOf(137), 88, 415, 1201);
    EXPECT_EQ(upper, InkColumns(ImageOf(136), 1, 415, 1201));
    EXPECT_GT(upper.size(), 150u);
}

}  // namespace
}  // namespace artwork_test
