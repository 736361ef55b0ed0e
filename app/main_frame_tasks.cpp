// Practice's handlers of the main window: the task chooser, the panel beside the rule with the
// task's answer field and buttons, and the start of a solution, which the step player then
// plays as a lesson.
#include "app/main_frame.h"
#include "resources/ids.h"
#include "training/chooser.h"
#include "training/exam.h"
#include "training/exam_panel.h"
#include "training/task_answers.h"
#include "training/task_box.h"

void CMainFrame::OnTasks() {
    EndGesture();              // as the lesson chooser: no drag or hold goes on behind the panel
    m_tasks.m_bFieldKeys = 1;  // the field takes the keys again when the chooser gives it back
    OpenChooser(Activity::TaskChooser);
    m_tasks.m_bChooserCreated = 0;
    m_host.Invalidate();
}

void CMainFrame::CloseTaskChooser(int32_t r) {
    if (r < 0) return;
    m_host.DestroyListBox();
    m_tasks.m_wndTaskList = nullptr;
    m_activity.m_nNow = m_activity.m_nUnder;
    if (r > 0 && m_progress.SetLastKind(uint32_t(r))) StoreProgress();
    if (r > 0) StartTask(uint32_t(r), m_tasks.m_nNextSeed++);
    m_host.Invalidate();
}

void CMainFrame::StartTask(uint32_t key, uint32_t seed) {
    if (!training::HasTaskKind(key) || m_activity.Base() == Activity::Test) return;
    // A task replaces a running lesson, as another lesson would, and leaves no undo entry.
    if (m_activity.Base() == Activity::Lesson) {
        m_steps.Stop();
        SetBase(Activity::RuleFree);
    }
    CloseTask();
    PutTask(training::DrawTask(key, seed));
    SetBase(Activity::Task);
    m_tasks.m_bAnswered = 0;
    m_tasks.m_bSolved = 0;
    m_tasks.m_bShown = 0;
    m_tasks.m_nWrong = 0;
    ++m_tasks.m_nSet;
    if (m_progress.TaskSet(key, Today())) StoreProgress();
}

void CMainFrame::PutTask(const training::Task& task) {
    m_tasks.m_task = task;
    m_tasks.m_strAnswer.clear();
    m_tasks.m_bFieldKeys = 1;  // the answer is typed first: the field has the keys
    m_tasks.m_verdict = CVerdict{};
    // The problem is solved on its kind's side.
    if (m_tasks.m_task.readOn >= model::Scale::S7)
        OnSide2();
    else
        OnSide1();
    m_host.Invalidate();
}

void CMainFrame::CloseTask() {
    if (!TaskOpen()) return;
    if (m_activity.Base() == Activity::Solution) m_steps.Stop();
    m_test.m_bFromResult = 0;
    SetBase(Activity::RuleFree);
    m_host.Invalidate();
}

bool CMainFrame::FieldHasKeys() const {
    return m_tasks.m_bFieldKeys && RulesOf(Current()).taker == Taker::TaskPanel;
}

training::Verdict CMainFrame::OnTaskCheck() {
    if (!TaskBoxShown()) return training::Verdict::Invalid;
    const std::string& text = m_tasks.m_strAnswer;
    const training::Task& task = m_tasks.m_task;
    const training::Verdict v = training::Check(task, text);
    CVerdict& verdict = m_tasks.m_verdict;  // what it reveals stays revealed
    verdict.m_nKind = v;
    verdict.m_nSide = 0;
    // Text that is no number is no answer: it uses up no try.
    if (v != training::Verdict::Invalid) {
        if (!m_tasks.m_bAnswered && !m_tasks.m_bShown)
            ScoreFirstAnswer(v == training::Verdict::Right);
        m_tasks.m_bAnswered = 1;
    }
    if (v == training::Verdict::Wrong) {
        double value = 0;
        training::ParseAnswer(text, task.form, value);
        verdict.m_nSide = value > task.answer ? 1 : -1;
        if (++m_tasks.m_nWrong >= 2) RevealAnswer();
    }
    verdict.m_bCounted = v == training::Verdict::Right && m_tasks.m_bSolved;
    m_host.Invalidate();
    return v;
}

void CMainFrame::ScoreFirstAnswer(bool right) {
    if (!right) return;
    m_tasks.m_bSolved = 1;
    ++m_tasks.m_nSolved;
    // What is kept between runs counts the same first answers.
    if (m_progress.FirstAnswerRight(m_tasks.m_task.key)) StoreProgress();
}

void CMainFrame::RevealAnswer() {
    CVerdict& v = m_tasks.m_verdict;
    const training::AcceptedRange range = training::AcceptedRangeOf(m_tasks.m_task);
    v.m_bRevealed = 1;
    v.m_strNear = training::RoundedAnswer(m_tasks.m_task);
    v.m_strLow = range.lo;
    v.m_strHigh = range.hi;
}

void CMainFrame::OnTaskShow() {
    if (!TaskBoxShown()) return;
    EndGesture();  // the solution holds the rule as a lesson does: no drag goes on under it
    m_steps.PlaySolution(m_tasks.m_task);
    m_tasks.m_bShown = 1;
    m_tasks.m_bFieldKeys = 1;  // the field takes the keys again when the solution ends
    RevealAnswer();
    SetBase(Activity::Solution);
    m_rule.m_bClamp = 0;  // as at the start of a lesson
    ApplyStep(m_steps.Step());
    m_host.Invalidate();
}

CPanel CMainFrame::Panel() const {
    if (!TaskOpen()) return CPanel{};
    if (m_activity.Base() == Activity::Test)
        return training::ExamPanel(*m_test.m_exam, m_tasks.m_strAnswer, m_tasks.m_bFieldKeys,
                                   m_host.NowMs());
    if (m_test.m_bFromResult) return training::ExamSolutionPanel(*m_test.m_exam, m_test.m_nRow);
    const TaskStage stage = RulesOf(Current()).chooser                ? TaskStage::Aside
                            : m_activity.Base() == Activity::Solution ? TaskStage::Solution
                                                                      : TaskStage::Open;
    return TaskPanel(m_tasks, stage);
}

void CMainFrame::OnPanel(PanelCommand command, const std::string& field) {
    // A button pressed ends what the keys or the stylus were doing on the rule, as a press
    // anywhere off the rule does.
    EndKeyGesture();
    EndGesture();
    // Only what the panel offers now: a button pressed as it went grey does nothing.
    const CPanel panel = Panel();
    bool offered = false;
    for (const CPanel::Button& b : panel.buttons) offered |= b.command == command && b.enabled;
    if (!offered) return;
    if (panel.field) m_tasks.m_strAnswer = field;
    if (m_activity.Base() == Activity::Test) {
        if (command == PanelCommand::Check) OnTestAnswer();
        if (command == PanelCommand::Next) OnTestNext();
        return;
    }
    switch (command) {
        case PanelCommand::Check: OnTaskCheck(); break;
        case PanelCommand::Show: OnTaskShow(); break;
        case PanelCommand::Close: CloseTask(); break;
        case PanelCommand::Next: break;  // a test of several tasks' own
    }
}

void CMainFrame::OnPanelEdit(const std::string& text) {
    if (Panel().field) m_tasks.m_strAnswer = text;
}

void CMainFrame::OnPanelFocus(bool field) {
    if (RulesOf(Current()).taker != Taker::TaskPanel || bool(m_tasks.m_bFieldKeys) == field) return;
    m_tasks.m_bFieldKeys = field;
    m_host.Invalidate();
}

void CMainFrame::PublishPanel() {
    CPanel now = Panel();
    if (now == m_panelShown) return;
    m_panelShown = std::move(now);
    m_host.ShowPanel(m_panelShown);
}
