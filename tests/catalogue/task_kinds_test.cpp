// Practice tasks over many seeds per kind: the numbers stay in their ranges and what a flight
// can meet, the true navigation value lies within what is accepted, the solution's steps pass
// the lessons' proofs with every pointer clear of its box, and what the last step points at
// is accepted.
//
// SKALOR_TASK_SEEDS sets how many seeds a kind is drawn from: 150 by default, which keeps the
// sanitizer suite quick; `SKALOR_TASK_SEEDS=1000 ctest --preset sanitize -R TaskKinds` draws
// the full thousand.
#include "training/task_kinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "model/graduation_steps.h"
#include "model/mark_columns.h"
#include "model/scale_geometry.h"
#include "platform/surface.h"
#include "tests/catalogue/navigation_truth.h"
#include "tests/catalogue/placement_checks.h"
#include "training/lesson_placer.h"
#include "training/step_player.h"

using namespace catalogue_test;

namespace {

int Seeds() {
    const char* text = std::getenv("SKALOR_TASK_SEEDS");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : 150;
}

// A flight's numbers: wind to 250 km/h, bank to 60°, deviation to 10°.
void ExpectRealisticDraw(uint32_t key, const training::Task& t) {
    using navigation_truth::Deg;
    const double* n = t.numbers;
    if (key == 26) {
        EXPECT_LE(navigation_truth::TrueValue(26, n, 0), 250) << t.problem;
    }
    if (key == 28 || key == 29) {
        EXPECT_LE(Deg(std::atan2(n[1], n[0])), 10) << t.problem;
    }
    if (key == 36) {
        const double ms = n[0] / 3.6;
        EXPECT_LE(Deg(std::atan(ms * ms / (9.80665 * n[1] * 1000))), 60) << t.problem;
    }
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

TEST(TaskKinds, EverySeedPlacesATrueSolution) {
    const int seeds = Seeds();
    int fullTurns = 0;  // of kind 36
    for (int k = 0; training::kTaskKeys[k] != 0; ++k) {
        const uint32_t key = training::kTaskKeys[k];
        for (uint32_t seed = 0; seed < uint32_t(seeds); ++seed) {
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
            ASSERT_TRUE(t.low < t.answer && t.answer < t.high) << t.low << " " << t.high;
            const double truth = navigation_truth::TrueValue(key, t.numbers, t.variant);
            EXPECT_TRUE(truth >= t.low && truth <= t.high)
                << t.problem << ": " << truth << " outside " << t.low << ".." << t.high;
            ExpectRealisticDraw(key, t);
            fullTurns += key == 36 && t.problem.find("360°") != std::string::npos;

            const training::Solution solution = training::SolutionOf(t);
            const training::Placement placed =
                training::PlaceSolution(solution.notes, solution.texts);
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
                const CRect& b = r.rcBox;  // the pointer stands clear of its own box
                EXPECT_FALSE(r.ptArrow.x >= b.left && r.ptArrow.x <= b.right &&
                             r.ptArrow.y >= b.top && r.ptArrow.y <= b.bottom)
                    << "step " << i << " pointer " << r.ptArrow.x << "," << r.ptArrow.y;
                ASSERT_TRUE(r.nSlide >= -1199 && r.nSlide <= 1199 && r.nCursor >= -1133 &&
                            r.nCursor <= 87 && r.nScroll >= 0 && r.nScroll <= 1055);
                ASSERT_EQ(r.nSide, t.readOn >= Scale::S7 ? 1 : 0);
            }
            ASSERT_EQ(lastRead, n - 1) << "the last step reads the answer";

            // What stands where the last step reads, against the mark as drawn, on the
            // answer's scale, is accepted.
            const training::StepNote& last = solution.notes[lastRead];
            ASSERT_EQ(last.mark.scale, t.readOn);
            const LessonStep& state = records[StateInForce(records, lastRead)];
            const Mark& against = last.other;
            const double drawn = against.index != Index::None
                                     ? RuleColumn(against)
                                     : model::MarkColumn(against.scale, against.value);
            const double body = last.act == Act::Read
                                    ? drawn - (Slide(against.scale) ? state.nSlide : 0)
                                    : Hairline(state);
            const double column = body + (Slide(t.readOn) ? state.nSlide : 0);
            const double read = model::ValueAtColumn(t.readOn, column) * t.factor;
            EXPECT_TRUE(read >= t.low && read <= t.high) << t.problem << ": " << read;
            EXPECT_EQ(training::Check(t, training::RoundedAnswer(t)), training::Verdict::Right)
                << training::RoundedAnswer(t);
        }
    }
    // The full turn is asked in about a third of kind 36's draws.
    EXPECT_TRUE(fullTurns > seeds / 4 && fullTurns < seeds * 2 / 5) << fullTurns;
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

// The step boxes as the program draws them: each of a shown solution holds its text, clear of
// its pointer, inside the window.
TEST(TaskKinds, StepBoxesHoldTheirTexts) {
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
