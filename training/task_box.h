// The box of an open task: the problem in the lessons' words, the answer field (a child
// control laid over the box), the verdict with the running count, the buttons "Проверить",
// "Показать" and "Закрыть", and a small switch in its corner that moves the box to the other
// end of the window, so that the user chooses which strips it covers.
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
    CRect text;        // the problem's lines
    CRect field;       // where the answer field stands
    CRect verdict;     // right of the field: the verdict over the count
    CRect buttons[3];  // "Проверить", "Показать", "Закрыть"
    CRect flip;        // the switch to the other end of the window
};

// The box for a problem of textLines lines, against the top of the client area or its bottom.
CTaskBoxLayout LayoutTaskBox(int textLines, bool atBottom);

// The verdict as the box words it; nothing before the first check.
std::string VerdictText(const CVerdict& v);

// The session's count as the box shows it: "Решено 2 из 3".
std::string SolvedCount(int solved, int set);

// The problem text broken into the box's lines.
std::vector<std::string_view> BreakTaskText(const std::string& problem);

// What the box says besides the problem: the verdict line, the count line under it and the
// buttons' captions (null: no button in that place).
struct CTaskBoxWords {
    std::string verdict;
    std::string count;
    const char* captions[3] = {"Проверить", "Показать", "Закрыть"};
};

// A practice task's: the verdict in words ("Верно", "Неверно: около X", "Введите число") and
// the session's count ("Решено N из M").
CTaskBoxWords PracticeWords(const CVerdict& verdict, int solved, int set);

// The box with the field's place (white, edged, with what the field holds: the real control
// paints itself over it) and its words.
void DrawTaskBox(CSurface& dc, const CTaskBoxLayout& layout,
                 const std::vector<std::string_view>& lines, const std::string& answer,
                 const CTaskBoxWords& words);

// The button or switch under (x, y), strict bounds as the other buttons; kTaskNowhere
// elsewhere (in the box or out of it).
TaskBoxPart HitTestTaskBox(const CTaskBoxLayout& layout, int x, int y);
