// The program window on Qt 6 Widgets: the menu bar and toolbar of the command bar, the
// enlarged client area, and the platform roles its logic asks for (IWindowHost). It creates
// that logic, CMainFrame, and keeps it for its whole life.
#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "app/main_frame.h"
#include "frontend/qt/help_window.h"
#include "frontend/qt/keys.h"
#include "frontend/qt/scale.h"
#include "platform/host.h"
#include "platform/storage.h"
#include "training/progress_store.h"

class QAction;
class QLineEdit;
class QListWidget;
class QToolBar;
class CClientView;
class CQtListBox;
class CTaskPanel;
class QBoxLayout;

class CQtMainWindow : public QMainWindow, public IWindowHost {
  public:
    // startFactor 0: pick the largest that fits the screen.
    explicit CQtMainWindow(int startFactor = 0);
    ~CQtMainWindow() override;

    CMainFrame& Frame() { return *m_frame; }

    // Keeps what the program remembers in the file at path: read now (the window's factor and
    // place, the rule and the choices put back), written at each change worth keeping and at
    // exit. Call it once, before the window is shown; TellProgress after the first paint.
    void KeepProgressIn(const QString& path);
    void TellProgress() { m_frame->TellProgress(); }
    CClientView& View() { return *m_view; }
    QToolBar& CommandBar() { return *m_toolBar; }
    QListWidget* ListWidget() const;
    bool TimerRunning(int id) const;

    // Paint at once, not when the event loop gets to it.
    void UpdateWindow();
    // Ask the logic's update rules for every menu item and toolbar button.
    void RefreshCommandUi();

    // The start factor for this screen, counting the window's chrome around the client area.
    int FitToScreen() const;
    // The window's factor: the toolbar and the client area resized for it, the window to fit.
    // At least 1, and no larger than the screen's free area or the start-up factor allows.
    void SetFactor(int factor);
    int Factor() const { return m_nFactor; }
    int StartFactor() const { return m_nStartFactor; }

    // IWindowHost.
    void Invalidate() override;
    void SetCapture() override { m_bCapture = true; }
    bool HasCapture() const override { return m_bCapture; }
    void ReleaseCapture() override { m_bCapture = false; }
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    int64_t NowMs() const override { return m_clock.elapsed(); }
    void PostClose() override;
    void MessageBox(const char* caption, const char* text) override;
    void AskYesNo(const char* caption, const char* text, int yesCommand) override;
    void OpenTestDialog() override;
    void ShowTestResult() override;
    void OpenSheetsDialog() override;
    IListBox* CreateListBox(const CRect& rect, int controlId) override;
    void DestroyListBox() override;
    void ShowPanel(const CPanel& panel) override;
    CTaskPanel& Panel() { return *m_panel; }
    // The panel stands beside the client area, not below it: the screen is wide enough for
    // both at the window's factor.
    bool PanelBeside() const;
    void ShowScaleHelp() override;
    void ShowProgress() override;
    CHelpWindow* HelpWindow() const { return m_help; }

    // From the client view. A paint also gives the view the accessible name and description
    // of what it shows: the rule, or the chooser, lesson step or task over it.
    void PaintClient(CSurface& surface);
    void StylusDown(unsigned flags, CPoint point);
    void StylusMove(unsigned flags, CPoint point);
    void StylusUp(unsigned flags, CPoint point);
    void StylusDoubleTap(unsigned flags, CPoint point);
    void ClientLayoutChanged();
    // The window has lost the pointer in mid-gesture: the stylus capture is gone.
    void LoseCapture();
    // Keys and the wheel from the client view; false for an event the window did not use.
    bool KeyDown(const QKeyEvent& event);
    bool KeyUp(const QKeyEvent& event);
    bool Wheel(const QWheelEvent& event);
    // The keys go elsewhere: a key held now is released elsewhere.
    void LoseKeys();

  protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void BuildMenuBar();
    void BuildToolBar(int factor);
    void Command(int id);
    void RefreshZoomUi();
    // The chooser's list has the keys while it is open; those the chooser answers go to the
    // logic after the list's own event, since closing the chooser deletes the list.
    void WatchListKeys(QListWidget* list);
    void Narrate();
    // The panel beside or below the client area, shown or not, and the window sized for it.
    void LayOutPanel();
    // After a menu or a message box: the keys go back to the chooser's list, the answer field
    // that had them, or the client area.
    void GiveKeysBack();
    // The window's factor and place, kept.
    void KeepPlace();

    CClientView* m_view = nullptr;
    QBoxLayout* m_body = nullptr;  // the client area and the panel
    CTaskPanel* m_panel = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::vector<std::pair<QAction*, int>> m_commands;  // every menu item and toolbar button
    std::map<int, QBasicTimer> m_timers;
    bool m_bCapture = false;
    int m_nStartFactor = 1;
    int m_nFactor = 1;
    CWheelNotches m_wheel;
    std::unique_ptr<CQtListBox> m_listBox;
    CRect m_rcList;
    QPointer<CHelpWindow> m_help;
    CNarration m_narration;      // as the view's accessible name and description last gave it
    QTimer m_placeTimer;         // a move is kept once the window has come to rest
    QElapsedTimer m_clock;       // started with the window: the logic's clock
    QPointer<QDialog> m_result;  // the last test's result
    // What the program remembers; they outlive the logic, which stores through them.
    std::unique_ptr<IStorage> m_storage;
    std::unique_ptr<training::CProgressStore> m_store;
    std::unique_ptr<CMainFrame> m_frame;  // last: it may call back into all of the above
};
