// What the program's logic asks of the window it lives in: the few platform roles of a
// frame window. The Qt window and the headless test window implement it.
#pragma once

#include <cstdint>
#include <string>

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
};

// A one-line text field, a child control like the list box.
class IEditBox {
  public:
    virtual ~IEditBox() = default;
    virtual std::string GetText() const = 0;  // UTF-8
    virtual void SetText(const char* text) = 0;
    virtual void Move(const CRect& rect) = 0;
    virtual void SetFocus() = 0;
    virtual bool HasFocus() const = 0;
    // The keys go back to the window around the field.
    virtual void KillFocus() = 0;
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

    // The child text field in rect; one at a time, as the list box.
    virtual IEditBox* CreateEditBox(const CRect& rect, int controlId) = 0;
    virtual void DestroyEditBox() = 0;
    // The help on the scales, a page for each, beside the window (not modal). A window that
    // has no help shows nothing.
    virtual void ShowScaleHelp() {}
    // The dialogs of a test of several tasks, which read and start it through the window:
    // the choice of kinds, count and variant; the result of the test that ended; the choice
    // of a variant's sheets to print. A window without them shows nothing.
    virtual void OpenTestDialog() {}
    virtual void ShowTestResult() {}
    virtual void OpenSheetsDialog() {}
};
