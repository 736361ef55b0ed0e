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

const char* const kCaptions[3] = {"Проверить", "Показать", "Закрыть"};

// A font cell of the text font: one line of the problem.
int LineHeight() {
    static const int cell =
        CSurface::MeasureText("Ж", {0, 0, 100, 100}, DT_LEFT, CFont{kStepTextFontHeight}).Height();
    return cell;
}

// A number as the box shows it: a decimal comma and a true minus sign.
std::string Shown(const std::string& number) {
    std::string s;
    for (const char c : number) {
        if (c == '.')
            s += ',';
        else if (c == '-')
            s += "−";
        else
            s += c;
    }
    return s;
}

bool Inside(const CRect& r, int x, int y) {
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

}  // namespace

std::string VerdictText(const CVerdict& v) {
    std::string text;
    switch (v.m_nKind) {
        case training::Verdict::Right:
            text = v.m_bCounted ? "Верно" : "Верно, но не засчитано";
            break;
        case training::Verdict::Wrong:
            // Only the direction: the value would give the answer away to the next try.
            text =
                v.m_nSide > 0 ? "Неверно: ответ больше верного" : "Неверно: ответ меньше верного";
            break;
        case training::Verdict::Invalid: text = "Введите число"; break;
        case training::Verdict::None: break;
    }
    if (!v.m_bRevealed) return text;
    if (!text.empty()) text += "\n";
    text += "Верный ответ: около " + Shown(v.m_strNear) + ", засчитывается ";
    if (v.m_strLow == v.m_strHigh) return text + Shown(v.m_strLow);
    // A dash after a negative number would read as a second minus; the low end is the first
    // to go below zero.
    if (v.m_strLow.rfind('-', 0) == 0 || v.m_strLow.rfind("−", 0) == 0)
        return text + "от " + Shown(v.m_strLow) + " до " + Shown(v.m_strHigh);
    return text + Shown(v.m_strLow) + "–" + Shown(v.m_strHigh);
}

std::vector<std::string_view> BreakTaskText(const char* text) {
    const int width = kClientWidth - 2 * kMargin - 2 * kPadding - kFlipSize - 2;
    return CSurface::BreakText(text, width, CFont{kStepTextFontHeight});
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

void DrawTaskBox(CSurface& dc, const CTaskBoxLayout& l, const std::vector<std::string_view>& lines,
                 const std::string& answer, int solved, int set) {
    const CRect& box = l.box;
    {
        const CSelection pen(dc, CPen{kLineColour, 1});
        DrawPanelBox(dc, box);
        const CSelection brush(dc, CBrush{kPanelColour, false});
        for (const CRect& b : l.buttons) DrawRoundButton(dc, b.left, b.top, b.Width());

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
        dc.DrawText(kCaptions[i], l.buttons[i], DT_CENTER | DT_VCENTER,
                    CFont{kCountFontHeight});  // narrower buttons
    dc.DrawLines(lines, l.text, DT_WORDBREAK, CFont{kStepTextFontHeight});
    dc.DrawText(answer.c_str(),
                {l.field.left + 4, l.field.top + 4, l.field.right - 3, l.field.bottom - 2}, DT_LEFT,
                CFont{kStepTextFontHeight});
    // The verdict stands under the problem, among its lines: here only the count.
    dc.DrawText(SolvedCount(solved, set).c_str(), l.verdict, DT_LEFT | DT_VCENTER,
                CFont{kCountFontHeight});
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
