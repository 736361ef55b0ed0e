// A main window on the headless platform, painted the way the message loop paints it.
#pragma once

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"
#include "resources/ids.h"
#include "training/step_table.h"

struct TrainingRig {
    CHeadlessHost host;
    CMainFrame frame{host};
    CSurface window;

    // The window's scale: k device pixels a client pixel.
    explicit TrainingRig(int scale = 1) : window(240, 268, scale) { frame.OnPaint(window); }

    // Paints when a repaint is pending, as after every event.
    void Pump() {
        if (host.TakeInvalid()) frame.OnPaint(window);
    }
    void Command(int id) {
        frame.OnCommand(id);
        Pump();
    }
    void Tap(int x, int y) {
        frame.OnLButtonDown(0, {x, y});
        frame.OnLButtonUp(0, {x, y});
        Pump();
    }
    // Opens the chooser, picks the title at position, and presses "Выполнить".
    void Start(int position) {
        Command(ID_TRAINING);
        host.ListBox()->SetCurSel(position);
        Tap(150, 215);
    }
    // Presses the middle of the current step box's button.
    void Next() {
        const CRect& box = kStepTable[frame.State().m_steps.m_nStep].rcBox;
        Tap(box.left + (box.right - box.left + 1) / 2, box.bottom - 25);
    }
};
