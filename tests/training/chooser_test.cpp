// The lesson chooser: its list, its hit test and its presses.
#include "training/chooser.h"

#include <gtest/gtest.h>

#include "tests/support/seed_rule.h"
#include "training/lesson_list.h"
#include "training_rig.h"

namespace {

TEST(LessonList, FilledInTableOrderWithKeysAndTheFirstTitleSelected) {
    CHeadlessListBox list;
    FillLessonList(list);
    ASSERT_EQ(list.Count(), 36);
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(list.Text(i), kLessonList[i].pszText) << i;
        EXPECT_EQ(list.GetItemData(i), int32_t(kLessonList[i].key)) << i;
    }
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.Text(0), " Обзор шкал Skalor");
    // Key 32 stands before key 31: the list is not sorted by key or by title.
    EXPECT_EQ(list.GetItemData(30), 32);
    EXPECT_EQ(list.Text(30), " Доп.поправка и поправка в курс");
    EXPECT_EQ(list.GetItemData(31), 31);
    EXPECT_EQ(list.Text(31), " Поправка на схожд.меридианов");
}

TEST(ChooserHitTest, ButtonsAcceptTheirInsideLessTheLeftColumnAndTopRow) {
    CHeadlessListBox list;
    FillLessonList(list);
    list.SetCurSel(5);
    const int32_t key = int32_t(kLessonList[5].key);
    struct Case {
        int x, y;
        int32_t result;
    };
    // clang-format off
    const Case cases[] = {
        // "Отменить", drawn over x 35..114, y 200..229.
        {35, 215, -1}, {36, 215, 0}, {114, 215, 0}, {115, 215, -1},
        {36, 201, 0},  {114, 229, 0}, {60, 200, -1}, {60, 230, -1},
        // "Выполнить", drawn over x 125..204.
        {125, 210, -1}, {126, 210, key}, {204, 210, key}, {205, 210, -1},
        {126, 201, key}, {204, 229, key}, {150, 200, -1}, {150, 230, -1},
        // Between the buttons, on the list, and outside the panel.
        {120, 215, -1}, {100, 100, -1}, {2, 2, -1},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(HitTestChooser(&list, c.x, c.y), c.result) << c.x << ", " << c.y;
}

TEST(ChooserHitTest, StartWithoutASelectionOrWithoutAListIsNoHit) {
    CHeadlessListBox empty;
    EXPECT_EQ(HitTestChooser(&empty, 150, 215), -1);
    EXPECT_EQ(HitTestChooser(nullptr, 150, 215), -1);
    // Cancelling needs no list.
    EXPECT_EQ(HitTestChooser(nullptr, 60, 215), 0);
}

TEST(Chooser, OpeningCreatesTheListAtTheFirstPaintAndNotBefore) {
    TrainingRig w;
    w.frame.OnCommand(ID_TRAINING);
    EXPECT_EQ(w.frame.Current(), Activity::LessonChooser);
    EXPECT_EQ(w.frame.State().m_training.m_bListCreated, 0);
    EXPECT_EQ(w.host.ListBox(), nullptr);
    EXPECT_EQ(w.host.RepaintRequests(), 1);
    w.Pump();
    EXPECT_EQ(w.frame.State().m_training.m_bListCreated, 1);
    ASSERT_NE(w.host.ListBox(), nullptr);
    EXPECT_EQ(w.frame.State().m_training.m_wndLessonList, w.host.ListBox());
    const CRect r = w.host.ListBoxRect();
    EXPECT_EQ(r.left, 15);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 225);
    EXPECT_EQ(r.bottom, 200);
    EXPECT_EQ(w.host.ListBox()->Count(), 36);
    EXPECT_EQ(w.host.ListBox()->GetCurSel(), 0);
    // Later paints make no second list: the selection survives them.
    w.host.ListBox()->SetCurSel(7);
    w.frame.OnPaint(w.window);
    EXPECT_EQ(w.host.ListBox()->GetCurSel(), 7);
    EXPECT_EQ(w.host.ListBox()->Count(), 36);
    // It cannot be opened a second time.
    EXPECT_FALSE(w.frame.OnCommand(ID_TRAINING));
}

TEST(Chooser, PressesOffTheButtonsChangeNothingAndRepaintNothing) {
    TrainingRig w;
    w.Command(ID_TRAINING);
    w.host.ListBox()->SetCurSel(3);
    const int repaints = w.host.RepaintRequests();
    // On the panel beside and between the buttons, on the buttons' excluded edges, on the
    // rule outside the panel, and on the list box's area.
    const CPoint presses[] = {{10, 215}, {120, 215}, {220, 235}, {35, 215}, {125, 210},
                              {60, 200}, {150, 230}, {100, 150}, {2, 250},  {120, 260}};
    for (const CPoint& p : presses) {
        w.Tap(p.x, p.y);
        w.frame.OnLButtonDblClk(0, p);
        w.frame.OnLButtonUp(0, p);
        w.Pump();
    }
    EXPECT_EQ(w.host.RepaintRequests(), repaints);
    EXPECT_EQ(w.frame.Current(), Activity::LessonChooser);
    EXPECT_EQ(w.host.ListBox()->GetCurSel(), 3);
    EXPECT_EQ(w.frame.State().m_steps.m_nLesson, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nScroll, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nSlide, 0);
    EXPECT_EQ(w.frame.State().m_undo.m_nUndoCount, 0);
    EXPECT_FALSE(w.host.HasCapture());
}

TEST(Chooser, CancelClosesAndReopeningStartsAgainAtTheFirstTitle) {
    TrainingRig w;
    w.Command(ID_TRAINING);
    w.host.ListBox()->SetCurSel(12);
    w.Tap(36, 201);
    EXPECT_NE(w.frame.Current(), Activity::LessonChooser);
    EXPECT_EQ(w.host.ListBox(), nullptr);
    EXPECT_EQ(w.frame.State().m_training.m_wndLessonList, nullptr);
    EXPECT_EQ(w.frame.State().m_steps.m_nLesson, 0);
    EXPECT_EQ(w.frame.State().m_steps.m_nStep, -1);
    EXPECT_EQ(w.frame.State().m_training.m_bListCreated, 1);  // stays set until the next opening
    EXPECT_TRUE(w.frame.CommandState(ID_TRAINING)->enabled);
    w.Command(ID_TRAINING);
    ASSERT_NE(w.host.ListBox(), nullptr);
    EXPECT_EQ(w.host.ListBox()->GetCurSel(), 0);
    EXPECT_EQ(w.host.ListBox()->Count(), 36);
}

TEST(Chooser, AKeyWithoutStepsJustClosesTheChooser) {
    TrainingRig w;
    SeedRule(w.frame, [](CRuleState& r) {
        r.m_nScroll = 300;
        r.m_nSlide = -40;
        r.m_bClamp = 1;
    });
    w.Command(ID_TRAINING);
    // No record carries key 99.
    w.host.ListBox()->SetItemData(4, 99);
    w.host.ListBox()->SetCurSel(4);
    w.Tap(204, 229);
    EXPECT_NE(w.frame.Current(), Activity::LessonChooser);
    EXPECT_EQ(w.host.ListBox(), nullptr);
    EXPECT_EQ(w.frame.State().m_steps.m_nLesson, 0);
    EXPECT_EQ(w.frame.State().m_steps.m_nStep, -1);
    // No state is touched, not even clamp mode.
    EXPECT_EQ(w.frame.State().m_rule.m_nScroll, 300);
    EXPECT_EQ(w.frame.State().m_rule.m_nSlide, -40);
    EXPECT_EQ(w.frame.State().m_rule.m_bClamp, 1);
    EXPECT_EQ(w.frame.State().m_undo.m_nUndoCount, 0);
    EXPECT_TRUE(w.frame.CommandState(ID_CLAMP)->enabled);
}

}  // namespace
