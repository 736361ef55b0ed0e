// A window without a screen, for tests and the replay tool: a virtual clock drives the
// timers, capture is a flag, repaint requests are counted and message boxes logged.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "platform/layout.h"

class CHeadlessListBox : public IListBox {
  public:
    int InsertString(int position, const char* text) override;
    void SetItemData(int index, int32_t data) override;
    void SetCurSel(int index) override;
    int GetCurSel() const override { return m_nSel; }
    int32_t GetItemData(int index) const override;
    int GetCount() const override { return Count(); }
    // As many titles as the list's height holds at the platform's usual 16 pixels each.
    int GetPageItems() const override { return m_nPage; }
    void SetItemMark(int index, const char* mark) override;

    int Count() const { return int(m_items.size()); }
    void SetPageItems(int page) { m_nPage = page; }
    const std::string& Text(int index) const { return m_items[index].first; }
    const std::string& Mark(int index) const { return m_marks[index]; }

  private:
    std::vector<std::pair<std::string, int32_t>> m_items;
    std::vector<std::string> m_marks;  // one an item
    int m_nSel = -1;
    int m_nPage = 1;
};

class CHeadlessHost : public IWindowHost {
  public:
    static constexpr int kListItemHeight = 16;

    void Invalidate() override;
    void SetCapture() override { m_bCapture = true; }
    bool HasCapture() const override { return m_bCapture; }
    void ReleaseCapture() override { m_bCapture = false; }
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override { m_timers.erase(id); }
    int64_t NowMs() const override { return m_nNow; }
    void PostClose() override { m_bClosed = true; }
    void MessageBox(const char* caption, const char* text) override;
    // Logged as a message box; the answer waits for TakeQuestion.
    void AskYesNo(const char* caption, const char* text, int yesCommand) override;
    void OpenTestDialog() override { ++m_nDialogs; }
    void ShowTestResult() override { ++m_nDialogs; }
    void OpenSheetsDialog() override { ++m_nDialogs; }
    IListBox* CreateListBox(const CRect& rect, int controlId) override;
    void DestroyListBox() override { m_list.reset(); }
    void ShowPanel(const CPanel& panel) override { m_panel = panel; }

    // Another window takes the capture.
    void StealCapture() { m_bCapture = false; }

    // The virtual clock. NextTick moves the clock to the earliest timer tick due at or
    // before until and gives its id; false when none is due (the clock stays).
    int64_t Now() const { return m_nNow; }
    bool NextTick(int64_t until, int& id);
    void SetNow(int64_t now) { m_nNow = now; }
    bool TimerRunning(int id) const { return m_timers.count(id) != 0; }
    struct Timer {
        int64_t due;  // the next tick
        int period;
        bool operator==(const Timer& other) const {
            return due == other.due && period == other.period;
        }
    };
    const std::map<int, Timer>& Timers() const { return m_timers; }
    // Takes at once every later tick of timer id due at or before until, for ticks known to
    // do nothing but ask for repaints repaints each: the clock moves to the last of them and
    // the repaints are counted. Returns how many there were.
    int64_t RepeatTicks(int id, int64_t until, int64_t repaints);

    // A repaint has been asked for since the last TakeInvalid.
    bool TakeInvalid();
    int64_t RepaintRequests() const { return m_nRepaints; }
    bool Closed() const { return m_bClosed; }
    CHeadlessListBox* ListBox() { return m_list.get(); }
    // The panel as the window last handed it.
    const CPanel& Panel() const { return m_panel; }
    const CRect& ListBoxRect() const { return m_rcList; }
    int MessageBoxes() const { return int(m_messages.size()); }
    const std::string& LastMessageBox() const { return m_messages.back(); }
    // The command a question carries out on "Да", 0 when none waits; the question is then
    // answered.
    int TakeQuestion() { return std::exchange(m_nQuestion, 0); }
    int Dialogs() const { return m_nDialogs; }  // test dialogs and results opened so far

  private:
    std::map<int, Timer> m_timers;
    int64_t m_nNow = 0;
    bool m_bCapture = false;
    bool m_bInvalid = false;
    bool m_bClosed = false;
    int64_t m_nRepaints = 0;
    std::unique_ptr<CHeadlessListBox> m_list;
    CPanel m_panel;
    CRect m_rcList;
    std::vector<std::string> m_messages;  // caption, then the lines, joined by " | "
    int m_nQuestion = 0;
    int m_nDialogs = 0;
};
