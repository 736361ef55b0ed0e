// Training's handlers of the main window: the lesson chooser, the step player that runs a
// lesson's or a shown solution's steps, and what the activity draws.
#include "app/main_frame.h"
#include "resources/ids.h"
#include "training/chooser.h"
#include "training/step_box.h"
#include "training/step_table.h"

void CMainFrame::OnTraining() {
    // The chooser takes the stylus over. A gesture still under way (the command came from a
    // key or the menu while the stylus was down) ends here as its release would end it, but
    // without the nudge: its position is pushed and the capture let go, so no repeat pans
    // and no release nudges or pushes behind the panel.
    EndGesture();
    // A running lesson keeps its step: its box comes back when the chooser closes; an open
    // task's field takes the keys again then.
    m_tasks.m_bFieldKeys = 1;
    OpenChooser(Activity::LessonChooser);
    m_training.m_bListCreated = 0;
    m_host.Invalidate();
}

void CMainFrame::CloseChooser(int32_t r) {
    if (r < 0) return;
    if (r > 0) {
        CloseTask();  // a lesson takes the window over from an open task
        // Starting replaces a running lesson at once; neither leaves an undo entry. A key
        // without steps just closes the chooser.
        m_progress.SetLastLesson(uint32_t(r));
        if (m_steps.PlayLesson(uint32_t(r))) {
            m_rule.m_bClamp = 0;
            ApplyStep(m_steps.Step());
            SetBase(Activity::Lesson);
            KeepLessonStep();
        } else {
            SetBase(Activity::RuleFree);
        }
    }
    m_host.DestroyListBox();
    m_training.m_wndLessonList = nullptr;
    m_activity.m_nNow = m_activity.m_nUnder;
    m_host.Invalidate();
}

void CMainFrame::ApplyStep(const LessonStep& step) {
    // Unchecked, as prepared; the side goes through the side switch, which reloads the
    // images only when the side changes.
    if (!step.bState) return;
    m_rule.m_nScroll = step.nScroll;
    m_rule.m_nSlide = step.nSlide;
    m_rule.m_nCursor = step.nCursor;
    m_rule.m_bClamp = step.bClamp;
    if (step.nSide == 0)
        OnSide1();
    else
        OnSide2();
}

void CMainFrame::OnStepPress(CPoint point) {
    // Off the button the press goes to the default handling, which does nothing here.
    if (m_steps.OnButton(point)) AdvanceSteps();
}

bool CMainFrame::OnStepKey(KeyCode key, bool repeat) {
    switch (key) {
        case KEY_RETURN:
        case KEY_ENTER:
        case KEY_SPACE:
            // The step box's button; a held key does not run through the steps.
            if (!repeat) AdvanceSteps();
            return true;
        case KEY_ESCAPE:
            // As "Закончить" on the last step: the rule stays where this step put it.
            if (!repeat) {
                FinishSteps();
                m_host.Invalidate();
            }
            return true;
        default: return false;
    }
}

void CMainFrame::AdvanceSteps() {
    // Unlike the start, clamp mode is left as it is unless the step sets it.
    if (m_steps.Advance()) {
        ApplyStep(m_steps.Step());
        KeepLessonStep();
    } else {
        // "Закончить" on a lesson's last step finishes it; Escape leaves it begun.
        if (Current() == Activity::Lesson &&
            m_progress.LessonFinished(uint32_t(m_steps.m_nLesson), Today()))
            StoreProgress();
        FinishSteps();
    }
    m_host.Invalidate();
}

void CMainFrame::FinishSteps() {
    // The rule stays where the steps left it, and that becomes undoable. A solution gives the
    // window back to its task's panel.
    // One from a test's result gives it to the free rule.
    const bool solution = Current() == Activity::Solution && !m_test.m_bFromResult;
    m_test.m_bFromResult = 0;
    m_steps.Stop();
    SetBase(solution ? Activity::Task : Activity::RuleFree);
    m_undo.PushUndo(m_rule.m_nSlide, m_rule.m_nScroll, m_rule.m_nCursor);
}

std::optional<CRect> CMainFrame::StepBoxRect() const {
    if (!m_steps.Playing()) return std::nullopt;
    return m_steps.Step().rcBox;
}

void CMainFrame::PaintActivity(CSurface& dc) {
    // An open chooser hides a lesson's step box: drawn over the chooser's panel, it would
    // cover its buttons with a button that cannot be pressed while it is open. It comes back
    // when the chooser closes. A task's texts and buttons stand beside the rule, not on it.
    switch (Current()) {
        case Activity::LessonChooser: DrawChooser(dc); break;
        case Activity::TaskChooser: DrawChooser(dc, "Начать"); break;
        case Activity::Lesson:
        case Activity::Solution: m_steps.Draw(dc); break;
        case Activity::Task:
        case Activity::Test:
        case Activity::RuleFree: break;
    }
}

void CMainFrame::AfterPaintActivity() {
    // The list box is a real child window: it is made once what lies under it is on the
    // window, and paints itself over it. The panel stands beside the client area.
    switch (Current()) {
        case Activity::LessonChooser:
            if (!m_training.m_bListCreated) {
                m_training.m_rcLessonList = kLessonListRect;
                m_training.m_wndLessonList =
                    m_host.CreateListBox(m_training.m_rcLessonList, IDC_LESSON_LIST);
                if (m_training.m_wndLessonList)
                    FillLessonList(*m_training.m_wndLessonList, KeptProgress());
            }
            m_training.m_bListCreated = 1;
            break;
        case Activity::TaskChooser:
            if (!m_tasks.m_bChooserCreated) {
                m_tasks.m_wndTaskList = m_host.CreateListBox(kLessonListRect, IDC_LESSON_LIST);
                if (m_tasks.m_wndTaskList) FillTaskList(*m_tasks.m_wndTaskList, KeptProgress());
                m_tasks.m_bChooserCreated = 1;
            }
            break;
        default: break;
    }
    PublishPanel();
}
