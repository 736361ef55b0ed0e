// What the program's logic asks of the window it lives in: the few platform roles of a
// frame window. The Qt window and the headless test window implement it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/geometry.h"

// A single-selection list control that keeps a 32-bit value with each item and inserts at a
// given position without sorting.
class IListBox {
  public:
    virtual ~IListBox() = default;
    virtual int InsertString(int position, const char* text) = 0;  // returns the index
    virtual void SetItemData(int index, int32_t data) = 0;
    virtual void SetCurSel(int index) = 0;
    virtual int GetCurSel() const = 0;                 // -1 when nothing is selected
    virtual int32_t GetItemData(int index) const = 0;  // -1 for an invalid index
    virtual int GetCount() const = 0;
    virtual int GetPageItems() const = 0;  // how many titles the list shows at once
    // A short mark shown in a column before the item's title, apart from its text ("✓", "5 из
    // 7"); "" for none.
    virtual void SetItemMark(int index, const char* mark) = 0;
};

// What a panel button asks of the window: check the field's text, show the solution, close
// the task, go on to the next one.
enum class PanelCommand : uint8_t { Check, Show, Close, Next };

// A panel beside the client area, described whole by the logic and shown by the host with the
// toolkit's own controls, so that nothing of the rule lies under it: a title, a problem, a
// one-line answer field, a verdict, a line for the count or the time, and up to three buttons.
struct CPanel {
    struct Button {
        PanelCommand command = PanelCommand::Close;
        std::string caption;
        bool enabled = false;
        bool operator==(const Button& o) const {
            return command == o.command && caption == o.caption && enabled == o.enabled;
        }
    };
    bool visible = false;
    std::string title;
    std::string problem;
    bool field = false;      // the answer field is there...
    bool fieldKeys = false;  // ...and has the keys (the host gives them to it or takes them)
    std::string answer;      // what it holds, UTF-8
    std::string verdict;     // empty before a check
    std::string count;
    std::vector<Button> buttons;  // left to right, the order the keyboard reaches them
    bool operator==(const CPanel& o) const {
        return visible == o.visible && title == o.title && problem == o.problem &&
               field == o.field && fieldKeys == o.fieldKeys && answer == o.answer &&
               verdict == o.verdict && count == o.count && buttons == o.buttons;
    }
    bool operator!=(const CPanel& o) const { return !(*this == o); }
};

class IWindowHost {
  public:
    virtual ~IWindowHost() = default;

    // Invalidate the whole client area, with erase; the paint comes later.
    virtual void Invalidate() = 0;

    // Stylus capture.
    virtual void SetCapture() = 0;
    virtual bool HasCapture() const = 0;  // this window holds the capture
    virtual void ReleaseCapture() = 0;

    // Window timers: starting a running timer restarts its period.
    virtual void SetTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;

    // A clock in milliseconds from any origin, steady: it never goes back.
    virtual int64_t NowMs() const = 0;

    virtual void PostClose() = 0;  // the close request; the window goes when it is handled
    virtual void MessageBox(const char* caption, const char* text) = 0;  // modal, OK only
    // A question with "Да" and "Нет": "Да" carries out command yesCommand through the
    // window's command routing, now or once the user answers; "Нет" does nothing.
    virtual void AskYesNo(const char* caption, const char* text, int yesCommand) = 0;

    // The child list box in rect; one at a time. Destroying a list box that does not exist
    // does nothing.
    virtual IListBox* CreateListBox(const CRect& rect, int controlId) = 0;
    virtual void DestroyListBox() = 0;

    // The panel beside the client area, as it is now; handed again whenever it changes. Its
    // controls answer through the window's OnPanel, OnPanelEdit and OnPanelFocus.
    virtual void ShowPanel(const CPanel& panel) = 0;
    // The help on the scales, a page for each, beside the window (not modal). A window that
    // has no help shows nothing.
    virtual void ShowScaleHelp() {}
    // The table of what the program remembers, with "Сбросить прогресс" (and its undo), beside
    // the window; it reads and resets through the main window. A window without one shows
    // nothing.
    virtual void ShowProgress() {}
    // The dialogs of a test of several tasks, which read and start it through the window:
    // the choice of kinds, count and variant; the result of the test that ended; the choice
    // of a variant's sheets to print. A window without them shows nothing.
    virtual void OpenTestDialog() {}
    virtual void ShowTestResult() {}
    virtual void OpenSheetsDialog() {}
};
