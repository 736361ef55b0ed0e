// What the program remembers, as the user is shown it: the marks of the lesson chooser, the
// counts of the task chooser and the rows of the progress table. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "training/progress.h"

namespace training {

constexpr const char* kFinishedMark = "✓";
constexpr const char* kBegunMark = "•";

// The mark before a lesson's title: finished, begun, or nothing ("").
const char* LessonMark(const CProgress& progress, uint32_t key);
// A kind's first answers right of its tasks set, "5 из 7"; "" before the first task.
std::string KindCount(const CProgress& progress, uint32_t key);

// One row of the table: every lesson in the chooser's order, then every kind of task.
struct ProgressRow {
    bool lesson = true;  // else a kind of task
    uint32_t key = 0;
    std::string title;  // the lesson's title as the chooser gives it, without its leading blank
    std::string count;  // "пройден", "шаг 3 из 7", "5 из 7"; "" when not begun
    std::string date;   // finished, or the last task set; "" when none
};
std::vector<ProgressRow> ProgressRows(const CProgress& progress);

// The table's captions, in its column order.
constexpr const char* kProgressColumns[] = {"Урок или задачи", "Сделано", "Дата"};
constexpr const char* kProgressTitle = "Прогресс";
constexpr const char* kResetCaption = "Сбросить прогресс";
constexpr const char* kResetQuestion =
    "Забыть пройденные уроки, решённые задачи и зачёты? Это можно вернуть, пока программа "
    "открыта.";
constexpr const char* kUndoResetCaption = "Вернуть прогресс";

}  // namespace training
