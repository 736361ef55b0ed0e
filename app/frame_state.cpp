#include "app/frame_state.h"

namespace {

bool operator==(const CTaskBoxLayout& a, const CTaskBoxLayout& b) {
    return a.box == b.box && a.text == b.text && a.field == b.field && a.verdict == b.verdict &&
           a.buttons[0] == b.buttons[0] && a.buttons[1] == b.buttons[1] &&
           a.buttons[2] == b.buttons[2] && a.flip == b.flip;
}

bool SameTask(const training::Task& a, const training::Task& b) {
    for (int i = 0; i < training::kMaxNumbers; ++i)
        if (a.numbers[i] != b.numbers[i]) return false;
    return a.kind == b.kind && a.key == b.key && a.seed == b.seed && a.variant == b.variant &&
           a.count == b.count && a.answer == b.answer && a.readOn == b.readOn &&
           a.reading == b.reading && a.factor == b.factor && a.tolerance == b.tolerance &&
           a.form == b.form && a.problem == b.problem;
}

bool operator==(const CTrainingState& a, const CTrainingState& b) {
    return a.m_bListCreated == b.m_bListCreated && a.m_rcLessonList == b.m_rcLessonList &&
           a.m_wndLessonList == b.m_wndLessonList;
}

bool operator==(const CTaskState& a, const CTaskState& b) {
    return a.m_bChooserCreated == b.m_bChooserCreated && a.m_wndTaskList == b.m_wndTaskList &&
           SameTask(a.m_task, b.m_task) && a.m_bAtBottom == b.m_bAtBottom &&
           a.m_layout == b.m_layout && a.m_problemLines == b.m_problemLines &&
           a.m_wndAnswer == b.m_wndAnswer && a.m_strAnswer == b.m_strAnswer &&
           a.m_verdict == b.m_verdict && a.m_bSolved == b.m_bSolved && a.m_bShown == b.m_bShown &&
           a.m_nSolved == b.m_nSolved && a.m_nSet == b.m_nSet && a.m_nNextSeed == b.m_nNextSeed;
}

}  // namespace

bool operator==(const CFrameState& a, const CFrameState& b) {
    return a.m_rule == b.m_rule && a.m_undo == b.m_undo && a.m_gesture == b.m_gesture &&
           a.m_training == b.m_training && a.m_keys == b.m_keys && a.m_tasks == b.m_tasks &&
           a.m_steps == b.m_steps && a.m_activity == b.m_activity && a.m_test == b.m_test;
}
