#include "training/chooser.h"

#include <algorithm>

#include "platform/host.h"
#include "training/lesson_list.h"
#include "training/progress_table.h"
#include "training/task_kinds.h"

namespace {

constexpr int kCancelX = 35;
constexpr int kStartX = 125;
constexpr int kButtonsY = 200;

bool OnButton(int left, int top, int x, int y) {
    return left < x && x < left + kButtonWidth && top < y && y < top + kButtonHeight;
}

}  // namespace

void DrawPanelBox(CSurface& dc, const CRect& box) {
    dc.FillSolidRect(box.left, box.top, box.right - box.left + 1, box.bottom - box.top + 1,
                     kPanelColour);
    dc.MoveTo(box.left, box.top);
    dc.LineTo(box.right, box.top);
    dc.LineTo(box.right, box.bottom);
    dc.LineTo(box.left, box.bottom);
    dc.LineTo(box.left, box.top);
}

void DrawRoundButton(CSurface& dc, int x, int y, int width) {
    // Four circles give the corners; the two fills then cover everything of them but their
    // outer quarter arcs, and four lines close the edges between the arcs.
    const int w = width;
    dc.Ellipse(x, y, x + 20, y + 20);
    dc.Ellipse(x + w - 20, y, x + w, y + 20);
    dc.Ellipse(x + w - 20, y + 10, x + w, y + 30);
    dc.Ellipse(x, y + 10, x + 20, y + 30);
    dc.FillSolidRect(x + 10, y, w - 20, 30, kPanelColour);
    dc.FillSolidRect(x, y + 10, w, 10, kPanelColour);
    dc.MoveTo(x + 10, y);
    dc.LineTo(x + w - 10, y);
    dc.MoveTo(x + w - 1, y + 9);
    dc.LineTo(x + w - 1, y + 21);
    dc.MoveTo(x + w - 10, y + 29);
    dc.LineTo(x + 10, y + 29);
    dc.MoveTo(x, y + 20);
    dc.LineTo(x, y + 9);
}

void DrawChooser(CSurface& dc, const char* start) {
    {
        const CSelection pen(dc, CPen{kLineColour, 1});
        dc.FillSolidRect(5, 20, 230, 220, kPanelColour);
        dc.MoveTo(5, 20);
        dc.LineTo(235, 20);
        dc.LineTo(235, 240);
        dc.LineTo(5, 240);
        dc.LineTo(5, 20);

        const CSelection brush(dc, CBrush{kPanelColour, false});
        DrawRoundButton(dc, kCancelX, kButtonsY);
        DrawRoundButton(dc, kStartX, kButtonsY);
    }

    // Format 5 without single-line: centred across, but set from the top of the button.
    const CFont caption{kCaptionFontHeight};
    dc.SetTextColour(Rgb(0, 0, 0));
    dc.DrawText("Отменить",
                {kCancelX, kButtonsY, kCancelX + kButtonWidth, kButtonsY + kButtonHeight},
                DT_CENTER | DT_VCENTER, caption);
    dc.DrawText(start, {kStartX, kButtonsY, kStartX + kButtonWidth, kButtonsY + kButtonHeight},
                DT_CENTER | DT_VCENTER, caption);
}

namespace {

// Selects the item of key; the first when none has it.
void SelectKey(IListBox& list, uint32_t key) {
    int sel = 0;
    for (int i = 0; i < list.GetCount(); ++i)
        if (key != 0 && list.GetItemData(i) == int32_t(key)) sel = i;
    list.SetCurSel(sel);
}

}  // namespace

void FillLessonList(IListBox& list, const training::CProgress* progress) {
    // Inserting at a position never sorts, so the list keeps the table's order (key 32
    // before key 31) whatever the control's own sorting style.
    for (int position = 0; kLessonList[position].key != 0; ++position) {
        const uint32_t key = kLessonList[position].key;
        const int index = list.InsertString(position, kLessonList[position].pszText);
        list.SetItemData(index, int32_t(key));
        if (progress) list.SetItemMark(index, training::LessonMark(*progress, key));
    }
    SelectKey(list, progress ? progress->LastLesson() : 0);
}

void FillTaskList(IListBox& list, const training::CProgress* progress) {
    int item = 0;
    for (int position = 0; kLessonList[position].key != 0; ++position) {
        const uint32_t key = kLessonList[position].key;
        if (!training::HasTaskKind(key)) continue;
        const int index = list.InsertString(item++, kLessonList[position].pszText);
        list.SetItemData(index, int32_t(key));
        if (progress) list.SetItemMark(index, training::KindCount(*progress, key).c_str());
    }
    SelectKey(list, progress ? progress->LastKind() : 0);
}

CRect ChooserButtonRect(int button) {
    const int left = button == 0 ? kCancelX : kStartX;
    return {left, kButtonsY, left + kButtonWidth, kButtonsY + kButtonHeight};
}

int32_t HitTestChooser(const IListBox* list, int x, int y) {
    if (OnButton(kCancelX, kButtonsY, x, y)) return 0;
    if (OnButton(kStartX, kButtonsY, x, y)) return SelectedLessonKey(list);
    return -1;
}

int32_t SelectedLessonKey(const IListBox* list) {
    return list ? list->GetItemData(list->GetCurSel()) : -1;
}

int ChooserKeySelection(KeyCode key, int sel, int count, int page) {
    if (count <= 0) return -1;
    page = std::max(1, page - 1);  // a page keeps one title of the last in sight
    int to;
    switch (key) {
        case KEY_UP: to = sel < 0 ? 0 : sel - 1; break;
        case KEY_DOWN: to = sel < 0 ? 0 : sel + 1; break;
        case KEY_PAGEUP: to = sel < 0 ? 0 : sel - page; break;
        case KEY_PAGEDOWN: to = sel < 0 ? 0 : sel + page; break;
        case KEY_HOME: to = 0; break;
        case KEY_END: to = count - 1; break;
        default: return -1;
    }
    return std::clamp(to, 0, count - 1);
}
