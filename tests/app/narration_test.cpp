// The window in words: every lesson step's text and button, the choosers' and the task box's
// buttons, each pressed at its centre only, doing what its caption says.
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

TEST(Narration, ATaskIsReadWithItsVerdictAndCountAndWorkedByItsButtons) {
    Session w;
    w.Line("cmd ID_TASKS");
    EXPECT_EQ(w.Now().heading, "Выбор задачи");
    ASSERT_TRUE(w.Press("Начать"));
    const CMainFrame& f = w.s.Frame();
    const CTaskState& tasks = f.State().m_tasks;
    const CStepPlayer& player = f.State().m_steps;
    ASSERT_TRUE(f.TaskOpen());
    CNarration n = w.Now();
    EXPECT_EQ(n.text, tasks.m_task.problem + "\nРешено 0 из 1");
    // The switch in the corner moves the box to the other end, and says where it goes.
    const bool atBottom = tasks.m_bAtBottom;
    ASSERT_EQ(n.buttons.size(), 4u);
    EXPECT_EQ(n.buttons[3].caption, atBottom ? "Окно задачи наверх" : "Окно задачи вниз");
    ASSERT_TRUE(w.Press(n.buttons[3].caption));
    EXPECT_NE(bool(tasks.m_bAtBottom), atBottom);
    EXPECT_EQ(w.Now().buttons[0].rect.top > n.buttons[0].rect.top, !atBottom);
    w.Line("answer ,");
    EXPECT_EQ(w.Now().text, tasks.m_task.problem + "\nВведите число\nРешено 0 из 1");
    ASSERT_TRUE(w.Press("Показать"));
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
    ASSERT_TRUE(w.Press("Закрыть"));
    EXPECT_FALSE(f.TaskOpen());
    EXPECT_EQ(w.Now(), CNarration{});
}

}  // namespace

// A test is read as its box draws it: the problem, whether the answer was taken, the task's
// number and the clock; its buttons alone take it from the first task to the end.
TEST(Narration, ATestIsReadAndWalkedByItsButtonsAlone) {
    Session w;
    w.Line("exam 17 all 5");
    const training::CExam& exam = *w.s.Frame().State().m_test.m_exam;
    const auto text = [&](int task, const std::string& taken, const std::string& clock) {
        return exam.GetPaper().tasks[std::size_t(task)].problem + (taken.empty() ? "" : "\n") +
               taken + "\nЗадача " + std::to_string(task + 1) + " из 5, " + clock;
    };
    EXPECT_EQ(w.Now().heading, "Зачёт");
    EXPECT_EQ(w.Now().text, text(0, "", "0:00"));
    w.Line("wait 75400");
    EXPECT_EQ(w.Now().text, text(0, "", "1:15"));
    w.s.Host().EditBox()->SetText("12x");
    ASSERT_TRUE(w.Press("Проверить"));
    EXPECT_EQ(w.Now().text, text(0, "Введите число", "1:15"));
    w.s.Host().EditBox()->SetText(training::AcceptedRangeOf(exam.GetPaper().tasks[0]).lo.c_str());
    ASSERT_TRUE(w.Press("Проверить"));
    EXPECT_EQ(w.Now().text, text(0, "Ответ принят", "1:15"));
    EXPECT_FALSE(w.Press("Показать"));
    EXPECT_FALSE(w.Press("Закрыть"));
    for (int task = 1; task < 5; ++task) {
        ASSERT_TRUE(w.Press("Следующая"));
        EXPECT_EQ(w.Now().text, text(task, "", "1:15"));
        EXPECT_EQ(w.s.Host().EditBox()->GetText(), "");  // each task's field starts empty
    }
    EXPECT_FALSE(w.Press("Следующая"));
    ASSERT_TRUE(w.Press("Завершить"));
    EXPECT_EQ(w.Now(), CNarration{});
    EXPECT_EQ(exam.Result().right, 1);
}
