// The lessons played through as the chooser starts them and the step box advances them.
#include <gtest/gtest.h>

#include "tests/catalogue/catalogue_support.h"

using namespace catalogue_test;

TEST(CatalogueRun, OneStepLessonsAndLesson22LeaveTheRuleAlone) {
    const Rule start{321, -54, -200, 1, 1};
    for (uint32_t key : {5u, 7u, 9u, 11u, 13u, 15u, 22u}) {
        const std::vector<int> steps = StepsOf(key);
        ASSERT_EQ(steps.size(), key == 22 ? 2u : 1u) << key;
        EXPECT_LT(FindNextStep(key, steps.back()), 0) << key;  // the button reads "Закончить"
        for (const Rule& r : Play(key, start)) {
            EXPECT_EQ(r.scroll, start.scroll);
            EXPECT_EQ(r.slide, start.slide);
            EXPECT_EQ(r.cursor, start.cursor);
            EXPECT_EQ(r.side, start.side);
            EXPECT_EQ(r.clamp, 0);
        }
    }
}

TEST(CatalogueRun, TheTourStartsOnEachSideAtHomeWhereverTheRuleWas) {
    for (const Rule& start :
         {Rule{0, 0, 0, 0, 0}, Rule{1055, -1199, 87, 1, 1}, Rule{-11, 1199, -1133, 0, 1}}) {
        const std::vector<Rule> shown = Play(1, start);
        ASSERT_EQ(shown.size(), 19u);
        for (int step : {0, 8}) {
            EXPECT_EQ(shown[step].scroll | shown[step].slide | shown[step].cursor, 0);
            EXPECT_EQ(shown[step].side, step == 0 ? 0 : 1);
        }
        for (int step = 0; step < 19; ++step) EXPECT_EQ(shown[step].side, step < 8 ? 0 : 1) << step;
        EXPECT_EQ(shown.back().scroll, 397);
        EXPECT_EQ(shown.back().slide | shown.back().cursor, 0);
    }
}

TEST(CatalogueRun, SecondSideLessonsTurnTheRuleOverAtTheirFirstStateOnly) {
    const std::vector<std::pair<uint32_t, size_t>> firstState = {{20, 1}, {21, 1}, {23, 2}};
    for (const auto& [key, at] : firstState) {
        const std::vector<Rule> fromSide1 = Play(key, Rule{100, 10, -20, 0, 0});
        for (size_t n = 0; n < fromSide1.size(); ++n)
            EXPECT_EQ(fromSide1[n].side, n < at ? 0 : 1) << key << "/" << n;
        for (const Rule& r : Play(key, Rule{100, 10, -20, 1, 0})) EXPECT_EQ(r.side, 1) << key;
        EXPECT_TRUE(kStepTable[StepsOf(key)[at]].bState);
    }
}

TEST(CatalogueRun, Lesson25PansToTheFarEndAndLeavesTheHairlineOutOfViewOnce) {
    const std::vector<Rule> shown = Play(25, Rule{});
    ASSERT_EQ(shown.size(), 13u);
    EXPECT_EQ(shown[11].scroll, 1055);
    EXPECT_EQ(shown[12].scroll, 1055);
    auto hairline = [](const Rule& r) { return 119 - r.cursor - r.scroll; };
    EXPECT_EQ(shown[8].scroll, 744);
    EXPECT_EQ(shown[8].cursor, shown[7].cursor);
    EXPECT_GT(hairline(shown[8]), 237);  // right of the window
    EXPECT_EQ(hairline(shown[9]), 57);
    for (size_t n : {7u, 9u, 11u, 12u}) {
        EXPECT_GE(hairline(shown[n]), 2) << n;
        EXPECT_LE(hairline(shown[n]), 237) << n;
    }
}

TEST(CatalogueRun, NoLessonTurnsClampModeOn) {
    for (uint32_t key = 1; key <= 36; ++key)
        for (const Rule& r : Play(key, Rule{0, 0, 0, 0, 1})) EXPECT_EQ(r.clamp, 0) << key;
}
