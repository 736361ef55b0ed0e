// The page's window: the roles of a frame window played by the page's script (page.js):
// the browser's clock for timers, pointer capture for the stylus capture, a repaint at the
// next animation frame, a real list control, a modal dialog and the task's panel of page
// elements beside the canvas.
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
    void SetItemMark(int index, const char* mark) override;
    void SelectByUser(int index) { CHeadlessListBox::SetCurSel(index); }
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
    void ShowProgress() override;
    void OpenTestDialog() override;
    void ShowTestResult() override;
    void OpenSheetsDialog() override;
    IListBox* CreateListBox(const CRect& rect, int controlId) override;
    void DestroyListBox() override;
    // The page shows the panel once the paint that hands it is done (see page.js).
    void ShowPanel(const CPanel& panel) override;

    // The page lost the pointer (capture taken, pointer cancelled): true when the window
    // held the capture until now.
    bool LoseCapture();
    void Painted() { m_bInvalid = false; }
    CWebListBox* ListBox() { return m_list.get(); }
    const CPanel& Panel() const { return m_panel; }

  private:
    bool m_bCapture = false;
    bool m_bInvalid = false;
    std::unique_ptr<CWebListBox> m_list;
    CPanel m_panel;
};
