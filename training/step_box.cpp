#include "training/step_box.h"

#include "training/chooser.h"
#include "training/step_table.h"

namespace {

// The button is centred across the box with its bottom edge 10 pixels above the box's.
int ButtonLeft(const CRect& box) { return box.left + (box.right - box.left + 1) / 2 - 40; }
int ButtonTop(const CRect& box) { return box.bottom - 40; }

void DrawPointer(CSurface& dc, CPoint at) {
    // A ring of radius 15 and a handle leaving it towards the lower left: a magnifying glass.
    const CSelection hollow(dc, CBrush{0, true});
    const CSelection pen(dc, CPen{kLineColour, 3});
    dc.Ellipse(at.x - 15, at.y - 15, at.x + 15, at.y + 15);
    dc.MoveTo(at.x - 8, at.y + 13);
    dc.LineTo(at.x - 23, at.y + 28);
    dc.LineTo(at.x - 28, at.y + 23);
    dc.LineTo(at.x - 13, at.y + 8);
}

// The text runs from 10 pixels inside the box's top left corner to its right edge.
CRect TextRect(const CRect& box) { return {box.left + 10, box.top + 10, box.right, box.bottom}; }

}  // namespace

const std::vector<std::string_view>& StepTextLines(int32_t step) {
    // The texts and boxes are constant: each is broken the first time it is shown.
    static std::vector<std::vector<std::string_view>> lines(kStepCount);
    static std::vector<bool> broken(kStepCount, false);
    if (!broken[step]) {
        const LessonStep& s = kStepTable[step];
        lines[step] = BreakStepText(s.pszText, s.rcBox);
        broken[step] = true;
    }
    return lines[step];
}

std::vector<std::string_view> BreakStepText(const char* text, const CRect& box) {
    return CSurface::BreakText(text, TextRect(box).Width(), CFont{kStepTextFontHeight});
}

void DrawStepBox(CSurface& dc, int32_t step) {
    const LessonStep& s = kStepTable[step];
    DrawStepBoxOf(dc, s, FindNextStep(s.key, step) <= 0, StepTextLines(step));
}

void DrawStepBoxOf(CSurface& dc, const LessonStep& s, bool last,
                   const std::vector<std::string_view>& lines) {
    const CRect& box = s.rcBox;

    const int bx = ButtonLeft(box), by = ButtonTop(box);
    {
        const CSelection pen(dc, CPen{kLineColour, 1});
        DrawPanelBox(dc, box);

        const CSelection brush(dc, CBrush{kPanelColour, false});
        DrawRoundButton(dc, bx, by);
    }

    if (s.bArrow) DrawPointer(dc, s.ptArrow);

    dc.SetTextColour(Rgb(0, 0, 0));
    const char* caption = last ? "Закончить" : "Далее...";
    dc.DrawText(caption, {bx, by, bx + kButtonWidth, by + kButtonHeight}, DT_CENTER | DT_VCENTER,
                CFont{kCaptionFontHeight});
    // Drawn after the button: a text long enough runs over it, and is cut at the box's edge.
    dc.DrawLines(lines, TextRect(box), DT_WORDBREAK, CFont{kStepTextFontHeight});
}

int32_t HitTestStepButton(int x, int y, int32_t step) {
    return HitTestBoxButton(x, y, kStepTable[step].rcBox);
}

CRect StepButtonRect(const CRect& box) {
    const int bx = ButtonLeft(box), by = ButtonTop(box);
    return {bx, by, bx + kButtonWidth, by + kButtonHeight};
}

int32_t HitTestBoxButton(int x, int y, const CRect& box) {
    const int bx = ButtonLeft(box), by = ButtonTop(box);
    return bx < x && x < bx + kButtonWidth && by < y && y < by + kButtonHeight ? 1 : -1;
}
