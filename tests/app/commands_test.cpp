// Commands: routing, the enable and check rules, and the menu texts.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"
#include "resources/command_names.h"
#include "resources/ids.h"
#include "resources/menus.h"
#include "tools/replay/replay_session.h"

namespace {

struct Window {
    CHeadlessHost host;
    CMainFrame frame{host};
    bool Enabled(int id) const { return frame.CommandState(id)->enabled; }
    bool Checked(int id) const { return frame.CommandState(id)->checked; }
};

TEST(Commands, AtStartUndoIsGreyAndSide1IsChecked) {
    Window w;
    EXPECT_FALSE(w.Enabled(ID_UNDO));
    EXPECT_FALSE(w.Enabled(ID_TB_UNDO));
    EXPECT_TRUE(w.Checked(ID_SIDE1));
    EXPECT_FALSE(w.Checked(ID_SIDE2));
    EXPECT_FALSE(w.Checked(ID_CLAMP));
    for (int id : {ID_SIDE1, ID_SIDE2, ID_CLAMP, ID_TRAINING, ID_ABOUT, ID_EXIT, IDOK})
        EXPECT_TRUE(w.Enabled(id)) << id;
    EXPECT_FALSE(w.Enabled(ID_TB_BUTTON1));
    EXPECT_FALSE(w.frame.OnCommand(ID_TB_BUTTON1));
    EXPECT_FALSE(w.frame.CommandState(12345).has_value());
    EXPECT_FALSE(w.frame.OnCommand(12345));
}

// Every activity, reached by real events, allows exactly what its row of the activity table
// says: the rule's commands and the wheel while the rule is free, the choosers while none is
// open, and the rest always. The undo history has an entry, so only the activity greys undo.
TEST(Commands, EachActivityAllowsWhatItsRowSays) {
    const struct {
        const char* script;
        Activity activity;
    } cases[] = {
        {"", Activity::RuleFree},
        {"cmd ID_TRAINING", Activity::LessonChooser},
        {"cmd ID_TRAINING\nselect 1\ntap 165 215", Activity::Lesson},
        {"cmd ID_TRAINING\nselect 1\ntap 165 215\ncmd ID_TRAINING", Activity::LessonChooser},
        {"cmd ID_TASKS", Activity::TaskChooser},
        {"task 30 1", Activity::Task},
        {"task 30 1\ncmd ID_TASKS", Activity::TaskChooser},
        {"task 30 1\nshow", Activity::Solution},
        {"task 30 1\nshow\ncmd ID_TRAINING", Activity::LessonChooser},
        {"task 30 1\nshow\nkey Escape", Activity::Task},
        {"cmd ID_TRAINING\nselect 1\ntap 165 215\nkey Escape", Activity::RuleFree},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        CReplaySession session;
        std::ostringstream out;
        std::istringstream script(std::string("tap 100 150\n") + c.script);
        for (std::string line; std::getline(script, line);) ASSERT_TRUE(session.RunLine(line, out));
        CMainFrame& f = session.Frame();
        ASSERT_EQ(f.Current(), c.activity);
        const ActivityRules& row = RulesOf(c.activity);
        const auto enabled = [&](int id) { return f.CommandState(id)->enabled; };
        for (int id : {ID_SIDE1, ID_SIDE2, ID_CLAMP, ID_UNDO, ID_TB_UNDO})
            EXPECT_EQ(enabled(id), row.ruleFree) << NameOfCommand(id);
        for (int id : {ID_TRAINING, ID_TASKS}) EXPECT_EQ(enabled(id), row.choosers) << id;
        for (int id : {ID_ABOUT, ID_KEYS, ID_EXIT, IDOK}) EXPECT_TRUE(enabled(id)) << id;
        EXPECT_FALSE(enabled(ID_TB_BUTTON1));
        EXPECT_EQ(f.Blocked(), !row.ruleFree);
        // A greyed command does not run; the wheel pans only a free rule.
        const CRuleState before = f.State().m_rule;
        EXPECT_EQ(f.OnCommand(ID_CLAMP), row.ruleFree);
        EXPECT_EQ(f.State().m_rule.m_bClamp != before.m_bClamp, row.ruleFree);
        EXPECT_EQ(f.OnMouseWheel(1, MOD_NONE), row.ruleFree);
        EXPECT_EQ(f.State().m_rule.m_nScroll != before.m_nScroll, row.ruleFree);
    }
}

TEST(Commands, ClampTogglesAndTwiceReturns) {
    Window w;
    w.frame.Seed(CRuleState{12, 0, 0, 0, 0});
    ASSERT_TRUE(w.frame.OnCommand(ID_CLAMP));
    EXPECT_EQ(w.frame.State().m_rule.m_bClamp, 1);
    EXPECT_TRUE(w.Checked(ID_CLAMP));
    ASSERT_TRUE(w.frame.OnCommand(ID_CLAMP));
    EXPECT_EQ(w.frame.State().m_rule.m_bClamp, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nScroll, 12);
    EXPECT_EQ(w.host.RepaintRequests(), 2);
}

TEST(Commands, OkClosesOnlyWithNotificationCodeZero) {
    Window w;
    EXPECT_FALSE(w.frame.OnCommand(IDOK, 1));  // a list box notification
    EXPECT_FALSE(w.frame.OnCommand(IDOK, 2));
    EXPECT_FALSE(w.host.Closed());
    EXPECT_TRUE(w.frame.OnCommand(IDOK, 0));
    EXPECT_TRUE(w.host.Closed());
    Window exit;
    EXPECT_TRUE(exit.frame.OnCommand(ID_EXIT));
    EXPECT_TRUE(exit.host.Closed());
}

TEST(Commands, AboutShowsItsCaptionAndFourLines) {
    Window w;
    EXPECT_TRUE(w.frame.OnCommand(ID_ABOUT));
    ASSERT_EQ(w.host.MessageBoxes(), 1);
    const std::string box = w.host.LastMessageBox();
    EXPECT_EQ(
        box.rfind("О программе | Навигационная линейка штурмана Skalor. | Версия 1.2.1 | ", 0), 0u);
    int lines = 0;
    for (std::size_t at = 0; (at = box.find(" | ", at)) != std::string::npos; at += 3) ++lines;
    EXPECT_EQ(lines, 4);
    EXPECT_EQ(w.host.RepaintRequests(), 0);
}

TEST(Commands, MenuCaptionsAreExactWithTheirLatinLetters) {
    // "C", "B", "O" and the "p" of "Пpижать" are Latin; everything else is Cyrillic.
    const std::string latinC = "C", latinB = "B", latinO = "O", latinP = "p";
    ASSERT_STREQ(kMenuBar[0].caption, "Файл");
    ASSERT_STREQ(kMenuBar[1].caption, "Операции");
    ASSERT_STREQ(kMenuBar[2].caption, "Справка");
    ASSERT_EQ(kMenuBar[0].count, 6);
    ASSERT_EQ(kMenuBar[1].count, 11);
    const MenuItem* file = kMenuBar[0].items;
    EXPECT_EQ(file[0].caption, latinC + "торона 1");
    EXPECT_EQ(file[0].id, ID_SIDE1);
    EXPECT_EQ(file[1].caption, latinC + "торона 2");
    EXPECT_EQ(file[1].id, ID_SIDE2);
    EXPECT_EQ(file[2].caption, nullptr);
    EXPECT_STREQ(file[3].caption, "Печать заданий...");
    EXPECT_EQ(file[3].id, ID_PRINT_SHEETS);
    EXPECT_EQ(file[4].caption, nullptr);
    EXPECT_EQ(file[5].caption, latinB + "ыход");
    EXPECT_EQ(file[5].id, ID_EXIT);
    const MenuItem* ops = kMenuBar[1].items;
    EXPECT_EQ(ops[0].caption, latinO + "тменить");
    EXPECT_EQ(ops[0].id, ID_UNDO);
    EXPECT_EQ(ops[2].caption, "П" + latinP + "ижать визирку");
    EXPECT_EQ(ops[2].id, ID_CLAMP);
    EXPECT_EQ(ops[4].caption, latinO + "бучение...");
    EXPECT_EQ(ops[4].id, ID_TRAINING);
    EXPECT_STREQ(ops[5].caption, "Задачи...");  // all Cyrillic
    EXPECT_EQ(ops[5].id, ID_TASKS);
    EXPECT_STREQ(ops[6].caption, "Прогресс...");  // all Cyrillic
    EXPECT_EQ(ops[6].id, ID_PROGRESS);
    EXPECT_STREQ(ops[7].caption, "Зачёт...");  // all Cyrillic
    EXPECT_EQ(ops[7].id, ID_TEST);
    EXPECT_EQ(ops[10].caption, latinO + " программе...");
    EXPECT_EQ(ops[10].id, ID_ABOUT);
    for (int i : {1, 3, 8}) EXPECT_EQ(ops[i].caption, nullptr) << i;
    // Each mnemonic is shown by a letter of its caption (or its Latin look-alike), and no two
    // items of a menu, nor two menus of the bar, answer the same key.
    for (const Menu& menu : kMenuBar) {
        int length = 0;
        EXPECT_EQ(MnemonicAt(menu.caption, menu.mnemonic, length), 0) << menu.caption;
        for (const Menu& other : kMenuBar)
            EXPECT_EQ(&menu == &other, KeyPicksMnemonic(menu.mnemonic, other.mnemonic, 0));
        for (int i = 0; i < menu.count; ++i) {
            if (!menu.items[i].caption) continue;
            EXPECT_GE(MnemonicAt(menu.items[i].caption, menu.items[i].mnemonic, length), 0)
                << menu.items[i].caption;
            for (int j = 0; j < menu.count; ++j) {
                if (j == i || !menu.items[j].caption) continue;
                EXPECT_FALSE(KeyPicksMnemonic(menu.items[i].mnemonic, menu.items[j].mnemonic, 0))
                    << menu.items[i].caption << " and " << menu.items[j].caption;
            }
        }
    }
    EXPECT_EQ(std::strlen(ops[0].caption), 1 + 2 * 7u);  // one Latin byte, seven Cyrillic pairs
    EXPECT_STREQ(kWindowTitle, "Skalor");
}

}  // namespace
