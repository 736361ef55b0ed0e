// The panel beside the rule through a task's stages: what it offers after each line of a
// script, that the host always shows what the window describes, and that a button it does
// not offer does nothing.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/replay/replay_session.h"

namespace {

struct Stage {
    const char* script;
    bool visible, field, keys;
    bool check, show, close;  // the buttons' enabled flags
};

// clang-format off
const Stage kStages[] = {
    {"",                                      false, false, false, false, false, false},
    {"task 2 1",                              true,  true,  true,  true,  true,  true},
    // a press on the rule takes the keys from the field; a click into it gives them back
    {"task 2 1\ntap 120 80",                  true,  true,  false, true,  true,  true},
    {"task 2 1\ntap 120 80\nanswer 1",        true,  true,  true,  true,  true,  true},
    // a chooser over the task greys it; closed, the field has the keys again
    {"task 2 1\ncmd ID_TASKS",                true,  false, false, false, false, false},
    {"task 2 1\ntap 120 80\ncmd ID_TRAINING\nkey Escape", true, true, true, true, true, true},
    // the solution plays over the rule, the problem stays beside it
    {"task 2 1\nshow",                        true,  false, false, false, false, true},
    {"task 2 1\nshow\nkey Escape",            true,  true,  true,  true,  true,  true},
    {"task 2 1\nshow\nclose",                 false, false, false, false, false, false},
    {"task 2 1\nclose",                       false, false, false, false, false, false},
    // a lesson takes the window over from the task
    {"task 2 1\ncmd ID_TRAINING\nselect 1\nkey Return", false, false, false, false, false, false},
};
// clang-format on

TEST(Panel, FollowsTheTaskThroughItsStages) {
    for (const Stage& st : kStages) {
        SCOPED_TRACE(st.script);
        CReplaySession s;
        std::ostringstream out;
        std::istringstream lines(st.script);
        for (std::string line; std::getline(lines, line);) ASSERT_TRUE(s.RunLine(line, out));
        const CPanel& shown = s.Host().Panel();
        EXPECT_EQ(shown, s.Frame().Panel());  // handed at the paint after each change
        EXPECT_EQ(shown.visible, st.visible);
        EXPECT_EQ(shown.field, st.field);
        EXPECT_EQ(shown.fieldKeys, st.keys);
        const bool enabled[] = {st.check, st.show, st.close};
        if (!st.visible) continue;
        ASSERT_EQ(shown.buttons.size(), 3u);
        for (int b = 0; b < 3; ++b) EXPECT_EQ(shown.buttons[b].enabled, enabled[b]) << b;
        EXPECT_EQ(shown.problem, s.Frame().State().m_tasks.m_task.problem);
        EXPECT_EQ(shown.title, "Задача");
    }
}

TEST(Panel, KeepsTheAnswerAndRefusesWhatItDoesNotOffer) {
    CReplaySession s;
    std::ostringstream out;
    ASSERT_TRUE(s.RunLine("task 2 1", out));
    CMainFrame& f = s.Frame();
    f.OnPanelEdit("4233");
    ASSERT_TRUE(s.RunLine("cmd ID_TASKS", out));
    // Greyed under the chooser: neither the text nor a press reaches the task.
    f.OnPanelEdit("9");
    f.OnPanel(PanelCommand::Check, "9");
    EXPECT_EQ(f.State().m_tasks.m_verdict.m_nKind, training::Verdict::None);
    ASSERT_TRUE(s.RunLine("key Escape", out));
    EXPECT_EQ(s.Host().Panel().answer, "4233");
    // "Проверить" checks the text it is handed with, the field's as it stands.
    f.OnPanel(PanelCommand::Check, "4233");
    EXPECT_EQ(f.State().m_tasks.m_verdict.m_nKind, training::Verdict::Right);
    f.OnPanel(PanelCommand::Next, "");  // no button of a task's: nothing happens
    EXPECT_TRUE(f.TaskOpen());
    ASSERT_TRUE(s.RunLine("wait 0", out));  // the paint that hands the panel over
    std::ostringstream panel;
    ASSERT_TRUE(s.RunLine("panel", panel));
    EXPECT_EQ(panel.str(), "panel Задача | " + f.State().m_tasks.m_task.problem +
                               " | field=1* 4233 | Верно | Решено 1 из 1 | +Проверить +Показать "
                               "+Закрыть\n");
}

}  // namespace
