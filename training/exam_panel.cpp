#include "training/exam_panel.h"

#include <cstdio>

namespace training {

namespace {

std::string TaskOf(int index, std::size_t total) {
    return "Задача " + std::to_string(index + 1) + " из " + std::to_string(total);
}

CPanel Frame(const CExam& exam, int index) {
    CPanel p;
    p.visible = true;
    p.title = "Зачёт";
    p.problem = exam.GetPaper().tasks[std::size_t(index)].problem;
    p.count = TaskOf(index, exam.Rows().size());
    return p;
}

}  // namespace

std::string ClockText(int64_t ms) {
    const int64_t seconds = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

CPanel ExamPanel(const CExam& exam, const std::string& typed, bool fieldKeys, int64_t now) {
    const int current = exam.Current();
    CPanel p = Frame(exam, current);
    const Row& row = exam.Rows()[std::size_t(current)];
    // The verdict waits for the result: the panel says only whether the answer was taken.
    const bool taken = row.outcome == Verdict::Right || row.outcome == Verdict::Wrong;
    if (taken)
        p.verdict = "Ответ принят: " + row.answer;
    else if (row.outcome == Verdict::Invalid)
        p.verdict = "Введите число";
    p.field = !taken;
    p.fieldKeys = !taken && fieldKeys;
    p.answer = taken ? "" : typed;
    p.count += ", " + ClockText(exam.Elapsed(now));
    const bool last = current + 1 == int(exam.Rows().size());
    p.buttons = {{PanelCommand::Check, "Проверить", !taken},
                 {PanelCommand::Next, last ? "Завершить" : "Следующая", true}};
    return p;
}

CPanel ExamSolutionPanel(const CExam& exam, int row) {
    CPanel p = Frame(exam, row);
    const Row& r = exam.Rows()[std::size_t(row)];
    p.verdict = std::string("Итог: ") + OutcomeWord(r.outcome) +
                (r.answer.empty() ? "" : " (ответ " + r.answer + ")");
    p.buttons = {{PanelCommand::Close, "Закрыть", true}};
    return p;
}

}  // namespace training
