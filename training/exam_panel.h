// The panel beside the rule during a test of several tasks, and while a solution from its
// result plays: the same panel as a practice task's, in a test's words.
#pragma once

#include <cstdint>
#include <string>

#include "platform/host.h"
#include "training/exam.h"

namespace training {

// Minutes and seconds, "2:15"; hours as minutes past 59.
std::string ClockText(int64_t ms);

// The running test's current task: "Зачёт", the problem, the field with typed while the task
// has no answer yet, "Введите число" for text that is no number, "Ответ принят: X" once one is
// taken (the field goes: there is no second try), "Задача 3 из 10, 2:15" at now, and
// "Проверить" with "Следующая", or "Завершить" on the last task.
CPanel ExamPanel(const CExam& exam, const std::string& typed, bool fieldKeys, int64_t now);

// The problem of row (0 is the first) of the test that ended while its solution plays, with
// the verdict and the answer given, and "Закрыть".
CPanel ExamSolutionPanel(const CExam& exam, int row);

}  // namespace training
