// The drawing conventions every picture relies on: fills and ellipses leave out their right
// and bottom bounds, a line stops before its end point, copies clip to both images.
#include "platform/surface.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kInk = Rgb(0, 128, 255);

struct Extent {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

Extent InkExtent(const CSurface& s, Colour ink) {
    Extent e;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Pixel(x, y) == ink) {
                e.left = std::min(e.left, x), e.right = std::max(e.right, x);
                e.top = std::min(e.top, y), e.bottom = std::max(e.bottom, y);
            }
    return e;
}

TEST(Surface, FillsLeaveOutRightAndBottomAndClipToTheSurface) {
    CSurface s(20, 10);
    s.FillSolidRect(0, 0, 20, 10, kWhite);
    s.FillSolidRect(2, 3, 4, 5, kInk);
    const Extent e = InkExtent(s, kInk);
    EXPECT_EQ(e.left, 2);
    EXPECT_EQ(e.right, 5);
    EXPECT_EQ(e.top, 3);
    EXPECT_EQ(e.bottom, 7);
    // Rectangles partly or wholly outside touch nothing outside (ASan watches the rest).
    s.FillSolidRect(-5, -5, 8, 8, kInk);
    s.FillSolidRect(18, 8, 50, 50, kInk);
    s.FillSolidRect(25, 2, 3, 3, kInk);
    s.FillSolidRect(-30, 2, 3, 3, kInk);
    s.FillSolidRect(4, 4, -3, 2, kInk);
    EXPECT_EQ(s.Pixel(0, 0), kInk);
    EXPECT_EQ(s.Pixel(19, 9), kInk);
    EXPECT_EQ(s.Pixel(3, 9), kWhite);
}

TEST(Surface, LinesStopBeforeTheirEndPointInEveryDirection) {
    const CPen pen{kInk, 1};
    struct Case {
        int x0, y0, x1, y1;
        Extent expected;
    };
    // clang-format off
    const Case cases[] = {
        {2, 5, 9, 5, {2, 5, 8, 5}},  // right
        {9, 5, 2, 5, {3, 5, 9, 5}},  // left
        {4, 1, 4, 8, {4, 1, 4, 7}},  // down
        {4, 8, 4, 1, {4, 2, 4, 8}},  // up
        {1, 1, 6, 6, {1, 1, 5, 5}},  // diagonal
        {6, 1, 1, 6, {2, 1, 6, 5}},
    };
    // clang-format on
    for (const Case& c : cases) {
        CSurface s(12, 10);
        s.FillSolidRect(0, 0, 12, 10, kWhite);
        const CSelection selected(s, pen);
        s.MoveTo(c.x0, c.y0);
        s.LineTo(c.x1, c.y1);
        const Extent e = InkExtent(s, kInk);
        EXPECT_EQ(e.left, c.expected.left) << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1;
        EXPECT_EQ(e.right, c.expected.right);
        EXPECT_EQ(e.top, c.expected.top);
        EXPECT_EQ(e.bottom, c.expected.bottom);
        EXPECT_EQ(s.Pixel(c.x1, c.y1), kWhite);
    }
}

TEST(Surface, AClosedOutlineWithAWidePenHasNoGapAtItsCorners) {
    CSurface s(40, 40);
    s.FillSolidRect(0, 0, 40, 40, kWhite);
    const CSelection pen(s, CPen{kInk, 2});
    s.MoveTo(5, 5);
    s.LineTo(30, 5);
    s.LineTo(30, 25);
    s.LineTo(5, 25);
    s.LineTo(5, 5);
    // Two pixels wide, the extra pixel above or left of each side.
    for (int x = 4; x <= 30; ++x) EXPECT_EQ(s.Pixel(x, 5), kInk) << x;
    for (int y = 4; y <= 25; ++y) EXPECT_EQ(s.Pixel(30, y), kInk) << y;
    for (int y = 4; y <= 25; ++y) EXPECT_EQ(s.Pixel(4, y), kInk) << y;
    EXPECT_EQ(s.Pixel(6, 6), kWhite);
    EXPECT_EQ(s.Pixel(31, 10), kWhite);
}

TEST(Surface, EllipsesFillTheirBoxLessItsRightColumnAndBottomRow) {
    for (int width : {1, 3}) {
        CSurface s(100, 100);
        s.FillSolidRect(0, 0, 100, 100, kWhite);
        const CSelection pen(s, CPen{kInk, width});
        const CSelection hollow(s, CBrush{0, true});
        s.Ellipse(35, 25, 65, 55);
        const Extent e = InkExtent(s, kInk);
        // The outline runs through pixels 35..64; a 3-pixel pen spreads one each way.
        const int spread = width / 2;
        EXPECT_EQ(e.left, 35 - spread) << width;
        EXPECT_EQ(e.right, 64 + spread) << width;
        EXPECT_EQ(e.top, 25 - spread) << width;
        EXPECT_EQ(e.bottom, 54 + spread) << width;
        EXPECT_EQ(s.Pixel(50, 40), kWhite);  // hollow
    }
    CSurface s(30, 30);
    s.FillSolidRect(0, 0, 30, 30, kWhite);
    const CBrush fill{Rgb(245, 241, 239), false};
    const CSelection pen(s, CPen{kInk, 1});
    const CSelection brush(s, fill);
    s.Ellipse(5, 5, 25, 25);
    EXPECT_EQ(s.Pixel(15, 15), fill.colour);
    const Extent e = InkExtent(s, kInk);
    EXPECT_EQ(e.left, 5);
    EXPECT_EQ(e.right, 24);
}

TEST(Surface, ASelectionLastsForItsBlockAndGivesBackTheOneBefore) {
    constexpr Colour kOther = Rgb(200, 0, 0);
    CSurface s(10, 6);
    s.FillSolidRect(0, 0, 10, 6, kWhite);
    auto row = [&](int y) {
        s.MoveTo(0, y);
        s.LineTo(10, y);
        return s.Pixel(5, y);
    };
    {
        const CSelection outer(s, CPen{kInk, 1});
        {
            CPen pen{kOther, 1};
            const CSelection inner(s, pen);
            pen.colour = kWhite;  // the surface drew with its own copy
            EXPECT_EQ(row(1), kOther);
        }
        EXPECT_EQ(row(2), kInk);
    }
    EXPECT_EQ(row(3), kWhite);  // none selected: a line draws nothing
}

TEST(Surface, CopiesClipToSourceAndDestinationAndLeaveTheRestAlone) {
    CPixmap source(10, 4, kInk);
    CSurface s(20, 10);
    s.FillSolidRect(0, 0, 20, 10, kWhite);
    // Source column -4 does not exist: the first four columns stay as they were.
    s.BitBlt(1, 2, 15, 5, source, -4, 0);
    const Extent e = InkExtent(s, kInk);
    EXPECT_EQ(e.left, 5);
    EXPECT_EQ(e.right, 14);
    EXPECT_EQ(e.top, 2);
    EXPECT_EQ(e.bottom, 5);  // the source has four rows
    // Off every edge of the destination.
    s.BitBlt(-8, -2, 12, 6, source, 0, 0);
    s.BitBlt(15, 8, 12, 6, source, 0, 0);
    s.BitBlt(30, 0, 5, 5, source, 0, 0);
    s.BitBlt(0, 0, 5, 5, source, 40, 0);
    EXPECT_EQ(s.Pixel(0, 0), kInk);
    EXPECT_EQ(s.Pixel(19, 9), kInk);
    EXPECT_EQ(s.Pixel(0, 9), kWhite);
}

TEST(Surface, ACopyOfWholeRowsKeepsEachRowInItsPlace) {
    CSurface source(20, 10), s(20, 10);
    for (int y = 0; y < 10; ++y) source.FillSolidRect(0, y, 20, 1, Rgb(y, 0, 0));
    s.FillSolidRect(0, 0, 20, 10, kWhite);
    s.BitBlt(0, 3, 20, 10, source, 0, 2);  // rows 2.. of the source to rows 3..
    EXPECT_EQ(s.Pixel(19, 2), kWhite);
    EXPECT_EQ(s.Pixel(0, 3), Rgb(2, 0, 0));
    EXPECT_EQ(s.Pixel(19, 9), Rgb(8, 0, 0));
    s.BitBlt(0, 0, 20, 10, source, 0, 0);
    for (int y = 0; y < 10; ++y) EXPECT_EQ(s.Pixel(7, y), Rgb(y, 0, 0)) << y;
}

TEST(Surface, WrappedTextStaysInsideItsRectangle) {
    CSurface s(120, 60);
    s.FillSolidRect(0, 0, 120, 60, kWhite);
    const char* text = "Находим на шкале 1 первое число 23 и подводим к нему индекс...";
    const CRect rect{10, 10, 110, 40};
    s.DrawText(text, rect, DT_WORDBREAK, CFont{14});
    bool inkInside = false;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool inside = x >= 10 && x < 110 && y >= 10 && y < 40;
            if (s.Pixel(x, y) != kWhite) {
                EXPECT_TRUE(inside) << x << "," << y;
                inkInside = true;
            }
        }
    EXPECT_TRUE(inkInside);
    // Measured, the same text runs below the rectangle: it was cut, not squeezed.
    const CRect measured = CSurface::MeasureText(text, rect, DT_WORDBREAK, CFont{14});
    EXPECT_GT(measured.bottom, 40);
    EXPECT_LE(measured.right, 110);
}

}  // namespace
