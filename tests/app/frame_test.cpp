// The composed frame, pixel by pixel where the layout pins it down.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"
#include "resources/ids.h"
#include "resources/images.h"
#include "tests/support/seed_rule.h"

namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kGrey = Rgb(128, 128, 128);

struct Window {
    CHeadlessHost host;
    CMainFrame frame{host};
    CSurface surface{240, 268};

    const CSurface& Paint() {
        frame.OnPaint(surface);
        return surface;
    }
    // Whether the window shows image at (x, y) with the image's own pixel (sx, sy) there,
    // over a w x h block.
    bool Shows(const CPixmap& image, int x, int y, int sx, int sy, int w, int h) {
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx)
                if (surface.Pixel(x + dx, y + dy) != image.Pixel(sx + dx, sy + dy)) {
                    ADD_FAILURE() << "window (" << x + dx << ", " << y + dy << ") is not image ("
                                  << sx + dx << ", " << sy + dy << ")";
                    return false;
                }
        return true;
    }
};

bool ColumnIs(const CSurface& s, int x, int y0, int y1, Colour c) {
    for (int y = y0; y <= y1; ++y)
        if (s.Pixel(x, y) != c) return false;
    return true;
}

TEST(Frame, AtStartTheCursorAndMiniMapStandWhereTheOffsetsPutThem) {
    Window w;
    const CSurface& s = w.Paint();
    // Hairline x 119 from row 62, stopping before row 248.
    EXPECT_TRUE(ColumnIs(s, 119, 62, 247, kRed));
    EXPECT_NE(s.Pixel(119, 61), kRed);
    EXPECT_NE(s.Pixel(119, 248), kRed);
    // Cursor edges at 107 and 131 from row 59, stopping before row 250.
    EXPECT_TRUE(ColumnIs(s, 107, 59, 249, kGrey));
    EXPECT_TRUE(ColumnIs(s, 131, 59, 249, kGrey));
    EXPECT_NE(s.Pixel(107, 250), kGrey);
    // Cap and grip are plain copies of their images at x 100.
    const CImageSet& images = w.frame.Images();
    EXPECT_TRUE(w.Shows(images.m_bmpCursorCap, 100, 54, 0, 0, 7, 4));
    EXPECT_TRUE(w.Shows(images.m_bmpCursorGrip, 100, 251, 0, 0, 7, 14));
    EXPECT_TRUE(w.Shows(images.m_bmpCursorGrip, 132, 251, 32, 0, 7, 14));
    // The hairline's mark on the mini-map: 119 / 5.45 + 2 = 23.83, truncated.
    EXPECT_TRUE(ColumnIs(s, 23, 13, 41, kRed));
    EXPECT_NE(s.Pixel(23, 42), kRed);
    EXPECT_NE(s.Pixel(24, 30), kRed);
    // The view frame, two pixels wide, from x 3 to x 42 between rows 5 and 50.
    EXPECT_TRUE(ColumnIs(s, 3, 5, 50, kRed));
    EXPECT_TRUE(ColumnIs(s, 42, 5, 50, kRed));
    for (int x = 3; x <= 42; ++x) {
        EXPECT_EQ(s.Pixel(x, 5), kRed) << x;
        EXPECT_EQ(s.Pixel(x, 50), kRed) << x;
    }
    EXPECT_NE(s.Pixel(43, 20), kRed);
    EXPECT_NE(s.Pixel(10, 20), kRed);
    // The strips from their column 0, with the slide over the joins.
    EXPECT_TRUE(w.Shows(images.m_bmpTop, 2, 58, 0, 0, 98, 48));
    EXPECT_TRUE(w.Shows(images.m_bmpSlide, 2, 106, 0, 0, 98, 90));
    EXPECT_TRUE(w.Shows(images.m_bmpBottom, 2, 196, 0, 1, 98, 55));
    // Grey outside the rule.
    EXPECT_EQ(s.Pixel(0, 100), kGrey);
    EXPECT_EQ(s.Pixel(239, 100), kGrey);
    EXPECT_EQ(s.Pixel(50, 267), kGrey);
}

TEST(Frame, ClampModeDrawsTheLinesWithoutTheRunner) {
    Window w;
    w.frame.OnCommand(ID_CLAMP);
    const CSurface& s = w.Paint();
    EXPECT_EQ(s.Pixel(100, 54), kGrey);
    EXPECT_EQ(s.Pixel(119, 56), kGrey);
    EXPECT_EQ(s.Pixel(100, 251), kGrey);
    EXPECT_EQ(s.Pixel(119, 258), kGrey);
    EXPECT_TRUE(ColumnIs(s, 119, 62, 247, kRed));
    EXPECT_TRUE(ColumnIs(s, 107, 59, 249, kGrey));
    EXPECT_TRUE(ColumnIs(s, 131, 59, 249, kGrey));
}

TEST(Frame, OffsetsMoveStripsCursorAndMiniMap) {
    Window w;
    SeedRule(w.frame, [](CRuleState& r) {
        r.m_nScroll = 1055;
        r.m_nSlide = 1199;
        r.m_nCursor = -1000;
    });
    const CSurface& s = w.Paint();
    const CImageSet& images = w.frame.Images();
    // 1055 / 5.35 = 197.19: the frame runs from 200 to 239.
    EXPECT_TRUE(ColumnIs(s, 200, 5, 50, kRed));
    EXPECT_TRUE(ColumnIs(s, 239, 5, 50, kRed));
    EXPECT_NE(s.Pixel(197, 20), kRed);
    // Slide 1199: h = -219, so the mini slide is copied from its column 215 at x 1; its
    // image ends after 15 columns and the rest stays grey.
    EXPECT_TRUE(w.Shows(images.m_bmpMiniSlide, 5, 19, 219, 0, 11, 15));
    EXPECT_EQ(s.Pixel(16, 25), kGrey);
    // The hairline's mini mark ignores the scroll: (119 + 1000) / 5.45 + 2 = 207.3.
    EXPECT_TRUE(ColumnIs(s, 207, 13, 41, kRed));
    // The body strips from column 1055, the slide from 1055 + 1199, past its end.
    // (the cursor's edges stand at 52 and 76)
    EXPECT_TRUE(w.Shows(images.m_bmpTop, 2, 58, 1055, 0, 50, 48));
    EXPECT_TRUE(w.Shows(images.m_bmpTop, 77, 58, 1130, 0, 149, 48));
    EXPECT_EQ(s.Pixel(2 + 224, 80), kGrey);
    // The hairline at 119 + 1000 - 1055 = 64.
    EXPECT_TRUE(ColumnIs(s, 64, 62, 247, kRed));
}

TEST(Frame, SideSwitchReloadsTheStripsAndKeepsTheOffsets) {
    Window w;
    SeedRule(w.frame, [](CRuleState& r) {
        r.m_nScroll = 300;
        r.m_nSlide = -40;
        r.m_nCursor = -20;
    });
    w.Paint();
    const CPixmap top1 = w.frame.Images().m_bmpTop;
    ASSERT_TRUE(w.frame.OnCommand(ID_SIDE2));
    EXPECT_EQ(w.host.RepaintRequests(), 1);
    EXPECT_EQ(w.frame.State().m_rule.m_nSide, 1);
    EXPECT_EQ(w.frame.State().m_rule.m_nScroll, 300);
    EXPECT_EQ(w.frame.State().m_rule.m_nSlide, -40);
    EXPECT_EQ(w.frame.State().m_rule.m_nCursor, -20);
    w.Paint();
    const CImageSet& images = w.frame.Images();
    EXPECT_TRUE(w.Shows(images.m_bmpSlide, 2, 106, 260, 0, 100, 90));
    EXPECT_EQ(images.m_bmpTop.Width(), 1279);
    // The side already shown: nothing happens, nothing is repainted.
    w.frame.OnSide2();
    EXPECT_EQ(w.host.RepaintRequests(), 1);
    w.frame.OnSide1();
    EXPECT_EQ(w.host.RepaintRequests(), 2);
    w.frame.OnSide1();
    EXPECT_EQ(w.host.RepaintRequests(), 2);
    w.Paint();
    EXPECT_TRUE(w.Shows(top1, 2, 58, 300, 0, 236, 48));
}

TEST(Frame, EveryImageOfTheSetLoadsWithItsSize) {
    struct Expect {
        int id, width, height;
    };
    const Expect set[] = {{133, 1279, 56},
                          {134, 1279, 90},
                          {135, 1279, 49},
                          {136, 1279, 56},
                          // clang-format off
                          {137, 1279, 90}, {138, 1279, 49}, {139, 39, 14},   {140, 39, 4},
                          {141, 230, 10},  {142, 230, 16},  {143, 230, 9},   {144, 230, 10},
                          {145, 230, 16},  {146, 230, 9},   {151, 32, 15}};
    // clang-format on
    for (const Expect& e : set) {
        const CPixmap image = LoadImageResource(e.id);
        EXPECT_EQ(image.Width(), e.width) << e.id;
        EXPECT_EQ(image.Height(), e.height) << e.id;
    }
    EXPECT_TRUE(LoadImageResource(150).IsNull());
}

TEST(Frame, DecodeBmpRefusesWhatItCannotRead) {
    const EmbeddedImage* image = FindEmbeddedImage(IDB_CURSOR_CAP);
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(DecodeBmp(image->data, image->size).IsNull());
    for (std::size_t cut : {0u, 13u, 53u, 60u})  // headers, palette and rows cut short
        EXPECT_TRUE(DecodeBmp(image->data, cut).IsNull()) << cut;
    EXPECT_TRUE(DecodeBmp(image->data, image->size - 1).IsNull());
    EXPECT_TRUE(DecodeBmp(nullptr, 100).IsNull());
}

}  // namespace

namespace {

// Whatever the buffer held before, a frame comes out the same: nothing of an older frame
// shows through, at any offset a move, a hold, an undo or a lesson can reach, at k = 1 and
// at k = 3 (where the images are k times larger than the rectangles they are copied into).
TEST(Frame, NothingOfThePreviousFrameShowsThroughAtAnyOffset) {
    const CRulePens pens;
    for (int k : {1, 3}) {
        CImageSet images;
        images.LoadScale(0, k);
        CSurface fresh(240, 268, k), stale(240, 268, k);
        const int scrolls[] = {-12, -11, 0, 1, 500, 1043, 1044, 1055, 1056};
        const int slides[] = {-1199, -1190, -300, -1, 0, 1, 236, 1199};
        const int cursors[] = {-1133, -500, 0, 87};
        for (int scroll : scrolls)
            for (int slide : slides)
                for (int cursor : cursors) {
                    CRuleState rule;
                    rule.m_nScroll = scroll;
                    rule.m_nSlide = slide;
                    rule.m_nCursor = cursor;
                    rule.m_bClamp = (scroll + slide) & 1;
                    fresh.FillSolidRect(0, 0, 240, 268, kRuleGrey);
                    stale.FillSolidRect(0, 0, 240, 268, Rgb(255, 0, 255));
                    ComposeRule(fresh, rule, images, pens);
                    ComposeRule(stale, rule, images, pens);
                    ASSERT_TRUE(std::equal(
                        fresh.Bits(), fresh.Bits() + fresh.Width() * fresh.Height(), stale.Bits()))
                        << "k " << k << " scroll " << scroll << " slide " << slide << " cursor "
                        << cursor;
                }
    }
}

}  // namespace
