// The model of what is kept: what it takes, what it refuses, and that its JSON reads back as
// it was written.
#include <gtest/gtest.h>

#include "tests/progress/progress_samples.h"
#include "training/step_table.h"

using namespace training;

namespace {

// Every kept value, field by field, so that a value the writer leaves out shows even when the
// reader leaves it out too.
void ExpectSame(const CProgress& a, const CProgress& b, uint32_t seed) {
    ASSERT_EQ(a.Window().has_value(), b.Window().has_value()) << seed;
    if (a.Window()) {
        EXPECT_EQ(a.Window()->factor, b.Window()->factor) << seed;
        EXPECT_EQ(a.Window()->x, b.Window()->x) << seed;
        EXPECT_EQ(a.Window()->y, b.Window()->y) << seed;
    }
    ASSERT_EQ(a.Rule().has_value(), b.Rule().has_value()) << seed;
    if (a.Rule()) {
        const RulePlace &r = *a.Rule(), &s = *b.Rule();
        EXPECT_EQ(std::tie(r.scroll, r.slide, r.cursor, r.side, r.clamp),
                  std::tie(s.scroll, s.slide, s.cursor, s.side, s.clamp))
            << seed;
    }
    EXPECT_EQ(a.TaskBoxAtBottom(), b.TaskBoxAtBottom()) << seed;
    EXPECT_EQ(a.LastLesson(), b.LastLesson()) << seed;
    EXPECT_EQ(a.LastKind(), b.LastKind()) << seed;
    ASSERT_EQ(a.Lessons().size(), b.Lessons().size()) << seed;
    for (const auto& [key, record] : a.Lessons()) {
        EXPECT_EQ(record.furthest, b.Lessons().at(key).furthest) << seed;
        EXPECT_EQ(record.finishedOn, b.Lessons().at(key).finishedOn) << seed;
    }
    ASSERT_EQ(a.Kinds().size(), b.Kinds().size()) << seed;
    for (const auto& [key, record] : a.Kinds()) {
        const KindRecord& other = b.Kinds().at(key);
        EXPECT_EQ(std::tie(record.set, record.right, record.last),
                  std::tie(other.set, other.right, other.last))
            << seed;
    }
    ASSERT_EQ(a.Tests().size(), b.Tests().size()) << seed;
    for (std::size_t i = 0; i < a.Tests().size(); ++i) {
        const TestResult &t = a.Tests()[i], &u = b.Tests()[i];
        EXPECT_EQ(std::tie(t.date, t.variant, t.kinds, t.count, t.score, t.mark),
                  std::tie(u.date, u.variant, u.kinds, u.count, u.score, u.mark))
            << seed;
        for (std::size_t j = 0; j < t.rows.size(); ++j)
            EXPECT_EQ(
                std::tie(t.rows[j].key, t.rows[j].answer, t.rows[j].verdict, t.rows[j].seconds),
                std::tie(u.rows[j].key, u.rows[j].answer, u.rows[j].verdict, u.rows[j].seconds))
                << seed;
    }
}

}  // namespace

TEST(Progress, WhatIsWrittenReadsBackWholeAndTheSame) {
    for (uint32_t seed = 1; seed <= 120; ++seed) {
        const CProgress kept = SampleProgress(seed);
        const std::string bytes = WriteProgress(kept);
        const ReadOutcome read = ReadProgress(bytes);
        ASSERT_EQ(read.damage, Damage::None)
            << seed << ": " << (read.problems.empty() ? "" : read.problems[0]);
        ExpectSame(kept, read.progress, seed);
        EXPECT_EQ(WriteProgress(read.progress), bytes) << seed;
    }
}

// Where a lesson leaves the rule is a place the program keeps: no step's position may be
// refused when it is read back.
TEST(Progress, EveryLessonStepsPositionIsOneThatIsKept) {
    for (int i = 0; i < kStepCount; ++i) {
        const LessonStep& step = kStepTable[i];
        if (!step.bState) continue;
        const RulePlace place{step.nScroll, step.nSlide, step.nCursor, step.nSide ? 1 : 0,
                              step.bClamp ? 1 : 0};
        EXPECT_TRUE(IsValid(place)) << "step " << i << " of lesson " << step.key;
    }
}

TEST(Progress, EntryPointsRefuseWhatTheProgramCouldNotHaveDone) {
    CProgress p;
    const int32_t steps = StepsIn(2);
    ASSERT_GT(steps, 2);
    EXPECT_FALSE(p.StepReached(2, steps + 1));
    EXPECT_FALSE(p.StepReached(2, 0));
    EXPECT_FALSE(p.StepReached(99, 1));
    EXPECT_TRUE(p.StepReached(2, 2));
    EXPECT_TRUE(p.StepReached(2, 1));  // going back keeps the furthest
    EXPECT_EQ(p.Lessons().at(2).furthest, 2);
    EXPECT_FALSE(p.LessonFinished(2, "2026-02-29"));  // no such day
    EXPECT_FALSE(p.LessonFinished(2, ""));
    EXPECT_TRUE(p.Lessons().at(2).finishedOn.empty());
    EXPECT_TRUE(p.LessonFinished(2, "2028-02-29"));
    EXPECT_EQ(p.Lessons().at(2).furthest, steps);

    EXPECT_FALSE(p.TaskSet(1, "2026-12-07"));  // the overview has no tasks
    EXPECT_FALSE(p.FirstAnswerRight(2));       // no task of the kind was set
    EXPECT_TRUE(p.TaskSet(2, "2026-12-07"));
    EXPECT_TRUE(p.FirstAnswerRight(2));
    EXPECT_FALSE(p.FirstAnswerRight(2));  // one task, one first answer
    EXPECT_EQ(p.Kinds().at(2).right, 1);

    EXPECT_FALSE(p.SetRule({kScrollHoldMax + 1, 0, 0, 0, 0}));
    EXPECT_FALSE(p.SetRule({0, 0, 0, 2, 0}));
    EXPECT_FALSE(p.SetWindow({0, 10, 10}));
    EXPECT_FALSE(p.SetLastLesson(37));
    EXPECT_FALSE(p.SetLastKind(1));
    EXPECT_FALSE(p.Rule() || p.Window() || p.LastLesson() || p.LastKind());

    TestResult result{"2026-12-07", 17, {2}, 1, 1, 5, {{2, "12", Verdict::Wrong, 30}}};
    EXPECT_FALSE(p.AddTestResult(result));  // a score its rows do not give
    result.rows[0].verdict = Verdict::Right;
    EXPECT_TRUE(p.AddTestResult(result));
    result.rows[0].key = 3;  // a task of a kind the test did not have
    EXPECT_FALSE(p.AddTestResult(result));
    EXPECT_EQ(p.Tests().size(), 1u);
}
