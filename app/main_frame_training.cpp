// Training's handlers of the main window: opening the chooser, its presses and the lesson's.
#include "app/main_frame.h"

void CMainFrame::OnTraining() {
    m_bListOpen = 1;
    m_bListCreated = 0;
    m_host.Invalidate();
}

void CMainFrame::PaintTraining(CSurface& /*dc*/) {}

void CMainFrame::AfterPaintTraining() {}

void CMainFrame::OnChooserPress(CPoint /*point*/) {}

void CMainFrame::OnLessonPress(CPoint /*point*/) {}
