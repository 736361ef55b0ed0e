// The keyboard and wheel handlers of the main window: the keys that move the rule, the
// command keys, the chooser's and the task's keys, and the wheel. A key press with its
// auto-repeats, or a run of wheel notches, is one gesture with one undo entry.
#include "app/main_frame.h"
#include "resources/ids.h"
#include "resources/menus.h"
#include "training/chooser.h"

bool CMainFrame::PendingChange() const {
    if (m_keys.m_nKind == KEYGESTURE_NONE) return false;
    const CRuleState& s = m_keys.m_start;
    return s.m_nSlide != m_rule.m_nSlide || s.m_nScroll != m_rule.m_nScroll ||
           s.m_nCursor != m_rule.m_nCursor;
}

void CMainFrame::EndKeyGesture() {
    if (m_keys.m_nKind == KEYGESTURE_NONE) return;
    if (m_keys.m_nKind == KEYGESTURE_WHEEL) m_host.KillTimer(TIMER_WHEEL);
    const bool changed = PendingChange();
    m_keys = CKeyGesture{};
    // Moves that changed nothing, at a limit, leave no entry.
    if (changed) m_undo.PushUndo(m_rule.m_nSlide, m_rule.m_nScroll, m_rule.m_nCursor);
}

bool CMainFrame::StylusBusy() const { return m_host.HasCapture() || m_gesture.m_bRepeating; }

bool CMainFrame::OnKeyDown(KeyCode key, uint32_t mods, bool repeat) {
    const bool continues = repeat && m_keys.m_nKind == KEYGESTURE_KEY && m_keys.m_nKey == key;
    if (!continues) EndKeyGesture();
    // Commands, buttons and closing act once per press; only moves repeat with the key.
    if (const int id = FindAccelerator(key, mods)) {
        if (!repeat) OnCommand(id);
        return FindRoute(id) != nullptr;  // the window's size is the toolkit's
    }
    if (mods == MOD_NONE) {
        switch (RulesOf(Current()).taker) {
            case Taker::LessonList:
                return OnChooserKey(m_training.m_wndLessonList, &CMainFrame::CloseChooser, key,
                                    repeat);
            case Taker::TaskList:
                return OnChooserKey(m_tasks.m_wndTaskList, &CMainFrame::CloseTaskChooser, key,
                                    repeat);
            case Taker::Steps:
                if (OnStepKey(key, repeat)) return true;
                break;
            case Taker::TaskPanel:
                if (OnTaskKey(key, repeat)) return true;
                break;
            case Taker::Rule: break;
        }
    }
    if (!IsMoveKey(key, mods)) return false;
    // While the answer field has the keys, they are the field's.
    if (FieldHasKeys()) return false;
    if (Blocked() || StylusBusy()) return true;
    if (!continues) {
        m_keys.m_nKind = KEYGESTURE_KEY;
        m_keys.m_nKey = key;
        m_keys.m_start = m_rule;
    }
    if (KeyStep(m_rule, key, mods)) m_host.Invalidate();
    return true;
}

void CMainFrame::OnKeyUp(KeyCode key, uint32_t /*mods*/) {
    // Another key's release, or one after a wheel run, ends what runs as well.
    if (m_keys.m_nKind == KEYGESTURE_KEY && m_keys.m_nKey != key) return;
    EndKeyGesture();
}

void CMainFrame::OnKillFocus() {
    if (m_keys.m_nKind == KEYGESTURE_KEY) EndKeyGesture();
}

bool CMainFrame::OnChooserKey(IListBox* list, void (CMainFrame::*close)(int32_t), KeyCode key,
                              bool repeat) {
    switch (key) {
        case KEY_RETURN:
        case KEY_ENTER:
            if (!repeat) (this->*close)(SelectedLessonKey(list));  // "Выполнить" or "Начать"
            return true;
        case KEY_ESCAPE:
            if (!repeat) (this->*close)(0);  // "Отменить"
            return true;
        default: break;
    }
    if (!list) return false;
    const int to =
        ChooserKeySelection(key, list->GetCurSel(), list->GetCount(), list->GetPageItems());
    if (to < 0) return false;
    // As a tap on a title: the list shows its new selection itself.
    list->SetCurSel(to);
    return true;
}

bool CMainFrame::OnTaskKey(KeyCode key, bool repeat) {
    if (Current() == Activity::Test) return OnTestKey(key, repeat);
    switch (key) {
        case KEY_RETURN:
        case KEY_ENTER:
            // "Проверить" from the answer field; elsewhere Return is nobody's.
            if (!FieldHasKeys()) return false;
            if (!repeat) OnTaskCheck();
            return true;
        case KEY_ESCAPE:
            if (!repeat) CloseTask();  // "Закрыть"
            return true;
        default: return false;
    }
}

bool CMainFrame::OnMouseWheel(int64_t notches, uint32_t mods) {
    const bool continues = m_keys.m_nKind == KEYGESTURE_WHEEL && !(mods & MOD_CTRL);
    if (!continues) EndKeyGesture();
    if (mods & MOD_CTRL) return false;  // the toolkit's: the window's size
    // In the chooser the list scrolls itself; in a lesson and under the stylus nothing pans.
    if (notches == 0 || Blocked() || StylusBusy()) return false;
    if (!continues) {
        m_keys.m_nKind = KEYGESTURE_WHEEL;
        m_keys.m_start = m_rule;
    }
    if (WheelStep(m_rule, notches)) m_host.Invalidate();
    m_host.SetTimer(TIMER_WHEEL, kWheelRunMs);
    return true;
}
