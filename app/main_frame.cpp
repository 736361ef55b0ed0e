#include "app/main_frame.h"

#include <cassert>

#include "resources/ids.h"
#include "resources/menus.h"
#include "training/chooser.h"

// The command routing table: handler and update rule of every command.
struct CMainFrame::CommandRoute {
    int id;
    void (CMainFrame::*handler)();
    void (CMainFrame::*update)(CCmdUI&) const;
};

// clang-format off
const CMainFrame::CommandRoute CMainFrame::kCommandMap[] = {
    {ID_SIDE1, &CMainFrame::OnSide1, &CMainFrame::OnUpdateSide1},
    {ID_SIDE2, &CMainFrame::OnSide2, &CMainFrame::OnUpdateSide2},
    {ID_UNDO, &CMainFrame::OnUndo, &CMainFrame::OnUpdateUndo},
    {ID_TB_UNDO, &CMainFrame::OnUndo, &CMainFrame::OnUpdateUndo},
    {ID_CLAMP, &CMainFrame::OnClamp, &CMainFrame::OnUpdateClamp},
    {ID_TRAINING, &CMainFrame::OnTraining, &CMainFrame::OnUpdateTraining},
    {ID_TASKS, &CMainFrame::OnTasks, &CMainFrame::OnUpdateTasks},
    {ID_TEST, &CMainFrame::OnTest, &CMainFrame::OnUpdateTasks},
    {ID_TEST_END, &CMainFrame::OnTestEnd, &CMainFrame::OnUpdateTestEnd},
    {ID_PRINT_SHEETS, &CMainFrame::OnPrintSheets, &CMainFrame::OnUpdatePrintSheets},
    {ID_KEYS, &CMainFrame::OnKeys, &CMainFrame::OnUpdateAlways},
    {ID_HELP_SCALES, &CMainFrame::OnHelpScales, &CMainFrame::OnUpdateAlways},
    {ID_PROGRESS, &CMainFrame::OnProgress, &CMainFrame::OnUpdateAlways},
    {ID_ABOUT, &CMainFrame::OnAbout, &CMainFrame::OnUpdateAlways},
    {ID_EXIT, &CMainFrame::OnExit, &CMainFrame::OnUpdateAlways},
    {IDOK, &CMainFrame::OnExit, &CMainFrame::OnUpdateAlways},
    {ID_TB_BUTTON1, nullptr, nullptr},  // a blank button: no action, shown greyed
};
// clang-format on

const CMainFrame::CommandRoute* CMainFrame::FindRoute(int id) {
    for (const CommandRoute& route : kCommandMap)
        if (route.id == id) return &route;
    return nullptr;
}

// The images are loaded by the first paint, at the scale the window is shown at: loading
// them here at another scale would only be undone.
CMainFrame::CMainFrame(IWindowHost& host) : m_host(host) {}

CMainFrame::~CMainFrame() {
    if (m_training.m_wndLessonList || m_tasks.m_wndTaskList) m_host.DestroyListBox();
}

void CMainFrame::OnPaint(CSurface& window) {
    // The window's surface is itself off the screen: the front end shows it in one copy once
    // the frame is complete, or it is the window's own image, so the frame is composed
    // straight into it and nothing flickers. It is composed at the window's scale; a new
    // scale (another screen, another window size) draws from the images made for it, and at
    // a steady scale nothing is loaded here.
    if (m_images.m_nScale != window.Scale()) m_images.LoadScale(m_rule.m_nSide, window.Scale());
    ComposeRule(window, m_rule, m_images, m_pens);
    PaintActivity(window);
    AfterPaintActivity();
}

bool CMainFrame::OnCommand(int id, int notifyCode) {
    // A key press or a wheel run ends with its entry before the command sees the rule.
    EndKeyGesture();
    // Id 1 is both the OK command and the chooser's list box, whose notifications carry
    // non-zero codes and must never close the program. Where the activity takes them, a
    // double click on a title starts it.
    static_assert(IDC_LESSON_LIST == IDOK, "the list box's notifications come as IDOK's");
    if (id == IDOK && notifyCode != 0) {
        if (!RulesOf(Current()).listNotes || notifyCode != LBN_DBLCLK) return false;
        CloseChooser(SelectedLessonKey(m_training.m_wndLessonList));
        return true;
    }
    const CommandRoute* route = FindRoute(id);
    if (!route || !route->handler) return false;
    CCmdUI ui;
    (this->*route->update)(ui);
    if (!ui.enabled) return false;
    (this->*route->handler)();
    return true;
}

std::optional<CCmdUI> CMainFrame::CommandState(int id) const {
    const CommandRoute* route = FindRoute(id);
    if (!route) return std::nullopt;
    CCmdUI ui;
    if (route->update)
        (this->*route->update)(ui);
    else
        ui.Enable(false);
    return ui;
}

bool CMainFrame::TaskOpen() const {
    const Activity base = m_activity.Base();
    return base == Activity::Task || base == Activity::Solution || base == Activity::Test;
}

bool CMainFrame::TaskBoxShown() const {
    return m_activity.Base() == Activity::Task || m_activity.Base() == Activity::Test;
}

void CMainFrame::OpenChooser(Activity chooser) {
    // The enable rules open a chooser only over an activity that is none.
    assert(RulesOf(chooser).chooser && !RulesOf(Current()).chooser);
    m_activity.m_nUnder = m_activity.m_nNow;
    m_activity.m_nNow = chooser;
}

void CMainFrame::SetBase(Activity base) {
    if (RulesOf(Current()).chooser)
        m_activity.m_nUnder = base;
    else
        m_activity.m_nNow = m_activity.m_nUnder = base;
}

void CMainFrame::OnSide1() {
    if (m_rule.m_nSide != 1) return;
    m_rule.m_nSide = 0;
    m_images.LoadSide(0);
    m_host.Invalidate();
}

void CMainFrame::OnSide2() {
    if (m_rule.m_nSide != 0) return;
    m_rule.m_nSide = 1;
    m_images.LoadSide(1);
    m_host.Invalidate();
}

void CMainFrame::OnUndo() {
    assert(m_undo.m_nUndoCount > 0);  // the update rule disables the command otherwise
    m_undo.StepBack(m_rule);
    m_host.Invalidate();
}

void CMainFrame::OnClamp() {
    m_rule.m_bClamp = 1 - m_rule.m_bClamp;
    m_host.Invalidate();
}

void CMainFrame::OnAbout() { m_host.MessageBox(kAboutCaption, kAboutText); }

void CMainFrame::OnKeys() { m_host.MessageBox(kKeysCaption, kKeysText); }

void CMainFrame::OnExit() {
    KeepAtExit();
    m_host.PostClose();
}

void CMainFrame::OnUpdateSide1(CCmdUI& ui) const {
    ui.Enable(!Blocked());
    ui.SetCheck(1 - m_rule.m_nSide);
}

void CMainFrame::OnUpdateSide2(CCmdUI& ui) const {
    ui.Enable(!Blocked());
    ui.SetCheck(m_rule.m_nSide);
}

void CMainFrame::OnUpdateUndo(CCmdUI& ui) const {
    // A key press or wheel run not yet recorded is undone too: the command records it first.
    ui.Enable(!Blocked() && (m_undo.m_nUndoCount != 0 || PendingChange()));
}

void CMainFrame::OnUpdateClamp(CCmdUI& ui) const {
    ui.Enable(!Blocked());
    ui.SetCheck(m_rule.m_bClamp != 0);
}

// One chooser at a time: the lessons' and the tasks' share the list box.
void CMainFrame::OnUpdateTraining(CCmdUI& ui) const { ui.Enable(RulesOf(Current()).choosers); }

void CMainFrame::OnUpdateTasks(CCmdUI& ui) const { OnUpdateTraining(ui); }

void CMainFrame::OnUpdateAlways(CCmdUI& ui) const { ui.Enable(true); }
