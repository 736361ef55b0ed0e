// Gestures through the real window: drags, the hold repeat on window timers, double taps in
// Qt's event order, capture lost in mid-gesture, and the toolbar's undo.
#include <QMenu>
#include <QToolButton>

#include "qt_support.h"
#include "resources/ids.h"
#include "tests/support/seed_rule.h"

namespace {

using Gestures = WindowTest;

TEST_F(Gestures, DraggingTheSlideMovesItAndLeavesOneUndoEntry) {
    Press(60, 150);  // on the slide, left of the hairline: a tap would nudge
    EXPECT_TRUE(window->HasCapture());
    Move(50, 150);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 10);
    Move(45, 152);
    Release(45, 152);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 15);  // the move cancelled the nudge
    EXPECT_FALSE(window->HasCapture());
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
    EXPECT_TRUE(FindCommand(*window, ID_UNDO)->isEnabled());
    EXPECT_TRUE(FindCommand(*window, ID_TB_UNDO, true)->isEnabled());

    // The drawn slide has moved: the composed frame on screen differs from one at 0.
    window->UpdateWindow();
    const QImage moved = View().grab().toImage();

    // The toolbar's undo button, clicked like a person would.
    auto* undo = qobject_cast<QToolButton*>(
        window->CommandBar().widgetForAction(FindCommand(*window, ID_TB_UNDO, true)));
    ASSERT_NE(undo, nullptr);
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 0);
    EXPECT_FALSE(FindCommand(*window, ID_UNDO)->isEnabled());
    EXPECT_FALSE(undo->isEnabled());
    window->UpdateWindow();
    EXPECT_NE(View().grab().toImage(), moved);
}

TEST_F(Gestures, AFingerDragsLikeTheMouse) {
    static QPointingDevice* finger = QTest::createTouchDevice();
    QTest::touchEvent(window.get(), finger).press(0, OnWindow(60, 150));
    QTest::touchEvent(window.get(), finger).move(0, OnWindow(50, 150));
    QTest::touchEvent(window.get(), finger).move(0, OnWindow(48, 150));
    QTest::touchEvent(window.get(), finger).release(0, OnWindow(48, 150));
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 12);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
    EXPECT_FALSE(window->HasCapture());
}

TEST_F(Gestures, ATapOnTheSlideNudgesByOnePixel) {
    Tap(100, 150);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 1);
    Tap(150, 150);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 0);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 2);
}

TEST_F(Gestures, ADragGoesOnOutsideTheWindow) {
    Press(60, 150);
    Move(-10, 150);  // beyond the window's left edge: Qt keeps the pointer with the view
    Release(-10, 150);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 70);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
}

TEST_F(Gestures, HoldingStillRepeatsBy20AndFollowsTheHalf) {
    QElapsedTimer held;
    Press(60, 80);  // the top body strip, left half
    held.start();
    EXPECT_TRUE(window->TimerRunning(TIMER_HOLD));
    QTest::qWait(150);
    if (held.elapsed() < 290) {
        EXPECT_EQ(Frame().State().m_rule.m_nScroll, 0);  // not yet 300 ms
    }
    ASSERT_TRUE(WaitUntil([&] { return Frame().State().m_rule.m_nScroll >= 60; }, 3000));
    EXPECT_EQ(Frame().State().m_gesture.m_bRepeating, 1);
    EXPECT_FALSE(window->TimerRunning(TIMER_HOLD));
    EXPECT_TRUE(window->TimerRunning(TIMER_REPEAT));
    EXPECT_EQ(Frame().State().m_rule.m_nScroll % 20, 0);

    // Moving into the right half while repeating turns the repeat round.
    Move(200, 80);
    const int32_t before = Frame().State().m_rule.m_nScroll;
    ASSERT_TRUE(WaitUntil([&] { return Frame().State().m_rule.m_nScroll <= before - 40; }, 3000));
    Release(200, 80);
    const int32_t after = Frame().State().m_rule.m_nScroll;
    EXPECT_FALSE(window->TimerRunning(TIMER_HOLD));
    EXPECT_FALSE(window->TimerRunning(TIMER_REPEAT));
    EXPECT_EQ(Frame().State().m_gesture.m_bRepeating, 0);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
    QTest::qWait(50);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, after);  // no tick after the release
}

TEST_F(Gestures, AMoveBeforeTheHoldEndsItForThePress) {
    Press(60, 80);
    Move(60, 90);  // vertical only
    EXPECT_FALSE(window->TimerRunning(TIMER_HOLD));
    QTest::qWait(400);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 0);
    Release(60, 90);
}

TEST_F(Gestures, ADoubleTapArrivesAsTapThenDoubleTap) {
    // On the slide: the first tap nudges, the double tap counts as a second tap, and Qt's
    // final release finds no capture: two pixels and two entries, not three.
    DoubleTap(100, 150);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 2);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 2);
    EXPECT_FALSE(window->HasCapture());
}

TEST_F(Gestures, ADoubleTapInTheCursorRowFetchesACursorOutOfSight) {
    SeedRule(Frame(), [](CRuleState& r) { r.m_nCursor = -1000; });
    window->Invalidate();
    DoubleTap(200, 258);
    EXPECT_EQ(Frame().State().m_rule.m_nCursor, -81);  // hairline at x 200
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
    window->UpdateWindow();
    const QImage shown = View().grab().toImage();
    EXPECT_EQ(shown.pixel(At(200, 150)), qRgb(255, 0, 0));
}

TEST_F(Gestures, AMenuOpeningInMidGestureTakesTheCapture) {
    Press(60, 150);
    ASSERT_TRUE(window->HasCapture());
    QMenu* file = window->menuBar()->actions()[0]->menu();
    file->popup(window->mapToGlobal(QPoint(5, 5)));
    ASSERT_TRUE(WaitUntil([&] { return file->isVisible(); }));
    EXPECT_FALSE(window->HasCapture());
    file->close();
    ASSERT_TRUE(WaitUntil([&] { return !file->isVisible(); }));
    Release(60, 150);
    // Neither the nudge nor an undo entry: the gesture ended when the capture went.
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 0);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 0);
    EXPECT_FALSE(window->TimerRunning(TIMER_HOLD));
}

}  // namespace
