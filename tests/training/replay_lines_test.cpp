// The replay tool's `lines`: the current step's text as the step box breaks it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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

// During a shown solution `text` prints the step's record after its text, as `table` prints
// the lessons' records. The boxes of kind 36's steps (a turn through an angle, seed 89, and
// the full turn, seed 2, whose last box once covered its pointer) stand clear of their
// pointers, and the records run from the solution's first step to its last.
TEST(ReplayText, PrintsTheShownStepsRecordWithItsPointerClearOfItsBox) {
    for (const char* seed : {"89", "2"}) {
        SCOPED_TRACE(seed);
        CReplaySession session;
        std::string script = std::string("text\ntask 36 ") + seed + "\nshow\ntext\n";
        for (int i = 0; i < 12; ++i) script += "next\ntext\n";
        std::istringstream in(script);
        std::ostringstream out, err;
        ASSERT_EQ(session.Run("text", in, out, err), 0) << out.str() << err.str();

        std::vector<std::string> lines;
        std::istringstream printed(out.str());
        for (std::string line; std::getline(printed, line);) lines.push_back(line);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), "-");  // no lesson, no solution
        EXPECT_EQ(lines.back(), "-");   // it ended
        int records = 0, steps = 0;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (line.rfind("show ", 0) == 0) steps = std::stoi(line.substr(5));
            if (line.rfind("record ", 0) != 0) continue;
            std::istringstream fields(line);
            std::string word;
            int index, key, arrow, x, y, state, scroll, slide, cursor, side, clamp, l, t, r, b;
            fields >> word >> index >> key >> arrow >> x >> y >> state >> scroll >> slide >>
                cursor >> side >> clamp >> l >> t >> r >> b;
            EXPECT_EQ(index, records++);
            EXPECT_EQ(key, 36);
            std::string rest;
            std::getline(fields, rest);
            EXPECT_EQ(rest, " " + lines[i - 1]);  // the record follows the step's text
            if (arrow) {
                EXPECT_FALSE(x >= l && x <= r && y >= t && y <= b) << line;
            }
        }
        EXPECT_EQ(records, steps);  // every step of the solution was shown
    }
}
