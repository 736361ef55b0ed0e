#include "training/task_box.h"

#include "training/task_state.h"

std::string VerdictText(const CVerdict& v) {
    switch (v.m_nKind) {
        case training::Verdict::Right: return "Верно";
        case training::Verdict::Wrong: return "Неверно: около " + v.m_strNear;
        case training::Verdict::Invalid: return "Введите число";
        case training::Verdict::None: break;
    }
    return "";
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
