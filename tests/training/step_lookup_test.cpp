// Finding a lesson's steps in the step table and applying a step's rule state.
#include <gtest/gtest.h>

#include <vector>

#include "training/step_table.h"

namespace {

// The indices the lookup walks through for a lesson, from its first step to -1.
std::vector<int32_t> Walk(uint32_t key) {
    std::vector<int32_t> steps;
    for (int32_t i = FindNextStep(key, -1); i >= 0; i = FindNextStep(key, i)) {
        steps.push_back(i);
        if (steps.size() > 300) break;  // a lookup that never ends
    }
    return steps;
}

TEST(StepLookup, WalksExactlyTheRecordsOfALessonInTableOrder) {
    for (uint32_t key : {1u, 2u, 23u}) {
        SCOPED_TRACE(key);
        std::vector<int32_t> expected;
        for (int32_t i = 0; i < kStepCount; ++i)
            if (kStepTable[i].key == key) expected.push_back(i);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(Walk(key), expected);
    }
    EXPECT_EQ(Walk(1).size(), 19u);
    EXPECT_EQ(Walk(2).size(), 5u);
    EXPECT_EQ(Walk(23).size(), 6u);
}

TEST(StepLookup, EndsAfterALessonsLastStepEvenWhenOtherLessonsFollow) {
    // Lesson 1's last record is followed by lesson 2's: the search scans past them to the
    // end record rather than stopping at the first foreign key.
    const std::vector<int32_t> one = Walk(1);
    ASSERT_FALSE(one.empty());
    ASSERT_NE(kStepTable[one.back() + 1].key, 0u);
    EXPECT_EQ(FindNextStep(1, one.back()), -1);
    const std::vector<int32_t> two = Walk(2);
    EXPECT_EQ(FindNextStep(2, two.back()), -1);
    // From the middle of another lesson the search still finds the next record of the key.
    EXPECT_EQ(FindNextStep(23, one.front()), Walk(23).front());
    EXPECT_EQ(FindNextStep(2, two.front()), two[1]);
}

TEST(StepLookup, UnknownKeysAndTheEndRecordGiveNothing) {
    EXPECT_EQ(FindNextStep(37, -1), -1);
    EXPECT_EQ(FindNextStep(99, -1), -1);
    EXPECT_EQ(FindNextStep(0xFFFFFFFFu, -1), -1);
    // Key 0 is the end record's: it must not be found as a lesson.
    EXPECT_EQ(FindNextStep(0, -1), -1);
    // Nothing lies beyond the last record or the end record.
    EXPECT_EQ(FindNextStep(kStepTable[kStepCount - 1].key, kStepCount - 1), -1);
    EXPECT_EQ(FindNextStep(1, kStepCount), -1);
}

struct Five {
    int32_t scroll = 11, slide = -22, cursor = 33, side = 44, clamp = 55;
};

TEST(ApplyStep, AStepWithoutStateWritesNothingWhateverItsOtherFields) {
    // Lesson 1 step 10 carries no state but holds side 1; lesson 2 step 1 holds zeros.
    const std::vector<int32_t> one = Walk(1);
    ASSERT_GE(one.size(), 10u);
    ASSERT_EQ(kStepTable[one[9]].bState, 0);
    ASSERT_NE(kStepTable[one[9]].nSide, 0);
    for (int32_t step : {one[9], Walk(2)[0], one[1]}) {
        Five f;
        ApplyStepState(step, f.scroll, f.slide, f.cursor, f.side, f.clamp);
        EXPECT_EQ(f.scroll, 11) << step;
        EXPECT_EQ(f.slide, -22) << step;
        EXPECT_EQ(f.cursor, 33) << step;
        EXPECT_EQ(f.side, 44) << step;
        EXPECT_EQ(f.clamp, 55) << step;
    }
}

TEST(ApplyStep, AStepWithStateWritesAllFiveFields) {
    const std::vector<int32_t> l23 = Walk(23);
    ASSERT_GE(l23.size(), 4u);
    Five f;
    ApplyStepState(l23[3], f.scroll, f.slide, f.cursor, f.side, f.clamp);
    EXPECT_EQ(f.scroll, 254);
    EXPECT_EQ(f.slide, 44);
    EXPECT_EQ(f.cursor, 0);
    EXPECT_EQ(f.side, 1);
    EXPECT_EQ(f.clamp, 0);
    // A state also writes the values it shares with what was there before.
    Five g{254, 44, 0, 1, 0};
    g.clamp = 1;
    ApplyStepState(l23[3], g.scroll, g.slide, g.cursor, g.side, g.clamp);
    EXPECT_EQ(g.clamp, 0);
}

}  // namespace
