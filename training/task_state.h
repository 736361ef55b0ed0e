// Where practice stands: the task chooser, the open task with its box and answer field, the
// solution while it is shown, and the session's count.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "training/step_table.h"
#include "training/task_box.h"
#include "training/task_kinds.h"

class IEditBox;
class IListBox;

struct CTaskState {
    uint8_t m_bChooserOpen = 0;     // the task chooser is showing
    uint8_t m_bChooserCreated = 0;  // its list box exists for this opening
    IListBox* m_wndTaskList = nullptr;

    uint8_t m_bOpen = 0;  // a task is open: its box is shown, or comes back after the solution
    tasks::Task m_task;
    uint8_t m_bAtBottom = 0;  // the box stands against the bottom of the window
    CTaskBoxLayout m_layout;
    std::vector<std::string_view> m_problemLines;  // views into m_task.problem
    IEditBox* m_wndAnswer = nullptr;               // owned by the window host; null when none
    std::string m_strAnswer;  // what the field held while it is away for the solution
    std::string m_strVerdict;  // "Верно", "Неверно: около X", "Введите число" or nothing
    uint8_t m_bSolved = 0;  // answered right before its solution was shown
    uint8_t m_bShown = 0;   // its solution has been shown

    // The solution while it is shown: its placed steps, their texts and lines.
    std::vector<LessonStep> m_solution;
    std::vector<std::string> m_texts;
    std::vector<std::vector<std::string_view>> m_lines;
    int32_t m_nShowStep = -1;  // index into m_solution; -1 while no solution is shown

    int32_t m_nSolved = 0;     // "Решено N из M" for the session: right before shown...
    int32_t m_nSet = 0;        // ...of the tasks set
    uint32_t m_nNextSeed = 1;  // the seed of the next task the chooser starts
};
