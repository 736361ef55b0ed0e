// Commands: routing, the enable and check rules, and the menu texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"
#include "resources/ids.h"
#include "resources/menus.h"

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

TEST(Commands, ALessonOrTheOpenChooserBlocksSideClampAndUndo) {
    for (int lesson : {0, 7})
        for (int open : {0, 1}) {
            Window w;
            w.frame.m_undo.m_nUndoCount = 3;
            w.frame.m_rule.m_bClamp = 1;
            w.frame.m_rule.m_nSide = 1;
            w.frame.m_training.m_nLesson = lesson;
            w.frame.m_training.m_bListOpen = uint8_t(open);
            const bool blocked = lesson > 0 || open;
            SCOPED_TRACE(testing::Message() << "lesson " << lesson << " open " << open);
            for (int id : {ID_SIDE1, ID_SIDE2, ID_CLAMP, ID_UNDO, ID_TB_UNDO})
                EXPECT_EQ(w.Enabled(id), !blocked) << id;
            EXPECT_EQ(w.Enabled(ID_TRAINING), !open);
            EXPECT_TRUE(w.Enabled(ID_ABOUT));
            EXPECT_TRUE(w.Enabled(ID_EXIT));
            // Check marks stay true while greyed; exactly one side is checked.
            EXPECT_TRUE(w.Checked(ID_CLAMP));
            EXPECT_TRUE(w.Checked(ID_SIDE2));
            EXPECT_FALSE(w.Checked(ID_SIDE1));
            // A greyed command does not run.
            EXPECT_EQ(w.frame.OnCommand(ID_CLAMP), !blocked);
            EXPECT_EQ(w.frame.m_rule.m_bClamp, blocked ? 1 : 0);
        }
}

TEST(Commands, ClampTogglesAndTwiceReturns) {
    Window w;
    w.frame.m_rule.m_nScroll = 12;
    ASSERT_TRUE(w.frame.OnCommand(ID_CLAMP));
    EXPECT_EQ(w.frame.m_rule.m_bClamp, 1);
    EXPECT_TRUE(w.Checked(ID_CLAMP));
    ASSERT_TRUE(w.frame.OnCommand(ID_CLAMP));
    EXPECT_EQ(w.frame.m_rule.m_bClamp, 0);
    EXPECT_EQ(w.frame.m_rule.m_nScroll, 12);
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
    ASSERT_EQ(kMenuBar[0].count, 4);
    ASSERT_EQ(kMenuBar[1].count, 9);
    const MenuItem* file = kMenuBar[0].items;
    EXPECT_EQ(file[0].caption, latinC + "торона 1");
    EXPECT_EQ(file[0].id, ID_SIDE1);
    EXPECT_EQ(file[1].caption, latinC + "торона 2");
    EXPECT_EQ(file[1].id, ID_SIDE2);
    EXPECT_EQ(file[2].caption, nullptr);
    EXPECT_EQ(file[3].caption, latinB + "ыход");
    EXPECT_EQ(file[3].id, ID_EXIT);
    const MenuItem* ops = kMenuBar[1].items;
    EXPECT_EQ(ops[0].caption, latinO + "тменить");
    EXPECT_EQ(ops[0].id, ID_UNDO);
    EXPECT_EQ(ops[2].caption, "П" + latinP + "ижать визирку");
    EXPECT_EQ(ops[2].id, ID_CLAMP);
    EXPECT_EQ(ops[4].caption, latinO + "бучение...");
    EXPECT_EQ(ops[4].id, ID_TRAINING);
    EXPECT_STREQ(ops[5].caption, "Задачи...");  // all Cyrillic
    EXPECT_EQ(ops[5].id, ID_TASKS);
    EXPECT_EQ(ops[8].caption, latinO + " программе...");
    EXPECT_EQ(ops[8].id, ID_ABOUT);
    for (int i : {1, 3, 6}) EXPECT_EQ(ops[i].caption, nullptr) << i;
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
