// The replay tool's `lines`: the current step's text as the step box breaks it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/replay/replay_session.h"
#include "training/lesson_list.h"
#include "training/step_table.h"

TEST(ReplayLines, PrintsTheStepsLinesThenTheirCountAndADashWithoutALesson) {
    CReplaySession session;
    std::ostringstream out;
    // Lesson 22's second step is the one whose "м/сек" stands where a line ends.
    int position = 0;
    while (kLessonList[position].key != 22) ++position;
    const CRect& box = kStepTable[FindNextStep(22, -1)].rcBox;  // its first step's button goes on
    const std::string next = std::to_string(box.left + (box.right - box.left + 1) / 2) + " " +
                             std::to_string(box.bottom - 25);
    const std::string script = "lines\ncmd ID_TRAINING\nselect " + std::to_string(position) +
                               "\ntap 204 229\ntap " + next + "\nlines\n";
    std::istringstream in(script);
    std::ostringstream err;
    ASSERT_EQ(session.Run("lines", in, out, err), 0) << out.str() << err.str();
    const int32_t step = session.Frame().State().m_steps.m_nStep;
    ASSERT_EQ(step, FindNextStep(22, FindNextStep(22, -1)));

    std::istringstream printed(out.str());
    std::string first, line, text;
    std::getline(printed, first);
    EXPECT_EQ(first, "-");
    int count = 0;
    while (std::getline(printed, line) && line.rfind("line ", 0) == 0) {
        const std::string words = line.substr(5);
        EXPECT_FALSE(words.empty());
        EXPECT_NE(words.back(), ' ');
        EXPECT_NE(words.back(), '/') << words;
        text += (text.empty() ? "" : " ") + words;
        ++count;
    }
    EXPECT_EQ(line, "lines " + std::to_string(count));
    EXPECT_GT(count, 3);
    EXPECT_EQ(text, kStepTable[step].pszText);  // the lines hold the whole text, joined at spaces
}
