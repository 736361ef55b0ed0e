#include "training/task_box.h"

#include "training/task_state.h"

namespace {

// A number as the panel shows it: with a true minus sign. The accepted range's ends come as
// the check reads them, with a hyphen; the rest of the number is written already.
std::string Shown(const std::string& number) {
    return number.rfind('-', 0) == 0 ? "−" + number.substr(1) : number;
}

}  // namespace

std::string VerdictText(const CVerdict& v) {
    std::string text;
    switch (v.m_nKind) {
        case training::Verdict::Right:
            text = v.m_bCounted ? "Верно" : "Верно, но не засчитано";
            break;
        case training::Verdict::Wrong:
            // Only the direction: the value would give the answer away to the next try.
            text =
                v.m_nSide > 0 ? "Неверно: ответ больше верного" : "Неверно: ответ меньше верного";
            break;
        case training::Verdict::Invalid: text = "Введите число"; break;
        case training::Verdict::None: break;
    }
    if (!v.m_bRevealed) return text;
    if (!text.empty()) text += "\n";
    const std::string low = Shown(v.m_strLow), high = Shown(v.m_strHigh);
    text += "Верный ответ: около " + Shown(v.m_strNear) + ", засчитывается ";
    if (low == high) return text + low;
    // A dash after a negative number would read as a second minus; the low end is the first
    // to go below zero.
    if (low.rfind("−", 0) == 0) return text + "от " + low + " до " + high;
    return text + low + "–" + high;
}

std::string SolvedCount(int solved, int set) {
    return "Решено " + std::to_string(solved) + " из " + std::to_string(set);
}

CPanel TaskPanel(const CTaskState& t, TaskStage stage) {
    CPanel p;
    p.visible = true;
    p.title = "Задача";
    p.problem = t.m_task.problem;
    const bool open = stage == TaskStage::Open;
    p.field = open;
    p.fieldKeys = open && t.m_bFieldKeys;
    p.answer = t.m_strAnswer;
    p.verdict = VerdictText(t.m_verdict);
    p.count = SolvedCount(t.m_nSolved, t.m_nSet);
    p.buttons = {{PanelCommand::Check, "Проверить", open},
                 {PanelCommand::Show, "Показать", open},
                 {PanelCommand::Close, "Закрыть", stage != TaskStage::Aside}};
    return p;
}
