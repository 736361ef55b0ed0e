#include "training/progress_table.h"

#include "training/lesson_list.h"
#include "training/task_kinds.h"

namespace training {

namespace {

std::string Title(const char* text) { return text[0] == ' ' ? text + 1 : text; }

std::string OutOf(int32_t part, int32_t whole) {
    return std::to_string(part) + " из " + std::to_string(whole);
}

}  // namespace

const char* LessonMark(const CProgress& progress, uint32_t key) {
    const auto it = progress.Lessons().find(key);
    if (it == progress.Lessons().end()) return "";
    return it->second.finishedOn.empty() ? kBegunMark : kFinishedMark;
}

std::string KindCount(const CProgress& progress, uint32_t key) {
    const auto it = progress.Kinds().find(key);
    if (it == progress.Kinds().end() || it->second.set == 0) return "";
    return OutOf(it->second.right, it->second.set);
}

std::vector<ProgressRow> ProgressRows(const CProgress& progress) {
    std::vector<ProgressRow> rows;
    for (int i = 0; kLessonList[i].key != 0; ++i) {
        ProgressRow row{true, kLessonList[i].key, Title(kLessonList[i].pszText), "", ""};
        const auto it = progress.Lessons().find(row.key);
        if (it != progress.Lessons().end()) {
            row.date = it->second.finishedOn;
            row.count = row.date.empty() ? "шаг " + OutOf(it->second.furthest, StepsIn(row.key))
                                         : "пройден";
        }
        rows.push_back(row);
    }
    for (int i = 0; kLessonList[i].key != 0; ++i) {
        if (!HasTaskKind(kLessonList[i].key)) continue;
        ProgressRow row{false, kLessonList[i].key, Title(kLessonList[i].pszText), "", ""};
        row.count = KindCount(progress, row.key);
        const auto it = progress.Kinds().find(row.key);
        if (it != progress.Kinds().end()) row.date = it->second.last;
        rows.push_back(row);
    }
    return rows;
}

}  // namespace training
