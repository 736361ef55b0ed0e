#include "view/rule_painter.h"

#include <algorithm>

namespace {

// Greys the part of a strip's band that its copy will leave unchanged: the columns before
// the image's first column and after its last. The strips fill their bands to the full
// height, so the rest of the band is about to be overwritten anyway.
void GreyBeside(CSurface& dc, int x, int y, int w, int h, const CPixmap& image, int sx) {
    const int from = std::clamp(-sx, 0, w), to = std::clamp(image.Width() - sx, 0, w);
    if (from >= to) {
        dc.FillSolidRect(x, y, w, h, kRuleGrey);
        return;
    }
    dc.FillSolidRect(x, y, from, h, kRuleGrey);
    dc.FillSolidRect(x + to, y, w - to, h, kRuleGrey);
}

}  // namespace

void ComposeRule(CSurface& dc, const CRuleState& rule, const CImageSet& images,
                 const CRulePens& pens) {
    // The frame starts grey. Filling all of it would write every pixel of the rule window
    // twice; the strips cover their bands, so only the rest is filled. The result is the
    // same as a whole fill followed by the copies.
    dc.FillSolidRect(0, 0, 240, 58, kRuleGrey);
    dc.FillSolidRect(0, 58, 2, 193, kRuleGrey);
    dc.FillSolidRect(238, 58, 2, 193, kRuleGrey);
    dc.FillSolidRect(0, 251, 240, 17, kRuleGrey);
    GreyBeside(dc, 2, 58, 236, 49, images.m_bmpTop, rule.m_nScroll);
    GreyBeside(dc, 2, 195, 236, 56, images.m_bmpBottom, rule.m_nScroll);
    GreyBeside(dc, 2, 106, 236, 90, images.m_bmpSlide, rule.m_nScroll + rule.m_nSlide);

    // Mini-map. The slide's copy is 9 columns wider than its image so that the mini slide
    // can stand 4 columns right of the copy's edge at slide 0 and move with the slide.
    dc.BitBlt(5, 11, 230, 10, images.m_bmpMiniTop, 0, 0);
    dc.BitBlt(1, 19, 239, 16, images.m_bmpMiniSlide, -4 - MiniSlideShift(rule.m_nSlide), 0);
    dc.BitBlt(5, 34, 230, 10, images.m_bmpMiniBottom, 0, 0);

    // The rule window; the slide goes last and covers the strips' joining rows.
    dc.BitBlt(2, 58, 236, 49, images.m_bmpTop, rule.m_nScroll, 0);
    dc.BitBlt(2, 195, 236, 56, images.m_bmpBottom, rule.m_nScroll, 0);
    dc.BitBlt(2, 106, 236, 90, images.m_bmpSlide, rule.m_nScroll + rule.m_nSlide, 0);

    // The cursor: its runner only when free, its edges and hairline always.
    const int left = 100 - rule.m_nCursor - rule.m_nScroll;
    if (!rule.m_bClamp) {
        dc.BitBlt(left, 54, 39, 4, images.m_bmpCursorCap, 0, 0);
        dc.BitBlt(left, 251, 39, 14, images.m_bmpCursorGrip, 0, 0);
    }
    dc.SelectPen(&pens.m_penFrame);
    dc.MoveTo(left + 7, 59);
    dc.LineTo(left + 7, 250);
    dc.MoveTo(left + 31, 59);
    dc.LineTo(left + 31, 250);
    dc.SelectPen(&pens.m_penHair);
    dc.MoveTo(left + 19, 62);
    dc.LineTo(left + 19, 248);
    const int mark = MiniHairlineX(rule.m_nCursor);  // fixed to the rule, not the view
    dc.MoveTo(mark, 13);
    dc.LineTo(mark, 42);

    dc.SelectPen(&pens.m_penWindow);
    const int x0 = ViewFrameLeft(rule.m_nScroll), x1 = ViewFrameRight(rule.m_nScroll);
    dc.MoveTo(x0, 5);
    dc.LineTo(x1, 5);
    dc.LineTo(x1, 50);
    dc.LineTo(x0, 50);
    dc.LineTo(x0, 5);
}
