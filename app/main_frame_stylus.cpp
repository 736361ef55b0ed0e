// The stylus handlers of the main window.
#include "app/main_frame.h"

void CMainFrame::OnLButtonDown(unsigned /*flags*/, CPoint point) {
    m_nLastX = point.x;
    if (m_bListOpen) {
        OnChooserPress(point);
        return;
    }
    if (m_nLesson > 0) {
        OnLessonPress(point);
        return;
    }
}

void CMainFrame::OnMouseMove(unsigned /*flags*/, CPoint /*point*/) {}

void CMainFrame::OnLButtonUp(unsigned /*flags*/, CPoint /*point*/) {}

void CMainFrame::OnLButtonDblClk(unsigned /*flags*/, CPoint /*point*/) {}

void CMainFrame::OnTimer(int /*id*/) {}
