// Practice's handlers of the main window: the task chooser, the task box with its answer field
// and buttons, and the start of a solution, which the step player then plays as a lesson.
#include "app/main_frame.h"
#include "resources/ids.h"
#include "training/chooser.h"

namespace {

// Where the box hides least of the scales a kind works with: against the bottom when they
// are all on the top strip and the upper slide (scales 1a, 1 and 2), else against the top.
bool BoxAtBottom(const training::Task& task) {
    for (const training::StepNote& n : training::SolutionOf(task).notes) {
        if (n.act == training::Act::Text) continue;
        for (model::Scale s : {n.mark.scale, n.other.scale})
            if (s != model::Scale::S1a && s != model::Scale::S1 && s != model::Scale::S2)
                return false;
    }
    return true;
}

}  // namespace

void CMainFrame::StowAnswer() {
    // The field goes while a chooser or a solution has the window; what it held comes back.
    if (!m_tasks.m_wndAnswer) return;
    m_tasks.m_strAnswer = m_tasks.m_wndAnswer->GetText();
    m_host.DestroyEditBox();
    m_tasks.m_wndAnswer = nullptr;
}

void CMainFrame::OnTasks() {
    EndGesture();  // as the lesson chooser: no drag or hold goes on behind the panel
    StowAnswer();
    OpenChooser(Activity::TaskChooser);
    m_tasks.m_bChooserCreated = 0;
    m_host.Invalidate();
}

void CMainFrame::CloseTaskChooser(int32_t r) {
    if (r < 0) return;
    m_host.DestroyListBox();
    m_tasks.m_wndTaskList = nullptr;
    m_activity.m_nNow = m_activity.m_nUnder;
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
    m_tasks.m_bSolved = 0;
    m_tasks.m_bShown = 0;
    ++m_tasks.m_nSet;
}

void CMainFrame::PutTask(const training::Task& task) {
    m_tasks.m_task = task;
    m_tasks.m_bAtBottom = BoxAtBottom(m_tasks.m_task);
    m_tasks.m_strAnswer.clear();
    if (m_tasks.m_wndAnswer) m_tasks.m_wndAnswer->SetText("");
    m_tasks.m_verdict = CVerdict{};
    LayOutTaskBox();
    // The problem is solved on its kind's side.
    if (m_tasks.m_task.readOn >= model::Scale::S7)
        OnSide2();
    else
        OnSide1();
    m_host.Invalidate();
}

void CMainFrame::LayOutTaskBox() {
    m_tasks.m_problemLines = BreakTaskText(m_tasks.m_task.problem);
    m_tasks.m_layout = LayoutTaskBox(int(m_tasks.m_problemLines.size()), m_tasks.m_bAtBottom);
    if (m_tasks.m_wndAnswer) m_tasks.m_wndAnswer->Move(m_tasks.m_layout.field);
}

void CMainFrame::CloseTask() {
    if (m_tasks.m_wndAnswer) m_host.DestroyEditBox();
    m_tasks.m_wndAnswer = nullptr;
    if (!TaskOpen()) return;
    if (m_activity.Base() == Activity::Solution) m_steps.Stop();
    SetBase(Activity::RuleFree);
    m_host.Invalidate();
}

bool CMainFrame::OnTaskBoxPress(CPoint point) {
    const CRect& box = m_tasks.m_layout.box;
    if (point.x < box.left || point.x > box.right || point.y < box.top || point.y > box.bottom) {
        // A press on the rule takes the keys from the answer field: they move the rule again.
        if (m_tasks.m_wndAnswer) m_tasks.m_wndAnswer->KillFocus();
        return false;
    }
    // A press on the box leaves the keys with the answer field.
    if (m_tasks.m_wndAnswer) m_tasks.m_wndAnswer->SetFocus();
    const TaskBoxPart part = HitTestTaskBox(m_tasks.m_layout, point.x, point.y);
    if (Current() == Activity::Test && part != kTaskFlip) {  // the switch is the same in a test
        OnTestBoxPart(part);
        return true;
    }
    switch (part) {
        case kTaskCheck: OnTaskCheck(); break;
        case kTaskShow: OnTaskShow(); break;
        case kTaskClose: CloseTask(); break;
        case kTaskFlip:
            m_tasks.m_bAtBottom = !m_tasks.m_bAtBottom;
            LayOutTaskBox();
            m_host.Invalidate();
            break;
        case kTaskNowhere: break;  // the box's own ground: the rule under it is not touched
    }
    return true;
}

training::Verdict CMainFrame::OnTaskCheck() {
    if (!TaskBoxShown()) return training::Verdict::Invalid;
    const std::string text =
        m_tasks.m_wndAnswer ? m_tasks.m_wndAnswer->GetText() : m_tasks.m_strAnswer;
    const training::Verdict v = training::Check(m_tasks.m_task, text);
    m_tasks.m_verdict =
        CVerdict{v, v == training::Verdict::Wrong ? training::RoundedAnswer(m_tasks.m_task) : ""};
    if (v == training::Verdict::Right) {
        if (!m_tasks.m_bSolved && !m_tasks.m_bShown) ++m_tasks.m_nSolved;
        m_tasks.m_bSolved = 1;
    }
    m_host.Invalidate();
    return v;
}

void CMainFrame::OnTaskShow() {
    if (!TaskBoxShown()) return;
    EndGesture();  // the solution holds the rule as a lesson does: no drag goes on under it
    m_steps.PlaySolution(m_tasks.m_task);
    StowAnswer();
    m_tasks.m_bShown = 1;
    SetBase(Activity::Solution);
    m_rule.m_bClamp = 0;  // as at the start of a lesson
    ApplyStep(m_steps.Step());
    m_host.Invalidate();
}
