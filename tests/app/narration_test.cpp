// The window in words: every lesson step's text and button and the choosers' buttons, each
// pressed at its centre only, doing what its caption says; a task's texts, whose panel has
// real buttons of its own.
#include <gtest/gtest.h>

#include <string>

#include "tools/replay/replay_session.h"
#include "training/lesson_list.h"
#include "training/step_table.h"

namespace {

struct Session {
    CReplaySession s;
    std::ostringstream out;
    void Line(const std::string& line) { ASSERT_TRUE(s.RunLine(line, out)) << line; }
    CNarration Now() { return s.Frame().Narration(); }
    // A tap at the centre of the narrated button with this caption; false when there is none.
    bool Press(const std::string& caption) {
        for (const CNarration::Button& b : Now().buttons) {
            if (b.caption != caption) continue;
            const int x = (b.rect.left + b.rect.right) / 2, y = (b.rect.top + b.rect.bottom) / 2;
            Line("tap " + std::to_string(x) + " " + std::to_string(y));
            return true;
        }
        return false;
    }
};

TEST(Narration, EveryLessonIsReadAndWalkedByItsButtonsAlone) {
    Session w;
    EXPECT_EQ(w.Now(), CNarration{});
    int steps = 0;
    for (int position = 0; kLessonList[position].key != 0; ++position) {
        w.Line("cmd ID_TRAINING");
        EXPECT_EQ(w.Now().heading, "Выбор урока");
        w.Line("select " + std::to_string(position));
        ASSERT_TRUE(w.Press("Выполнить"));
        const CMainFrame& f = w.s.Frame();
        const CStepPlayer& steps_ = f.State().m_steps;
        ASSERT_EQ(steps_.m_nLesson, int32_t(kLessonList[position].key));
        EXPECT_NE(std::string(kLessonList[position].pszText).find(w.Now().heading),
                  std::string::npos);
        while (steps_.m_nLesson > 0 && steps < 1000) {
            const int32_t step = steps_.m_nStep;
            const CNarration n = w.Now();
            EXPECT_EQ(n.text, kStepTable[step].pszText);
            ASSERT_EQ(n.buttons.size(), 1u);
            const bool last = FindNextStep(kStepTable[step].key, step) <= 0;
            EXPECT_EQ(n.buttons[0].caption, last ? "Закончить" : "Далее...");
            ASSERT_TRUE(w.Press(n.buttons[0].caption));
            ++steps;
            if (!last) {
                EXPECT_EQ(steps_.m_nStep, FindNextStep(kStepTable[step].key, step));
            }
        }
        EXPECT_EQ(w.Now(), CNarration{});
    }
    EXPECT_EQ(steps, kStepCount);
    // "Отменить" closes the chooser and starts nothing.
    w.Line("cmd ID_TRAINING");
    ASSERT_TRUE(w.Press("Отменить"));
    EXPECT_EQ(w.Now(), CNarration{});
    EXPECT_EQ(w.s.Frame().State().m_steps.m_nLesson, 0);
}

TEST(Narration, ATaskIsReadWithItsVerdictAndCountItsPanelWorkedApart) {
    Session w;
    w.Line("cmd ID_TASKS");
    EXPECT_EQ(w.Now().heading, "Выбор задачи");
    ASSERT_TRUE(w.Press("Начать"));
    const CMainFrame& f = w.s.Frame();
    const CTaskState& tasks = f.State().m_tasks;
    const CStepPlayer& player = f.State().m_steps;
    ASSERT_TRUE(f.TaskOpen());
    CNarration n = w.Now();
    EXPECT_EQ(n.heading, "Задача");
    EXPECT_EQ(n.text, tasks.m_task.problem + "\nРешено 0 из 1");
    // Nothing is drawn to be pressed over the rule: the panel's buttons are the host's.
    EXPECT_TRUE(n.buttons.empty());
    w.Line("answer ,");
    EXPECT_EQ(w.Now().text, tasks.m_task.problem + "\nВведите число\nРешено 0 из 1");
    w.Line("show");
    std::size_t shown = 0;
    while (player.m_nShowStep >= 0 && shown < 100) {
        n = w.Now();
        EXPECT_EQ(n.heading, "Решение задачи");
        EXPECT_EQ(n.text, player.m_texts[std::size_t(player.m_nShowStep)]);
        ++shown;
        ASSERT_TRUE(w.Press(shown == player.m_solution.size() ? "Закончить" : "Далее..."));
    }
    EXPECT_EQ(shown, player.m_solution.size());
    EXPECT_EQ(w.Now().heading, "Задача");
    w.Line("close");
    EXPECT_FALSE(f.TaskOpen());
    EXPECT_EQ(w.Now(), CNarration{});
}

}  // namespace
