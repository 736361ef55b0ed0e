// Where practice stands: the task chooser's list box, the open task with what its panel's
// answer field holds, and the session's count. Whether a task is open, shown or chosen is the
// window's activity; its solution plays in the step player.
#pragma once

#include <cstdint>
#include <string>

#include "training/task_kinds.h"
#include "training/verdict.h"

class IListBox;

struct CTaskState {
    uint8_t m_bChooserCreated = 0;  // its list box exists for this opening
    IListBox* m_wndTaskList = nullptr;

    training::Task m_task;     // the open task, or the last one
    std::string m_strAnswer;   // what the panel's answer field holds, as the user typed it
    uint8_t m_bFieldKeys = 0;  // the field has the keys: the moving keys are its, not the rule's
    CVerdict m_verdict;        // the last check's
    uint8_t m_bAnswered = 0;   // a number was checked: the first one decided the task's score
    uint8_t m_bSolved = 0;     // the first number checked, before the solution, was right
    uint8_t m_bShown = 0;      // its solution has been shown
    int32_t m_nWrong = 0;      // numbers checked and found wrong; the second reveals the answer

    int32_t m_nSolved = 0;     // "Решено N из M" for the session: right at the first try...
    int32_t m_nSet = 0;        // ...of the tasks set
    uint32_t m_nNextSeed = 1;  // the seed of the next task the chooser starts
};
