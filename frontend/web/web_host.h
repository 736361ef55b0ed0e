// The page's window: the roles of a frame window played by the page's script (page.js):
// the browser's clock for timers, pointer capture for the stylus capture, a repaint at the
// next animation frame, a real list control and a modal dialog.
#pragma once

#include <memory>

#include "platform/headless/headless_host.h"
#include "platform/host.h"
#include "platform/layout.h"

// The lesson list: the items and the selection are kept as the headless list keeps them and
// shown in the page's <select>, which reports the user's choice back through SelectByUser.
class CWebListBox : public CHeadlessListBox {
  public:
    int InsertString(int position, const char* text) override;
    void SetCurSel(int index) override;
    void SelectByUser(int index) { CHeadlessListBox::SetCurSel(index); }
};

// The answer field of a task: the text and place kept as the headless field keeps them and
// shown in the page's <input>, which reports what the user types through TypedByUser.
class CWebEditBox : public CHeadlessEditBox {
  public:
    void SetText(const char* text) override;
    void Move(const CRect& rect) override;
    void SetFocus() override;
    bool HasFocus() const override;
    void KillFocus() override;
    void TypedByUser(const char* text) { CHeadlessEditBox::SetText(text); }
};

class CWebHost : public IWindowHost {
  public:
    void Invalidate() override;
    void SetCapture() override;
    bool HasCapture() const override { return m_bCapture; }
    void ReleaseCapture() override;
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    int64_t NowMs() const override;
    void PostClose() override;
    void MessageBox(const char* caption, const char* text) override;
    void AskYesNo(const char* caption, const char* text, int yesCommand) override;
    void ShowScaleHelp() override;
    void OpenTestDialog() override;
    void ShowTestResult() override;
    void OpenSheetsDialog() override;
    IListBox* CreateListBox(const CRect& rect, int controlId) override;
    void DestroyListBox() override;
    IEditBox* CreateEditBox(const CRect& rect, int controlId) override;
    void DestroyEditBox() override;

    // The page lost the pointer (capture taken, pointer cancelled): true when the window
    // held the capture until now.
    bool LoseCapture();
    void Painted() { m_bInvalid = false; }
    CWebListBox* ListBox() { return m_list.get(); }
    CWebEditBox* EditBox() { return m_edit.get(); }

  private:
    bool m_bCapture = false;
    bool m_bInvalid = false;
    std::unique_ptr<CWebListBox> m_list;
    std::unique_ptr<CWebEditBox> m_edit;
};
