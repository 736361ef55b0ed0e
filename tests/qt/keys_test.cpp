// Real key and wheel events through the platform window: they reach the logic (moves, undo,
// the chooser and a lesson), and the window's own keys size it.
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QWheelEvent>

#include "qt_support.h"
#include "resources/ids.h"

namespace {

class Keys : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // As the keyboard sends it: to whatever has the focus in the active window.
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(window->windowHandle(), key, mods);
    }
    void Wheel(int angle, Qt::KeyboardModifiers mods = {}) {
        const QPointF at = At(120, 150);
        QWheelEvent event(at, View().mapToGlobal(at), {}, {0, angle}, Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&View(), &event);
    }
    int Factor() { return View().Factor(); }
};

TEST_F(Keys, ArrowsMoveTheRuleAndCtrlZUndoesThem) {
    EXPECT_EQ(QApplication::focusWidget(), &View());
    // F10 opens the first menu; closed, it leaves the keys with the client area.
    Key(Qt::Key_F10);
    QMenu* file = window->menuBar()->actions().first()->menu();
    ASSERT_TRUE(WaitUntil([&] { return file->isVisible(); }));
    file->hide();
    window->menuBar()->setActiveAction(nullptr);
    EXPECT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == &View(); }));
    Key(Qt::Key_Left);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 1);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
    Key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Frame().State().m_rule.m_nCursor, 20);
    Key(Qt::Key_End);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 1055);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 3);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 0);
    EXPECT_EQ(Frame().State().m_rule.m_nCursor, 0);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 1);

    // Two notches toward the user, one run: its entry comes when the wheel rests.
    Wheel(-120);
    Wheel(-120);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 80);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
    EXPECT_TRUE(window->TimerRunning(TIMER_WHEEL));
    EXPECT_TRUE(WaitUntil([&] { return Frame().State().m_undo.m_nUndoCount == 2; }));
    EXPECT_FALSE(window->TimerRunning(TIMER_WHEEL));
}

TEST_F(Keys, TheChooserAndALessonAnswerTheirKeys) {
    Key(Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(WaitUntil([&] { return window->ListWidget() != nullptr; }));
    QListWidget* list = window->ListWidget();
    EXPECT_TRUE(WaitUntil([&] { return list->hasFocus(); }));
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_TRUE(WaitUntil([&] { return list->currentRow() == 2; }));
    Key(Qt::Key_Escape);
    ASSERT_TRUE(WaitUntil([&] { return window->ListWidget() == nullptr; }));
    EXPECT_EQ(Frame().State().m_steps.m_nLesson, 0);
    EXPECT_EQ(QApplication::focusWidget(), &View());

    // A double click on a title starts that lesson.
    Key(Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(WaitUntil([&] { return window->ListWidget() != nullptr; }));
    list = window->ListWidget();
    // Through the platform window, in Qt's order: press, release, double click, release.
    QTest::mouseDClick(
        window->windowHandle(), Qt::LeftButton, {},
        list->viewport()->mapTo(window.get(), list->visualItemRect(list->item(1)).center()));
    ASSERT_TRUE(WaitUntil([&] { return Frame().State().m_steps.m_nLesson == 2; }));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &View());

    // Space goes on, an arrow moves nothing, Escape ends the lesson where it stands.
    Key(Qt::Key_Space);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 536);
    Key(Qt::Key_Left);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 0);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Frame().State().m_steps.m_nLesson, 0);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 536);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
    EXPECT_TRUE(FindCommand(*window, ID_UNDO)->isEnabled());
}

TEST_F(Keys, ZoomKeysAndCtrlWheelSizeTheWindow) {
    const int start = Factor();
    ASSERT_EQ(start, 2);
    Key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return Factor() == 1; }));
    Key(Qt::Key_Minus, Qt::ControlModifier);  // never below 1
    QTest::qWait(20);
    EXPECT_EQ(Factor(), 1);
    EXPECT_FALSE(FindCommand(*window, ID_VIEW_SMALLER)->isEnabled());
    Key(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return Factor() == 2; }));
    EXPECT_EQ(window->CommandBar().iconSize(), QSize(32, 30));
    // No larger than the screen's free area allows (or the start-up factor).
    const int largest = std::max(window->FitToScreen(), start);
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return Factor() == largest; }));
    Wheel(-120, Qt::ControlModifier);  // toward the user: smaller
    EXPECT_TRUE(WaitUntil([&] { return Factor() == largest - 1; }));
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 0);  // Ctrl and the wheel pan nothing
    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return Factor() == start; }));
    EXPECT_EQ(window->Factor(), start);
}

}  // namespace
