#include <cmath>
#include <cstdint>
#include <vector>

#include "model/graduation_steps.h"
#include "model/mark_columns.h"
#include "model/rule_geometry.h"
#include "model/rule_state.h"
#include "model/scale_geometry.h"
#include "training/lesson_placer.h"
#include "training/task_kinds.h"

namespace training {

namespace {

// SplitMix64: the same numbers from the same seed on every machine.
class Draws {
  public:
    explicit Draws(uint64_t seed) : m_state(seed) {}
    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double In(const NumberRange& r) {
        const uint64_t steps = uint64_t(std::llround((r.hi - r.lo) / r.step)) + 1;
        return r.lo + double(Next() % steps) * r.step;
    }
    int Below(int n) { return int(Next() % uint64_t(n)); }

  private:
    uint64_t m_state;
};

// Every value the solution finds, brings or reads lies on its scale's graduation, and the
// settings it makes stay within the rule's limits with every pointer in view.
bool SolutionFits(const Task& task) {
    const Solution solution = SolutionOf(task);
    for (const StepNote& n : solution.notes) {
        if (n.act == Act::Text) continue;
        const bool twoMarks = n.act == Act::Bring || n.act == Act::CursorBring ||
                              n.act == Act::Read || n.act == Act::CursorRead;
        for (const Mark* m : {&n.mark, twoMarks ? &n.other : &n.mark})
            if (m->index == Index::None && model::GraduationInterval(m->scale, m->value) <= 0)
                return false;
    }
    std::vector<LessonStep> table(solution.notes.size());
    for (std::size_t i = 0; i < table.size(); ++i) table[i].pszText = solution.texts[i].c_str();
    // Only the geometry counts here; the boxes are measured when the solution is shown.
    const TextHeight lines = [](const char*, int) { return 34; };
    const Placement placed =
        PlaceAll(solution.notes.data(), int(solution.notes.size()), table.data(), lines);
    if (!placed.errors.empty()) return false;
    for (const LessonStep& r : placed.records)
        if (r.bState && (!InRange(r.nSlide, kSlideMin, kSlideMax) ||
                         !InRange(r.nCursor, kCursorMin, kCursorMax) ||
                         !InRange(r.nScroll, kScrollMin, kScrollMax)))
            return false;
    // The marks are drawn on whole columns: where those add up to more than the reading
    // allows, the rule as drawn cannot give the answer, and the problem is not set.
    const StepNote& last = solution.notes.back();
    const LessonStep& state = placed.records.back();
    const auto column = [](const Mark& m) {
        return m.index != Index::None ? model::IndexColumn(m.scale, m.value)
                                      : model::MarkColumn(m.scale, m.value);
    };
    const bool slid = model::OnSlide(last.mark.scale);
    double body = kHairlineHomeColumn - state.nCursor;
    if (last.act == Act::Read)
        body = column(last.other) - (model::OnSlide(last.other.scale) ? state.nSlide : 0);
    const double read =
        model::ValueAtColumn(last.mark.scale, body + (slid ? state.nSlide : 0)) * task.factor;
    return std::fabs(read - task.answer) <= task.tolerance;
}

}  // namespace

Task DrawTask(uint32_t key, uint32_t seed) {
    const TaskKind& k = *KindOf(key);
    Task t;
    t.key = key;
    t.seed = seed;
    t.count = k.count;
    t.readOn = k.readOn;
    t.factor = k.factor;
    t.form = k.form;
    Draws draws(uint64_t(key) << 32 | seed);
    // Drawn again until the problem is sound; every kind's ranges leave plenty that are.
    for (int attempt = 0;; ++attempt) {
        t.variant = k.variants > 1 ? draws.Below(k.variants) : 0;
        for (int i = 0; i < k.count; ++i) t.numbers[i] = draws.In(k.ranges[i]);
        t.answer = k.answer(t.numbers, t.variant);
        t.reading = t.answer / k.factor;
        t.tolerance = ReadingTolerance(k.readOn, t.reading) * k.factor;
        if (k.fits(t.numbers, t.variant) && model::GraduationInterval(k.readOn, t.reading) > 0 &&
            SolutionFits(t))
            break;
        if (attempt > 100000) break;  // no kind comes near: a safety stop, not a path
    }
    t.problem = ProblemOf(t);
    return t;
}

}  // namespace training
