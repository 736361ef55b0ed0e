// The platform roles of the window: stylus points mapped to the client, the capture and how
// it is lost, timers, the close request, the list box, and following a resize.
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "qt_support.h"
#include "resources/ids.h"

namespace {

using Host = WindowTest;

TEST_F(Host, StylusPointsReachTheLogicInClientCoordinates) {
    ASSERT_EQ(View().Origin(), QPoint(0, 0));
    // Every view pixel of client pixel 100 maps to 100, the next view pixel to 101.
    QTest::mousePress(&View(), Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, 100);
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mousePress(&View(), Qt::LeftButton, {}, QPoint(201, 151));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, 100);
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, QPoint(201, 151));
    QTest::mousePress(&View(), Qt::LeftButton, {}, QPoint(202, 152));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, 101);
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, QPoint(202, 152));
    QTest::mousePress(&View(), Qt::LeftButton, {}, QPoint(479, 535));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, 239);
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, QPoint(479, 535));
    // Buttons other than the stylus's do nothing.
    QTest::mousePress(&View(), Qt::RightButton, {}, QPoint(20, 150));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, 239);
    QTest::mouseRelease(&View(), Qt::RightButton, {}, QPoint(20, 150));
}

TEST_F(Host, ResizingFollowsInWholeStepsAndMarginsMapOutsideTheFrame) {
    const QSize start = window->size();
    window->resize(start + QSize(41, 60));
    ASSERT_TRUE(WaitUntil([&] { return View().Origin() == QPoint(20, 30); }))
        << View().Origin().x() << "," << View().Origin().y();
    EXPECT_EQ(View().Factor(), 2);

    // Points beside the frame are delivered as computed, not clamped: a drag of the body
    // runs on past the frame's edge, and a press there reaches nothing.
    QWindow* w = window->windowHandle();
    const auto on = [&](int x, int y) { return View().mapTo(window.get(), QPoint(x, y)); };
    QTest::mousePress(w, Qt::LeftButton, {}, on(20 + 2 * 10, 30 + 160));
    QTest::mouseMove(w, on(19, 30 + 160));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, -1);
    QTest::mouseMove(w, on(20 + 485, 30 + 160));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, 242);
    QTest::mouseRelease(w, Qt::LeftButton, {}, on(20 + 485, 30 + 160));
    QTest::mousePress(w, Qt::LeftButton, {}, on(19, 30 + 160));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, 242);
    EXPECT_FALSE(window->HasCapture());
    QTest::mouseRelease(w, Qt::LeftButton, {}, on(19, 30 + 160));
    // The margins are the frame's grey.
    window->UpdateWindow();
    const QImage shown = View().grab().toImage();
    EXPECT_EQ(shown.pixel(5, 5), qRgb(128, 128, 128));
    EXPECT_EQ(shown.pixel(shown.width() - 1, shown.height() - 1), qRgb(128, 128, 128));

    // A list box follows the factor.
    window->CreateListBox({15, 30, 225, 200}, IDC_LESSON_LIST);
    ASSERT_NE(window->ListWidget(), nullptr);
    EXPECT_EQ(window->ListWidget()->geometry(), QRect(20 + 30, 30 + 60, 420, 340));
    window->resize(start + QSize(240, 268));
    ASSERT_TRUE(WaitUntil([&] { return View().Factor() == 3; })) << View().Factor();
    EXPECT_EQ(View().Origin(), QPoint(0, 0));
    EXPECT_EQ(window->ListWidget()->geometry(), QRect(45, 90, 630, 510));
    window->resize(start + QSize(239, 268));
    ASSERT_TRUE(WaitUntil([&] { return View().Factor() == 2; })) << View().Factor();
    QTest::mousePress(&View(), Qt::LeftButton, {}, View().Origin() + QPoint(2 * 77, 300));
    EXPECT_EQ(Frame().State().m_gesture.m_nLastX, 77);
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, View().Origin() + QPoint(2 * 77, 300));
}

TEST_F(Host, CaptureIsLostWhenTheWindowLosesThePointer) {
    IWindowHost& host = *window;
    host.SetCapture();
    ASSERT_TRUE(host.HasCapture());
    host.ReleaseCapture();
    EXPECT_FALSE(host.HasCapture());

    // The platform takes the grab away.
    host.SetCapture();
    QEvent ungrab(QEvent::UngrabMouse);
    QCoreApplication::sendEvent(window->windowHandle(), &ungrab);
    EXPECT_FALSE(host.HasCapture());
    host.SetCapture();
    QCoreApplication::sendEvent(&View(), &ungrab);
    EXPECT_FALSE(host.HasCapture());

    // A menu opens.
    host.SetCapture();
    QMenu* file = window->menuBar()->actions()[0]->menu();
    file->popup(window->mapToGlobal(QPoint(5, 5)));
    ASSERT_TRUE(WaitUntil([&] { return file->isVisible(); }));
    EXPECT_FALSE(host.HasCapture());
    file->close();

    // The focus goes to another widget of the window.
    View().setFocus();
    ASSERT_TRUE(WaitUntil([&] { return View().hasFocus(); }));
    host.SetCapture();
    window->CreateListBox({15, 30, 225, 200}, IDC_LESSON_LIST);
    window->ListWidget()->setFocus();
    ASSERT_TRUE(WaitUntil([&] { return window->ListWidget()->hasFocus(); }));
    EXPECT_FALSE(host.HasCapture());
    window->DestroyListBox();

    // Another window becomes active.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    host.SetCapture();
    QWidget other;
    other.resize(50, 50);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(host.HasCapture());
}

TEST_F(Host, TimersRestartStopAndOnlyTheirOwnIdRuns) {
    IWindowHost& host = *window;
    EXPECT_FALSE(window->TimerRunning(TIMER_HOLD));
    host.SetTimer(TIMER_HOLD, 300);
    host.SetTimer(TIMER_REPEAT, 10);
    EXPECT_TRUE(window->TimerRunning(TIMER_HOLD));
    EXPECT_TRUE(window->TimerRunning(TIMER_REPEAT));
    host.KillTimer(TIMER_REPEAT);
    EXPECT_FALSE(window->TimerRunning(TIMER_REPEAT));
    EXPECT_TRUE(window->TimerRunning(TIMER_HOLD));
    host.KillTimer(TIMER_HOLD);
    host.KillTimer(77);  // never started: nothing happens
    EXPECT_FALSE(window->TimerRunning(TIMER_HOLD));
}

TEST_F(Host, ListBoxInsertsAtPositionsAndKeepsItsData) {
    IListBox* list = window->CreateListBox({15, 30, 225, 200}, IDC_LESSON_LIST);
    ASSERT_NE(list, nullptr);
    QListWidget* widget = window->ListWidget();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), &View());
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->geometry(), QRect(30, 60, 420, 340));
    // Its font and rows scale with the frame: 12 and 16 pixels at factor 1, twice that here.
    EXPECT_EQ(widget->font().pixelSize(), 24);

    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(list->InsertString(0, " b"), 0);
    EXPECT_EQ(list->InsertString(0, " a"), 0);
    EXPECT_EQ(list->InsertString(9, " d"), 2);  // past the end: appended
    EXPECT_EQ(list->InsertString(2, " c"), 2);
    EXPECT_EQ(list->InsertString(-1, " e"), 4);
    ASSERT_EQ(widget->count(), 5);
    EXPECT_EQ(widget->visualItemRect(widget->item(1)).height(), 32);
    const char* order[] = {" a", " b", " c", " d", " e"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(widget->item(i)->text().toUtf8(), QByteArray(order[i]));
    for (int i = 0; i < 5; ++i) list->SetItemData(i, 100 + i);
    list->SetItemData(7, 5);  // no such item: nothing happens
    EXPECT_EQ(list->GetItemData(3), 103);
    EXPECT_EQ(list->GetItemData(5), -1);
    EXPECT_EQ(list->GetItemData(-1), -1);
    EXPECT_EQ(list->GetCurSel(), -1);
    list->SetCurSel(0);
    EXPECT_EQ(list->GetCurSel(), 0);
    list->SetCurSel(5);
    EXPECT_EQ(list->GetCurSel(), -1);
    list->SetCurSel(-1);
    EXPECT_EQ(list->GetCurSel(), -1);
    list->SetCurSel(4);
    EXPECT_EQ(list->GetItemData(list->GetCurSel()), 104);

    // A click selects; a double click only selects; Enter does nothing; the window stays.
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(1)).center());
    EXPECT_EQ(list->GetCurSel(), 1);
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {},
                       widget->visualItemRect(widget->item(3)).center());
    EXPECT_EQ(list->GetCurSel(), 3);
    EXPECT_TRUE(widget->findChildren<QLineEdit*>().isEmpty());  // no editor opened
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClick(widget, Qt::Key_Escape);
    QTest::qWait(20);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(list->GetCurSel(), 3);
    EXPECT_EQ(widget->item(3)->text().toUtf8(), QByteArray(" d"));

    window->DestroyListBox();
    EXPECT_EQ(window->ListWidget(), nullptr);
    EXPECT_TRUE(View().findChildren<QListWidget*>().isEmpty());
    window->DestroyListBox();  // none: nothing happens
}

TEST_F(Host, CloseRequestIsQueued) {
    window->PostClose();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(WaitUntil([&] { return !window->isVisible(); }));
}

}  // namespace
