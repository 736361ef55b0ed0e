// The box of an open task: the problem in the lessons' words, the answer field (a child
// control laid over the box) with the running count beside it, the verdict, the buttons
// "Проверить", "Показать" and "Закрыть", and a small switch in its corner that moves the box to the
// other end of the window, so that the user chooses which strips it covers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "training/verdict.h"

enum TaskBoxPart {
    kTaskCheck = 0,
    kTaskShow = 1,
    kTaskClose = 2,
    kTaskFlip = 3,
    kTaskNowhere = -1
};

struct CTaskBoxLayout {
    CRect box;         // the right column and bottom row belong to it
    CRect text;        // the problem's lines and the verdict's
    CRect field;       // where the answer field stands
    CRect verdict;     // right of the field: the count
    CRect buttons[3];  // "Проверить", "Показать", "Закрыть"
    CRect flip;        // the switch to the other end of the window
};

// The box for a problem of textLines lines, against the top of the client area or its bottom.
CTaskBoxLayout LayoutTaskBox(int textLines, bool atBottom);

// The verdict as the box words it; nothing before the first check. A wrong answer is told
// only whether it is too large or too small; once the right answer is revealed a second line
// gives it with the range the check accepts ("Верный ответ: около 5820, засчитывается
// 5700–5950").
std::string VerdictText(const CVerdict& v);

// The session's count as the box shows it: "Решено 2 из 3".
std::string SolvedCount(int solved, int set);

// A paragraph of the box (the problem, a line of the verdict) broken into its lines.
std::vector<std::string_view> BreakTaskText(const char* text);

// The box with its lines (the problem, then the verdict in words), the field's place (white,
// edged, with what the field holds: the real control paints itself over it) and the
// session's count ("Решено N из M").
void DrawTaskBox(CSurface& dc, const CTaskBoxLayout& layout,
                 const std::vector<std::string_view>& lines, const std::string& answer, int solved,
                 int set);

// The button or switch under (x, y), strict bounds as the other buttons; kTaskNowhere
// elsewhere (in the box or out of it).
TaskBoxPart HitTestTaskBox(const CTaskBoxLayout& layout, int x, int y);
