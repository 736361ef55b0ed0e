// The stylus handlers of the main window: the order of a gesture's steps, its capture, timers
// and undo entry. Where a press lands and how each step moves the rule live in input/.
#include "app/main_frame.h"
#include "input/hit_regions.h"
#include "input/rule_moves.h"
#include "platform/layout.h"
#include "resources/ids.h"
#include "training/chooser.h"

namespace {

// The window's own area: a press beyond it (in the grey margin of a window larger than the
// rule) lands on nothing the device ever had.
bool InClient(CPoint p) {
    return p.x >= 0 && p.x < kClientWidth && p.y >= 0 && p.y < kClientHeight;
}

}  // namespace

void CMainFrame::OnLButtonDown(unsigned /*flags*/, CPoint point) {
    EndKeyGesture();
    // Any press ends a repeat under way, wherever it lands and whoever takes it: a repeat
    // left from a press whose release never came (a second pointer, a lost release) stops,
    // and a press on the rule repeats after its own hold.
    m_gesture.m_bRepeating = 0;
    m_host.KillTimer(TIMER_HOLD);
    m_host.KillTimer(TIMER_REPEAT);
    if (!InClient(point)) return;  // nothing else: no hold, no repeat, no default handling
    m_gesture.m_nLastX = point.x;
    switch (RulesOf(Current()).taker) {
        case Taker::LessonList:
            CloseChooser(HitTestChooser(m_training.m_wndLessonList, point.x, point.y));
            return;
        case Taker::TaskList:
            CloseTaskChooser(HitTestChooser(m_tasks.m_wndTaskList, point.x, point.y));
            return;
        case Taker::Steps: OnStepPress(point); return;
        // The rule stays free while a task is open, and a press on it takes the keys from the
        // panel's answer field: they move the rule again.
        case Taker::TaskPanel:
            if (m_tasks.m_bFieldKeys) {
                m_tasks.m_bFieldKeys = 0;
                m_host.Invalidate();
            }
            break;
        case Taker::Rule: break;
    }
    if (const std::optional<CHit> hit = HitTest(m_rule, point)) {
        m_gesture.m_nDragMode = hit->mode;
        // Both flags are set afresh: a gesture whose capture was taken away keeps its flags,
        // and they must not nudge (or cancel the nudge of) this one.
        m_gesture.m_bNudgeLeft = hit->nudgeLeft;
        m_gesture.m_bNudgeRight = hit->nudgeRight;
        m_host.SetCapture();
    }
    // A press on no region keeps the last mode: held still, it repeats that mode uncaptured.
    m_host.SetTimer(TIMER_HOLD, kHoldPeriodMs);
    m_gesture.m_ptTap = point;
}

void CMainFrame::OnMouseMove(unsigned /*flags*/, CPoint point) {
    EndKeyGesture();
    if (m_gesture.m_bRepeating) {
        // Steers the repeat; nothing is dragged for the rest of this press.
        m_gesture.m_ptTap = point;
        return;
    }
    // Any move, even a vertical one, ends press-and-hold for the rest of the press.
    m_host.KillTimer(TIMER_HOLD);
    m_host.KillTimer(TIMER_REPEAT);
    if (!m_host.HasCapture()) return;
    if (point.x == m_gesture.m_nLastX) return;  // vertical only: a tap's nudge survives it
    m_gesture.m_bNudgeRight = 0;
    m_gesture.m_bNudgeLeft = 0;
    if (DragStep(m_rule, m_gesture.m_nDragMode, int64_t(m_gesture.m_nLastX) - point.x))
        m_host.Invalidate();
    // Taken also when the step was refused, so a refused step is lost, not caught up later.
    m_gesture.m_nLastX = point.x;
}

void CMainFrame::OnLButtonUp(unsigned /*flags*/, CPoint /*point*/) {
    EndKeyGesture();
    m_host.KillTimer(TIMER_HOLD);
    m_host.KillTimer(TIMER_REPEAT);
    m_gesture.m_bRepeating = 0;
    if (!m_host.HasCapture()) return;  // no region hit, or another window took the capture
    if (NudgeStep(m_rule, m_gesture.m_nDragMode, m_gesture.m_bNudgeLeft == 1,
                  m_gesture.m_bNudgeRight == 1))
        m_host.Invalidate();
    m_gesture.m_bNudgeLeft = 0;
    m_gesture.m_bNudgeRight = 0;
    // One entry per captured gesture, moved or not.
    m_undo.PushUndo(m_rule.m_nSlide, m_rule.m_nScroll, m_rule.m_nCursor);
    m_host.ReleaseCapture();
}

void CMainFrame::OnCaptureChanged() {
    // Without this, a hold whose release went to another window would pan the rule to its
    // end and go on repainting every 10 ms until the next release on this window.
    m_host.KillTimer(TIMER_HOLD);
    m_host.KillTimer(TIMER_REPEAT);
    m_gesture.m_bRepeating = 0;
}

void CMainFrame::EndGesture() {
    OnCaptureChanged();
    if (!m_host.HasCapture()) return;
    m_gesture.m_bNudgeLeft = 0;
    m_gesture.m_bNudgeRight = 0;
    m_undo.PushUndo(m_rule.m_nSlide, m_rule.m_nScroll, m_rule.m_nCursor);
    m_host.ReleaseCapture();
}

void CMainFrame::OnTimer(int id) {
    if (id == TIMER_WHEEL) {  // the wheel has rested: its run is one gesture
        EndKeyGesture();
        return;
    }
    if (id == TIMER_TEST) {  // the test's clock shows another second
        if (m_activity.Base() == Activity::Test)
            m_host.Invalidate();
        else
            m_host.KillTimer(TIMER_TEST);
        return;
    }
    if (id == TIMER_HOLD) {
        m_host.SetTimer(TIMER_REPEAT, kRepeatPeriodMs);
        return;
    }
    if (id != TIMER_REPEAT) return;
    m_host.KillTimer(TIMER_HOLD);
    m_gesture.m_bRepeating = 1;
    if (RepeatStep(m_rule, m_gesture.m_nDragMode, m_gesture.m_ptTap.x)) m_host.Invalidate();
}

void CMainFrame::OnLButtonDblClk(unsigned flags, CPoint point) {
    EndKeyGesture();
    // Fetching an out-of-sight cursor works in training too; it is the only thing that does.
    if (const std::optional<int32_t> cursor = FetchCursor(m_rule, point)) {
        m_rule.m_nCursor = *cursor;
        m_undo.PushUndo(m_rule.m_nSlide, m_rule.m_nScroll, m_rule.m_nCursor);
        m_host.Invalidate();
        return;
    }
    // The double tap stands in for the second press of two taps.
    OnLButtonDown(flags, point);
    OnLButtonUp(flags, point);
}
