// What an open task shows in the panel beside the rule: its problem in the lessons' words, the
// answer field, the verdict with the running count, and the buttons "Проверить", "Показать"
// and "Закрыть". The window keeps the task; this words it.
#pragma once

#include <string>

#include "platform/host.h"
#include "training/verdict.h"

struct CTaskState;

// The verdict as the panel words it; nothing before the first check. A wrong answer is told
// only whether it is too large or too small; once the right answer is revealed a second line
// gives it with the range the check accepts ("Верный ответ: около 5820, засчитывается
// 5700–5950").
std::string VerdictText(const CVerdict& v);

// The session's count as the panel shows it: "Решено 2 из 3".
std::string SolvedCount(int solved, int set);

// Where the task stands, for its panel.
enum class TaskStage {
    Open,      // its field and buttons work
    Solution,  // its solution plays over the rule: the problem stays in sight, the field goes
    Aside,     // a chooser is open over it: nothing in the panel works until it closes
};

// The panel of the open task.
CPanel TaskPanel(const CTaskState& tasks, TaskStage stage);
