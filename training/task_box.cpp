#include "training/task_box.h"

#include "platform/layout.h"
#include "training/chooser.h"
#include "training/step_box.h"

namespace {

constexpr int kMargin = 2;   // between the box and the window's edges
constexpr int kPadding = 6;  // inside the box
constexpr int kFieldWidth = 96;
constexpr int kFieldHeight = 24;
constexpr int kSmallButton = 72;  // three buttons in a row
constexpr int kFlipSize = 14;
constexpr int kCountFontHeight = 14;

// A font cell of the text font: one line of the problem.
int LineHeight() {
    static const int cell =
        CSurface::MeasureText("Ж", {0, 0, 100, 100}, DT_LEFT, CFont{kStepTextFontHeight}).Height();
    return cell;
}

bool Inside(const CRect& r, int x, int y) {
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

}  // namespace

std::string VerdictText(const CVerdict& v) {
    switch (v.m_nKind) {
        case training::Verdict::Right: return "Верно";
        case training::Verdict::Wrong: return "Неверно: около " + v.m_strNear;
        case training::Verdict::Invalid: return "Введите число";
        case training::Verdict::None: break;
    }
    return "";
}

std::vector<std::string_view> BreakTaskText(const std::string& problem) {
    const int width = kClientWidth - 2 * kMargin - 2 * kPadding - kFlipSize - 2;
    return CSurface::BreakText(problem.c_str(), width, CFont{kStepTextFontHeight});
}

CTaskBoxLayout LayoutTaskBox(int textLines, bool atBottom) {
    const int textHeight = textLines * LineHeight();
    const int height = kPadding + textHeight + 4 + kFieldHeight + 6 + kButtonHeight + kPadding;
    CTaskBoxLayout l;
    const int left = kMargin, right = kClientWidth - kMargin - 1;
    const int top = atBottom ? kClientHeight - kMargin - height : kMargin;
    l.box = {left, top, right, top + height - 1};
    l.text = {left + kPadding, top + kPadding, right - kFlipSize - 2, top + kPadding + textHeight};
    const int row = l.text.bottom + 4;
    l.field = {left + kPadding, row, left + kPadding + kFieldWidth, row + kFieldHeight};
    l.verdict = {l.field.right + 6, row - 4, right - 2, row + kFieldHeight + 4};
    const int by = row + kFieldHeight + 6;
    const int gap = (right - left + 1 - 3 * kSmallButton) / 4;
    for (int i = 0; i < 3; ++i) {
        const int bx = left + gap + i * (kSmallButton + gap);
        l.buttons[i] = {bx, by, bx + kSmallButton, by + kButtonHeight};
    }
    l.flip = {right - kFlipSize - 1, top + 2, right - 1, top + 2 + kFlipSize};
    return l;
}

CTaskBoxWords PracticeWords(const CVerdict& verdict, int solved, int set) {
    CTaskBoxWords words;
    words.verdict = VerdictText(verdict);
    words.count = SolvedCount(solved, set);
    return words;
}

void DrawTaskBox(CSurface& dc, const CTaskBoxLayout& l, const std::vector<std::string_view>& lines,
                 const std::string& answer, const CTaskBoxWords& words) {
    const CRect& box = l.box;
    {
        const CSelection pen(dc, CPen{kLineColour, 1});
        DrawPanelBox(dc, box);
        const CSelection brush(dc, CBrush{kPanelColour, false});
        for (int i = 0; i < 3; ++i)
            if (words.captions[i])
                DrawRoundButton(dc, l.buttons[i].left, l.buttons[i].top, l.buttons[i].Width());

        // The switch: a small square with an arrow each way, up and down.
        const CRect& f = l.flip;
        dc.MoveTo(f.left, f.top);
        dc.LineTo(f.right, f.top);
        dc.LineTo(f.right, f.bottom);
        dc.LineTo(f.left, f.bottom);
        dc.LineTo(f.left, f.top);
        const int cx = (f.left + f.right) / 2;
        for (int d = 0; d < 4; ++d) {
            dc.MoveTo(cx - d, f.top + 2 + d);
            dc.LineTo(cx + d + 1, f.top + 2 + d);
            dc.MoveTo(cx - d, f.bottom - 2 - d);
            dc.LineTo(cx + d + 1, f.bottom - 2 - d);
        }
        dc.MoveTo(cx, f.top + 5);
        dc.LineTo(cx, f.bottom - 5);
    }
    {
        const CRect& f = l.field;
        dc.FillSolidRect(f.left, f.top, f.Width(), f.Height(), Rgb(255, 255, 255));
        const CSelection pen(dc, CPen{Rgb(128, 128, 128), 1});
        dc.MoveTo(f.left, f.top);
        dc.LineTo(f.right - 1, f.top);
        dc.LineTo(f.right - 1, f.bottom - 1);
        dc.LineTo(f.left, f.bottom - 1);
        dc.LineTo(f.left, f.top);
    }
    dc.SetTextColour(Rgb(0, 0, 0));
    for (int i = 0; i < 3; ++i)
        if (words.captions[i])
            dc.DrawText(words.captions[i], l.buttons[i], DT_CENTER | DT_VCENTER,
                        CFont{kCountFontHeight});  // narrower buttons
    dc.DrawLines(lines, l.text, DT_WORDBREAK, CFont{kStepTextFontHeight});
    dc.DrawText(answer.c_str(),
                {l.field.left + 4, l.field.top + 4, l.field.right - 3, l.field.bottom - 2}, DT_LEFT,
                CFont{kStepTextFontHeight});
    const int half = (l.verdict.top + l.verdict.bottom) / 2;
    dc.DrawText(words.verdict.c_str(), {l.verdict.left, l.verdict.top, l.verdict.right, half},
                DT_LEFT, CFont{kCountFontHeight});
    dc.DrawText(words.count.c_str(), {l.verdict.left, half, l.verdict.right, l.verdict.bottom},
                DT_LEFT, CFont{kCountFontHeight});
}

TaskBoxPart HitTestTaskBox(const CTaskBoxLayout& l, int x, int y) {
    for (int i = 0; i < 3; ++i)
        if (Inside(l.buttons[i], x, y)) return TaskBoxPart(i);
    if (Inside(l.flip, x, y)) return kTaskFlip;
    return kTaskNowhere;
}

std::string SolvedCount(int solved, int set) {
    return "Решено " + std::to_string(solved) + " из " + std::to_string(set);
}
