#include "app/frame_state.h"

namespace {

bool SameTask(const training::Task& a, const training::Task& b) {
    for (int i = 0; i < training::kMaxNumbers; ++i)
        if (a.numbers[i] != b.numbers[i]) return false;
    return a.kind == b.kind && a.key == b.key && a.seed == b.seed && a.variant == b.variant &&
           a.count == b.count && a.answer == b.answer && a.readOn == b.readOn &&
           a.reading == b.reading && a.factor == b.factor && a.low == b.low && a.high == b.high &&
           a.form == b.form && a.problem == b.problem;
}

bool operator==(const CTrainingState& a, const CTrainingState& b) {
    return a.m_bListCreated == b.m_bListCreated && a.m_rcLessonList == b.m_rcLessonList &&
           a.m_wndLessonList == b.m_wndLessonList;
}

bool operator==(const CTaskState& a, const CTaskState& b) {
    return a.m_bChooserCreated == b.m_bChooserCreated && a.m_wndTaskList == b.m_wndTaskList &&
           SameTask(a.m_task, b.m_task) && a.m_strAnswer == b.m_strAnswer &&
           a.m_bFieldKeys == b.m_bFieldKeys && a.m_verdict == b.m_verdict &&
           a.m_bAnswered == b.m_bAnswered && a.m_bSolved == b.m_bSolved &&
           a.m_bShown == b.m_bShown && a.m_nWrong == b.m_nWrong && a.m_nSolved == b.m_nSolved &&
           a.m_nSet == b.m_nSet && a.m_nNextSeed == b.m_nNextSeed;
}

}  // namespace

bool operator==(const CFrameState& a, const CFrameState& b) {
    return a.m_rule == b.m_rule && a.m_undo == b.m_undo && a.m_gesture == b.m_gesture &&
           a.m_training == b.m_training && a.m_keys == b.m_keys && a.m_tasks == b.m_tasks &&
           a.m_steps == b.m_steps && a.m_activity == b.m_activity && a.m_test == b.m_test;
}
