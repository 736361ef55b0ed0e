#include "view/rule_painter.h"

#include <algorithm>

namespace {

// One plain copy of an image into the frame, from source row 0.
struct StripCopy {
    int x, y, width, height;
    const CPixmap* image;
    int sx;
};

struct GreyFill {
    int x, y, width, height;
};

// The parts of the frame that no copy's rectangle reaches: around the mini-map, beside the
// rule window, the cursor's rows.
// clang-format off
constexpr GreyFill kOutsideCopies[] = {
    {0, 0, kClientWidth, 11},  {0, 11, 5, 8},   {235, 11, 5, 8},   {0, 19, 1, 16},
    {0, 35, 5, 9},             {235, 35, 5, 9}, {0, 44, kClientWidth, 14}, {0, 58, 2, 193},
    {238, 58, 2, 193},         {0, 251, kClientWidth, kClientHeight - 251},
};
// clang-format on

// Greys what a copy leaves unchanged inside its rectangle: the columns before the image's
// first column and after its last, and the rows below its last.
void GreyUncovered(CSurface& dc, const StripCopy& c) {
    const int from = std::clamp(-c.sx, 0, c.width);
    // The image's size in client pixels: it is drawn at the surface's scale.
    const int to = std::clamp(c.image->Width() / dc.Scale() - c.sx, 0, c.width);
    const int rows = std::clamp(c.image->Height() / dc.Scale(), 0, c.height);
    if (from >= to || rows == 0) {
        dc.FillSolidRect(c.x, c.y, c.width, c.height, kRuleGrey);
        return;
    }
    dc.FillSolidRect(c.x, c.y, from, rows, kRuleGrey);
    dc.FillSolidRect(c.x + to, c.y, c.width - to, rows, kRuleGrey);
    dc.FillSolidRect(c.x, c.y + rows, c.width, c.height - rows, kRuleGrey);
}

}  // namespace

void ComposeRule(CSurface& dc, const CRuleState& rule, const CImageSet& images,
                 const CRulePens& pens) {
    const int scroll = rule.m_nScroll;
    // In drawing order. The mini slide's copy is 9 columns wider than its image so that it
    // can stand 4 columns right of the copy's edge at slide 0 and move with the slide. The
    // slide goes last and covers the body strips' joining rows.
    // clang-format off
    const StripCopy copies[] = {
        {5, 11, 230, 10, &images.m_bmpMiniTop, 0},
        {1, 19, 239, 16, &images.m_bmpMiniSlide, -4 - MiniSlideShift(rule.m_nSlide)},
        {5, 34, 230, 10, &images.m_bmpMiniBottom, 0},
        {2, 58, 236, 49, &images.m_bmpTop, scroll},
        {2, 195, 236, 56, &images.m_bmpBottom, scroll},
        {2, 106, 236, 90, &images.m_bmpSlide, scroll + rule.m_nSlide},
    };
    // clang-format on

    // The frame starts grey. A whole fill would write most pixels twice; greying only what
    // the copies will not cover gives the same frame.
    for (const GreyFill& f : kOutsideCopies)
        dc.FillSolidRect(f.x, f.y, f.width, f.height, kRuleGrey);
    for (const StripCopy& c : copies) GreyUncovered(dc, c);
    for (const StripCopy& c : copies) dc.BitBlt(c.x, c.y, c.width, c.height, *c.image, c.sx, 0);

    // The cursor: its runner only when free, its edges and hairline always.
    const int left = kCursorHomeX - rule.m_nCursor - rule.m_nScroll;
    if (!rule.m_bClamp) {
        dc.BitBlt(left, 54, kCursorWidth, 4, images.m_bmpCursorCap, 0, 0);
        dc.BitBlt(left, 251, kCursorWidth, 14, images.m_bmpCursorGrip, 0, 0);
    }
    {
        const CSelection frame(dc, pens.m_penFrame);
        dc.MoveTo(left + 7, 59);
        dc.LineTo(left + 7, 250);
        dc.MoveTo(left + 31, 59);
        dc.LineTo(left + 31, 250);
    }
    {
        const CSelection hair(dc, pens.m_penHair);
        dc.MoveTo(left + kCursorHalfWidth, 62);
        dc.LineTo(left + kCursorHalfWidth, 248);
        const int mark = MiniHairlineX(rule.m_nCursor);  // fixed to the rule, not the view
        dc.MoveTo(mark, 13);
        dc.LineTo(mark, 42);
    }

    const CSelection window(dc, pens.m_penWindow);
    const int x0 = ViewFrameLeft(rule.m_nScroll), x1 = ViewFrameRight(rule.m_nScroll);
    dc.MoveTo(x0, 5);
    dc.LineTo(x1, 5);
    dc.LineTo(x1, 50);
    dc.LineTo(x0, 50);
    dc.LineTo(x0, 5);
}
