// Helpers for driving the real window offscreen.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <memory>
#include <string>

#include "frontend/qt/client_view.h"
#include "frontend/qt/main_window.h"

// Runs the event loop until pred holds or timeoutMs pass; returns pred's last verdict.
inline bool WaitUntil(const std::function<bool()>& pred, int timeoutMs = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

// Answers the next modal message box: notes what it showed and presses its OK.
class CModalCatcher {
  public:
    CModalCatcher() {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle().toStdString();
            text = box->text().toStdString();
            buttons = box->standardButtons();
            ++seen;
            box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
        });
        m_timer.start();
    }

    int seen = 0;
    std::string title;
    std::string text;
    QMessageBox::StandardButtons buttons;

  private:
    QTimer m_timer;
};

// The menu item (or, with toolbar, the toolbar button) that carries a command.
inline QAction* FindCommand(CQtMainWindow& window, int id, bool toolbar = false) {
    const QList<QAction*> actions =
        toolbar ? window.CommandBar().actions() : window.menuBar()->findChildren<QAction*>();
    for (QAction* action : actions)
        if (!action->isSeparator() && !action->menu() && action->data().toInt() == id)
            return action;
    return nullptr;
}

// A shown program window at factor 2 (the offscreen screen is too small for more).
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<CQtMainWindow>(2);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    CMainFrame& Frame() { return window->Frame(); }
    CClientView& View() { return window->View(); }
    // The view point at the centre of client pixel (x, y).
    QPoint At(int x, int y) {
        const int f = View().Factor();
        return View().Origin() + QPoint(x * f + f / 2, y * f + f / 2);
    }

    // The stylus at client pixel (x, y), through the platform window, as a person's mouse or
    // finger would come: Qt's own routing, implicit grab and double-click detection apply.
    QPoint OnWindow(int x, int y) { return View().mapTo(window.get(), At(x, y)); }
    void Press(int x, int y) {
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, OnWindow(x, y));
    }
    void Move(int x, int y) { QTest::mouseMove(window->windowHandle(), OnWindow(x, y)); }
    void Release(int x, int y) {
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, OnWindow(x, y));
    }
    void Tap(int x, int y) {
        Press(x, y);
        Release(x, y);
    }
    // Qt's order: press, release, double click, release.
    void DoubleTap(int x, int y) {
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, OnWindow(x, y));
    }

    std::unique_ptr<CQtMainWindow> window;
};
