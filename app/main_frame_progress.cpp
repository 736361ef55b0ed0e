// What the program remembers: read once at start-up and put back, recorded at each change
// worth keeping and stored at once (the store writes only bytes that changed).
#include "app/main_frame.h"
#include "resources/ids.h"
#include "training/progress_table.h"
#include "training/step_table.h"

void CMainFrame::UseProgress(training::CProgressStore& store, training::Stamp (*now)()) {
    m_pStore = &store;
    m_pNow = now;
    m_progress = store.Load(now());
    // The kept values were checked against the rule's limits as they were read.
    if (const std::optional<training::RulePlace>& rule = m_progress.Rule()) {
        m_rule.m_nScroll = rule->scroll;
        m_rule.m_nSlide = rule->slide;
        m_rule.m_nCursor = rule->cursor;
        m_rule.m_bClamp = rule->clamp;
        if (rule->side == 0)
            OnSide1();
        else
            OnSide2();
    }
    m_host.Invalidate();
}

void CMainFrame::TellProgress() {
    std::string text;
    if (m_pStore && m_pStore->TakeMessage(text))
        m_host.MessageBox(training::kMessageCaption, text.c_str());
}

void CMainFrame::StoreProgress() {
    if (m_pStore && !m_pStore->Save(m_progress)) TellProgress();
}

std::string CMainFrame::Today() const {
    return training::DateOf(m_pNow ? m_pNow() : training::LocalNow());
}

void CMainFrame::KeepWindow(const training::WindowPlace& place) {
    if (m_progress.SetWindow(place)) StoreProgress();
}

void CMainFrame::KeepAtExit() {
    // A key press or wheel run not yet recorded still counts: the rule is kept as it shows.
    const CRuleState& r = m_rule;
    m_progress.SetRule({r.m_nScroll, r.m_nSlide, r.m_nCursor, r.m_nSide, r.m_bClamp});
    StoreProgress();
}

void CMainFrame::KeepLessonStep() {
    if (m_activity.Base() != Activity::Lesson || m_steps.m_nLesson <= 0) return;
    const auto key = uint32_t(m_steps.m_nLesson);
    int32_t n = 0;
    for (int32_t i = 0; i <= m_steps.m_nStep && i < kStepCount; ++i)
        n += kStepTable[i].key == key ? 1 : 0;
    if (m_progress.StepReached(key, n)) StoreProgress();
}

void CMainFrame::OnProgress() {
    EndGesture();  // the table comes beside the window: nothing goes on repeating under it
    m_host.ShowProgress();
}

void CMainFrame::ResetProgress() {
    // The first copy is the one to go back to: a second reset forgets nothing more.
    if (!m_progressBeforeReset) m_progressBeforeReset = m_progress;
    m_progress.ForgetWork();
    StoreProgress();
    m_host.Invalidate();
}

void CMainFrame::UndoResetProgress() {
    if (!m_progressBeforeReset) return;
    // The work comes back as it was; the window, the rule and the choices stay as they are now.
    training::CProgress work = *m_progressBeforeReset;
    if (m_progress.Window()) work.SetWindow(*m_progress.Window());
    if (m_progress.Rule()) work.SetRule(*m_progress.Rule());
    work.SetTaskBoxAtBottom(m_progress.TaskBoxAtBottom());
    work.SetLastLesson(m_progress.LastLesson());
    work.SetLastKind(m_progress.LastKind());
    m_progress = work;
    m_progressBeforeReset.reset();
    StoreProgress();
    m_host.Invalidate();
}
