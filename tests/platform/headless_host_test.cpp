// The headless window's clock and list box, which every scenario test leans on.
#include "platform/headless/headless_host.h"

#include <gtest/gtest.h>

namespace {

TEST(HeadlessHost, TimersTickInTimeOrderAndRestartWhenSetAgain) {
    CHeadlessHost host;
    host.SetTimer(1, 300);
    host.SetTimer(2, 10);
    std::vector<std::pair<int64_t, int>> ticks;
    for (int id; host.NextTick(35, id);) ticks.push_back({host.Now(), id});
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(ticks[0], (std::pair<int64_t, int>{10, 2}));
    EXPECT_EQ(ticks[2], (std::pair<int64_t, int>{30, 2}));
    host.SetNow(35);
    host.SetTimer(1, 300);  // restarts from now
    host.KillTimer(2);
    int id = 0;
    EXPECT_FALSE(host.NextTick(334, id));
    EXPECT_TRUE(host.NextTick(335, id));
    EXPECT_EQ(id, 1);
    EXPECT_FALSE(host.TimerRunning(2));
}

TEST(HeadlessHost, ListBoxInsertsAtPositionsAndAnswersMinusOneOutsideIt) {
    CHeadlessHost host;
    IListBox* list = host.CreateListBox({15, 30, 225, 200}, 1);
    EXPECT_EQ(list->InsertString(0, "b"), 0);
    EXPECT_EQ(list->InsertString(0, "a"), 0);
    EXPECT_EQ(list->InsertString(2, "c"), 2);
    list->SetItemData(1, 42);
    EXPECT_EQ(host.ListBox()->Text(0), "a");
    EXPECT_EQ(list->GetItemData(1), 42);
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(list->GetItemData(-1), -1);
    EXPECT_EQ(list->GetItemData(3), -1);
    list->SetCurSel(7);
    EXPECT_EQ(list->GetCurSel(), -1);
    list->SetCurSel(2);
    EXPECT_EQ(list->GetCurSel(), 2);
    host.DestroyListBox();
    EXPECT_EQ(host.ListBox(), nullptr);
    host.DestroyListBox();  // nothing to destroy: nothing happens
}

}  // namespace
