// Where practice stands: the task chooser's list box, the open task with its box and answer
// field, and the session's count. Whether a task is open, shown or chosen is the window's
// activity; its solution plays in the step player.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "training/task_box.h"
#include "training/task_kinds.h"
#include "training/verdict.h"

class IEditBox;
class IListBox;

struct CTaskState {
    uint8_t m_bChooserCreated = 0;  // its list box exists for this opening
    IListBox* m_wndTaskList = nullptr;

    training::Task m_task;    // the open task, or the last one
    uint8_t m_bAtBottom = 0;  // the box stands against the bottom of the window
    CTaskBoxLayout m_layout;
    std::string m_strVerdict;  // the verdict's words, a NUL after each paragraph
    std::vector<std::string_view> m_problemLines;  // views into m_task.problem, m_strVerdict
    IEditBox* m_wndAnswer = nullptr;               // owned by the window host; null when none
    std::string m_strAnswer;  // what the field held while it is away for the solution
    CVerdict m_verdict;       // the last check's
    uint8_t m_bAnswered = 0;  // a number was checked: the first one decided the task's score
    uint8_t m_bSolved = 0;    // the first number checked, before the solution, was right
    uint8_t m_bShown = 0;     // its solution has been shown
    int32_t m_nWrong = 0;     // numbers checked and found wrong; the second reveals the answer

    int32_t m_nSolved = 0;     // "Решено N из M" for the session: right at the first try...
    int32_t m_nSet = 0;        // ...of the tasks set
    uint32_t m_nNextSeed = 1;  // the seed of the next task the chooser starts
};
