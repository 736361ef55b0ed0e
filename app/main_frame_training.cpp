// Training's handlers of the main window: opening the chooser, its presses and the lesson's.
#include "app/main_frame.h"
#include "resources/ids.h"
#include "training/chooser.h"
#include "training/step_box.h"
#include "training/step_table.h"

void CMainFrame::ApplyCurrentStep() {
    // The side goes through the side switch, which reloads the images only when the side
    // changes.
    int32_t side = m_rule.m_nSide;
    ApplyStepState(m_training.m_nStep, m_rule.m_nScroll, m_rule.m_nSlide, m_rule.m_nCursor, side,
                   m_rule.m_bClamp);
    if (side == 0)
        OnSide1();
    else
        OnSide2();
}

void CMainFrame::OnTraining() {
    // The chooser takes the stylus over. A gesture still under way (the command came from a
    // key or the menu while the stylus was down) ends here as its release would end it, but
    // without the nudge: its position is pushed and the capture let go, so no repeat pans
    // and no release nudges or pushes behind the panel.
    EndGesture();
    // A running lesson keeps its step: its box stays drawn under the panel.
    StowAnswer();
    m_training.m_bListOpen = 1;
    m_training.m_bListCreated = 0;
    m_host.Invalidate();
}

void CMainFrame::PaintTraining(CSurface& dc) {
    // The open chooser hides a running lesson's step box: drawn over the panel, the box would
    // cover the chooser's buttons with a button that cannot be pressed while the chooser is
    // open. The lesson's box comes back when the chooser closes. The task chooser hides it
    // the same way.
    if (m_training.m_bListOpen)
        DrawChooser(dc);
    else if (m_training.m_nLesson > 0 && !m_tasks.m_bChooserOpen)
        DrawStepBox(dc, m_training.m_nStep);
}

void CMainFrame::AfterPaintTraining() {
    // The list box is a real child window: it is made once the panel under it is on the
    // window, and paints itself over it.
    if (!m_training.m_bListOpen) return;
    if (!m_training.m_bListCreated) {
        m_training.m_rcLessonList = kLessonListRect;
        m_training.m_wndLessonList =
            m_host.CreateListBox(m_training.m_rcLessonList, IDC_LESSON_LIST);
        if (m_training.m_wndLessonList) FillLessonList(*m_training.m_wndLessonList);
    }
    m_training.m_bListCreated = 1;
}

void CMainFrame::OnChooserPress(CPoint point) {
    CloseChooser(HitTestChooser(m_training.m_wndLessonList, point.x, point.y));
}

void CMainFrame::CloseChooser(int32_t r) {
    if (r < 0) return;
    if (r > 0) {
        CloseTask();  // a lesson takes the window over from an open task
        // Starting replaces a running lesson at once; neither leaves an undo entry.
        m_training.m_nLesson = r;
        m_training.m_nStep = FindNextStep(uint32_t(r), -1);
        if (m_training.m_nStep < 0) {
            m_training.m_nLesson = 0;  // no steps for that key: the chooser just closes
        } else {
            m_rule.m_bClamp = 0;
            ApplyCurrentStep();
        }
    }
    m_host.DestroyListBox();
    m_training.m_wndLessonList = nullptr;
    m_training.m_bListOpen = 0;
    m_host.Invalidate();
}

void CMainFrame::OnLessonPress(CPoint point) {
    // Off the button the press goes to the default handling, which does nothing here.
    if (HitTestStepButton(point.x, point.y, m_training.m_nStep) < 1) return;
    AdvanceLesson();
}

void CMainFrame::AdvanceLesson() {
    m_training.m_nStep = FindNextStep(uint32_t(m_training.m_nLesson), m_training.m_nStep);
    if (m_training.m_nStep < 0)
        FinishLesson();
    else
        // Unlike the start, clamp mode is left as it is unless the step sets it.
        ApplyCurrentStep();
    m_host.Invalidate();
}

void CMainFrame::FinishLesson() {
    // The rule stays where the lesson left it, and that becomes undoable.
    m_training.m_nLesson = 0;
    m_training.m_nStep = -1;
    m_undo.PushUndo(m_rule.m_nSlide, m_rule.m_nScroll, m_rule.m_nCursor);
}
