// Practice tasks over a thousand seeds per kind: the numbers stay in their ranges, the
// solution's steps pass the lessons' proofs, and what the last step points at reads the
// formula's answer within the reading tolerance. Tolerances checked by hand at a few places.
#include "training/task_kinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "model/graduation_steps.h"
#include "model/scale_geometry.h"
#include "tests/catalogue/placement_checks.h"
#include "training/lesson_placer.h"
#include "training/task_box.h"

using namespace catalogue_test;

namespace {

constexpr int kSeeds = 1000;

// The placed records of a solution; the boxes measured as lines of a fixed height, since
// only the geometry is under test here.
training::Placement Place(const training::Solution& solution, std::vector<LessonStep>& texts) {
    texts.assign(solution.notes.size(), LessonStep{});
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i].pszText = solution.texts[i].c_str();
    return training::PlaceAll(solution.notes.data(), int(solution.notes.size()), texts.data(),
                              [](const char*, int) { return 34; });
}

}  // namespace

TEST(TaskKinds, EveryComputingLessonHasAKind) {
    std::set<uint32_t> keys;
    for (int i = 0; training::kTaskKeys[i] != 0; ++i) keys.insert(training::kTaskKeys[i]);
    const std::set<uint32_t> expected = {2,  3,  4,  6,  8,  10, 12, 14, 16, 17, 18, 19, 20, 21,
                                         23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
    EXPECT_EQ(keys, expected);
    for (uint32_t key : expected) EXPECT_TRUE(training::HasTaskKind(key)) << key;
}

TEST(TaskKinds, AThousandSeedsPerKindPlaceTrueSolutions) {
    for (int k = 0; training::kTaskKeys[k] != 0; ++k) {
        const uint32_t key = training::kTaskKeys[k];
        for (uint32_t seed = 0; seed < kSeeds; ++seed) {
            const training::Task t = training::DrawTask(key, seed);
            const std::string where =
                "kind " + std::to_string(key) + " seed " + std::to_string(seed);
            SCOPED_TRACE(where);
            for (int i = 0; i < t.count; ++i) {
                const training::NumberRange r = training::RangeOf(key, i);
                ASSERT_TRUE(t.numbers[i] >= r.lo - 1e-9 && t.numbers[i] <= r.hi + 1e-9)
                    << t.numbers[i];
                const double steps = (t.numbers[i] - r.lo) / r.step;
                ASSERT_NEAR(steps, std::round(steps), 1e-9) << t.numbers[i];
            }
            ASSERT_GT(t.tolerance, 0);

            const training::Solution solution = training::SolutionOf(t);
            std::vector<LessonStep> texts;
            const training::Placement placed = Place(solution, texts);
            ASSERT_TRUE(placed.errors.empty()) << placed.errors.front();
            const LessonStep* records = placed.records.data();
            const int n = int(placed.records.size());
            int lastRead = -1;
            for (int i = 0; i < n; ++i) {
                const training::StepNote& note = solution.notes[i];
                if (note.act == Act::Text) continue;
                ExpectPointerOnItsMark(note, records, i);
                ExpectStateDoesWhatItSays(note, records, i, 0, 0, 1.5);
                if (IsRead(note.act)) {
                    ExpectResultWhereRead(note, records, i, 3.0);  // three marks, each within 1.5
                    lastRead = i;
                }
                const LessonStep& r = records[i];
                ASSERT_TRUE(r.nSlide >= -1199 && r.nSlide <= 1199 && r.nCursor >= -1133 &&
                            r.nCursor <= 87 && r.nScroll >= 0 && r.nScroll <= 1055);
                ASSERT_EQ(r.nSide, t.readOn >= Scale::S7 ? 1 : 0);
            }
            ASSERT_EQ(lastRead, n - 1) << "the last step reads the answer";

            // What stands where the last step reads, on the answer's scale, as the answer.
            const training::StepNote& last = solution.notes[lastRead];
            ASSERT_EQ(last.mark.scale, t.readOn);
            const LessonStep& state = records[StateInForce(records, lastRead)];
            const double body =
                last.act == Act::Read ? BodyColumn(last.other, state.nSlide) : Hairline(state);
            const double column = body + (Slide(t.readOn) ? state.nSlide : 0);
            const double read = model::ValueAtColumn(t.readOn, column) * t.factor;
            EXPECT_NEAR(read, t.answer, t.tolerance) << t.problem;
            EXPECT_EQ(training::Check(t, training::RoundedAnswer(t)), training::Verdict::Right)
                << training::RoundedAnswer(t);
        }
    }
}

TEST(TaskKinds, TheSameSeedDrawsTheSameTask) {
    for (int k = 0; training::kTaskKeys[k] != 0; ++k) {
        const training::Task a = training::DrawTask(training::kTaskKeys[k], 7),
                             b = training::DrawTask(training::kTaskKeys[k], 7);
        EXPECT_EQ(a.problem, b.problem);
        EXPECT_NE(a.problem, training::DrawTask(training::kTaskKeys[k], 8).problem)
            << training::kTaskKeys[k];
    }
}

// Worked by hand from the graduation: scale 1 runs by 5 from 100 to 200 and by 20 from 600 to
// 1000; scale 3 by 1° up to 50° and by 5° from 70° to 80°. Half of that may be misread.
TEST(TaskKinds, ToleranceIsHalfTheLocalGraduation) {
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S1, 150), 2.5);
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S1, 148.3), 2.5);
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S1, 850), 10);
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S1, 861.7), 10);
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S3, 10), 0.5);
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S3, 9.6), 0.5);
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S3, 72.5), 2.5);
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S3, 84),
                     5);  // from 80° the next mark is 90°
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S1, 200),
                     2.5);  // at a change, the finer side
    EXPECT_DOUBLE_EQ(training::ReadingTolerance(Scale::S1, 1200), 0);  // off the scale
}

TEST(TaskKinds, AnswersAreParsedAsTypedOrRefused) {
    struct Case {
        const char* text;
        training::AnswerForm form;
        bool ok;
        double value;
    };
    // clang-format off
    const Case cases[] = {
        {"276", training::AnswerForm::Plain, true, 276},
        {" 27,6 ", training::AnswerForm::Plain, true, 27.6},
        {"1 220", training::AnswerForm::Plain, true, 1220},
        {"0.64", training::AnswerForm::Plain, true, 0.64},
        {"+4", training::AnswerForm::Plain, true, 4},
        {"-3,5", training::AnswerForm::Plain, true, -3.5},
        {"7:20", training::AnswerForm::Minutes, true, 22.0 / 3},
        {"2:30", training::AnswerForm::Seconds, true, 150},
        {"7:20", training::AnswerForm::Plain, false, 0},
        {"7:75", training::AnswerForm::Minutes, false, 0},
        {"7:2", training::AnswerForm::Minutes, false, 0},
        {"", training::AnswerForm::Plain, false, 0},
        {"12a", training::AnswerForm::Plain, false, 0},
        {"1.2.3", training::AnswerForm::Plain, false, 0},
        {"-", training::AnswerForm::Plain, false, 0},
        {",", training::AnswerForm::Plain, false, 0},
        {"1e3", training::AnswerForm::Plain, false, 0},
        {"около 5", training::AnswerForm::Plain, false, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        double v = 0;
        EXPECT_EQ(training::ParseAnswer(c.text, c.form, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_NEAR(v, c.value, 1e-9) << c.text;
        }
    }
}

// The boxes as the program draws them: the task box leaves the lines of every scale its kind
// works with in sight, and each step box of a shown solution holds its text, clear of its
// pointer, inside the window.
TEST(TaskKinds, BoxesLeaveTheScalesInSightAndHoldTheirTexts) {
    const training::TextHeight measure = [](const char* text, int width) {
        const CRect r =
            CSurface::MeasureText(text, CRect{0, 0, width, 4000}, DT_WORDBREAK, CFont{14});
        return r.bottom - r.top;
    };
    for (int k = 0; training::kTaskKeys[k] != 0; ++k) {
        const uint32_t key = training::kTaskKeys[k];
        for (uint32_t seed = 0; seed < 20; ++seed) {
            SCOPED_TRACE("kind " + std::to_string(key) + " seed " + std::to_string(seed));
            const training::Task t = training::DrawTask(key, seed);
            const training::Solution solution = training::SolutionOf(t);
            bool top = false;  // the box goes up when the kind works below the upper slide
            for (const training::StepNote& n : solution.notes)
                for (Scale s : {n.mark.scale, n.other.scale})
                    if (n.act != Act::Text && s != Scale::S1a && s != Scale::S1 && s != Scale::S2)
                        top = true;
            const CTaskBoxLayout box =
                LayoutTaskBox(int(BreakTaskText(t.problem.c_str()).size()), !top);
            for (const training::StepNote& n : solution.notes) {
                if (n.act == Act::Text) continue;
                const bool twoMarks = n.act == Act::Bring || n.act == Act::Read ||
                                      n.act == Act::CursorBring || n.act == Act::CursorRead;
                for (Scale s : {n.mark.scale, twoMarks ? n.other.scale : n.mark.scale}) {
                    int lo = 0, hi = 0;
                    LineBand(s, lo, hi);
                    EXPECT_TRUE(box.box.bottom < lo || box.box.top > hi)
                        << t.problem << ": covers scale band " << lo;
                }
            }
            EXPECT_GE(box.box.top, 0);
            EXPECT_LE(box.box.bottom, 267);

            std::vector<LessonStep> texts(solution.notes.size(), LessonStep{});
            for (std::size_t i = 0; i < texts.size(); ++i)
                texts[i].pszText = solution.texts[i].c_str();
            const training::Placement placed = training::PlaceAll(
                solution.notes.data(), int(solution.notes.size()), texts.data(), measure);
            EXPECT_TRUE(placed.errors.empty())
                << (placed.errors.empty() ? "" : placed.errors.front());
        }
    }
}
