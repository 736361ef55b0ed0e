// The window in words: every lesson step's text and button and the choosers' buttons, each
// pressed at its centre only, doing what its caption says; a task's texts, whose panel has
// real buttons of its own.
#include <gtest/gtest.h>

#include <string>

#include "tools/replay/replay_session.h"
#include "training/exam.h"
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

// A test is read as its panel shows it: the problem, whether the answer was taken, the task's
// number and the clock; the panel's "Проверить" takes one answer a task, "Следующая" and at
// last "Завершить" take it from the first task to the end.
TEST(Narration, ATestIsReadAsItsPanelShowsItAndWalkedThroughThePanel) {
    Session w;
    w.Line("exam 17 all 5");
    const training::CExam& exam = *w.s.Frame().State().m_test.m_exam;
    const CPanel& panel = w.s.Host().Panel();
    const auto text = [&](int task, const std::string& taken, const std::string& clock) {
        return exam.GetPaper().tasks[std::size_t(task)].problem + (taken.empty() ? "" : "\n") +
               taken + "\nЗадача " + std::to_string(task + 1) + " из 5, " + clock;
    };
    EXPECT_EQ(w.Now().heading, "Зачёт");
    EXPECT_EQ(w.Now().text, text(0, "", "0:00"));
    EXPECT_TRUE(w.Now().buttons.empty());  // the panel's buttons are the host's
    w.Line("wait 75400");
    EXPECT_EQ(w.Now().text, text(0, "", "1:15"));
    w.Line("answer 12x");
    EXPECT_EQ(w.Now().text, text(0, "Введите число", "1:15"));
    const std::string lo = training::AcceptedRangeOf(exam.GetPaper().tasks[0]).lo;
    w.Line("answer " + lo);
    EXPECT_EQ(w.Now().text, text(0, "Ответ принят: " + lo, "1:15"));
    // No second try: the field goes and "Проверить" greys; only moving on is left.
    EXPECT_FALSE(panel.field);
    ASSERT_EQ(panel.buttons.size(), 2u);
    EXPECT_FALSE(panel.buttons[0].enabled);
    EXPECT_EQ(panel.buttons[1].command, PanelCommand::Next);
    w.out.str("");
    w.Line("answer 1");
    EXPECT_EQ(w.out.str(), "no task\n");
    for (int task = 1; task < 5; ++task) {
        EXPECT_EQ(panel.buttons[1].caption, "Следующая");
        w.Line("next");
        EXPECT_EQ(w.Now().text, text(task, "", "1:15"));
        EXPECT_TRUE(panel.field && panel.fieldKeys);  // each task's field is empty, with the keys
        EXPECT_EQ(panel.answer, "");
        EXPECT_TRUE(panel.buttons[0].enabled);
    }
    EXPECT_EQ(panel.buttons[1].caption, "Завершить");
    w.Line("next");
    EXPECT_EQ(w.Now(), CNarration{});
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(exam.Finished());
    EXPECT_EQ(exam.Result().right, 1);
}

}  // namespace
