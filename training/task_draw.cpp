#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "model/graduation_steps.h"
#include "model/mark_columns.h"
#include "model/readings.h"
#include "model/rule_geometry.h"
#include "model/rule_state.h"
#include "model/scale_geometry.h"
#include "training/lesson_placer.h"
#include "training/setting_spread.h"
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

// The most a text can take in the step box's font, wrapped at width: words broken into lines
// as the box breaks them, each character as wide as the font's wide lower-case letters (a
// text is never made of its widest alone), each line a cell.
int MostTextHeight(const char* text, int width) {
    constexpr int kCharWidth = 8, kLine = 16;
    const int perLine = std::max(1, width / kCharWidth);
    int lines = 1, used = 0;
    for (std::size_t i = 0; text[i];) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        int chars = 0;  // a word's characters, a no-break space binding two words into one
        while (text[i] && text[i] != ' ') {
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++chars;
            ++i;
        }
        const int needed = used == 0 ? chars : used + 1 + chars;
        if (needed > perLine && used > 0) {
            ++lines;
            used = chars;
        } else {
            used = needed;
        }
    }
    return lines * kLine;
}

// Every value the solution finds, brings or reads lies on its scale's graduation, and the
// settings it makes stay within the rule's limits with every pointer in view.
bool SolutionFits(const Task& task, const Solution& solution) {
    for (const StepNote& n : solution.notes) {
        if (n.act == Act::Text) continue;
        const bool twoMarks = n.act == Act::Bring || n.act == Act::CursorBring ||
                              n.act == Act::Read || n.act == Act::CursorRead;
        for (const Mark* m : {&n.mark, twoMarks ? &n.other : &n.mark})
            if (m->index == Index::None && model::GraduationInterval(m->scale, m->value) <= 0)
                return false;
    }
    // Placed with boxes of the height the texts can take at most, whatever the font: a box
    // that fits so fits the text as drawn, and stands clear of its pointer. The problem drawn
    // from a seed stays the same on every machine.
    std::vector<LessonStep> table(solution.notes.size(), LessonStep{});
    for (std::size_t i = 0; i < table.size(); ++i) table[i].pszText = solution.texts[i].c_str();
    const Placement placed =
        PlaceAll(solution.notes.data(), int(solution.notes.size()), table.data(), MostTextHeight);
    if (!placed.errors.empty()) return false;
    for (const LessonStep& r : placed.records)
        if (r.bState && (!InRange(r.nSlide, kSlideMin, kSlideMax) ||
                         !InRange(r.nCursor, kCursorMin, kCursorMax) ||
                         !InRange(r.nScroll, kScrollMin, kScrollMax)))
            return false;
    // The marks are drawn on whole columns, and the lesson's way may be a shortcut: where the
    // rule as the solution sets it reads outside what is accepted, the problem is not set.
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
    return read >= task.low && read <= task.high;
}

// The task's answer and what is accepted of it for its numbers; the solution with which the
// rule gives it.
Solution Complete(Task& t) {
    const TaskKind& k = *KindOf(t.key);
    t.answer = k.answer(t.numbers, t.variant);
    t.reading = t.answer / k.factor;
    // What the rule can show: each setting of the solution a pixel off, carried to the
    // reading, and half a graduation more there.
    Solution solution = SolutionOf(t);
    const int spread = SettingSpread(solution.notes.data(), int(solution.notes.size()));
    const model::ReadingRange range = model::ReadableRange(k.readOn, t.reading, spread);
    t.low = range.low * k.factor;
    t.high = range.high * k.factor;
    return solution;
}

Task Blank(uint32_t key) {
    const TaskKind& k = *KindOf(key);
    Task t;
    t.key = key;
    t.count = k.count;
    t.readOn = k.readOn;
    t.factor = k.factor;
    t.form = k.form;
    return t;
}

}  // namespace

Task DrawTask(uint32_t key, uint32_t seed) {
    Task t = Blank(key);
    const TaskKind& k = *KindOf(key);
    t.seed = seed;
    Draws draws(uint64_t(key) << 32 | seed);
    // Drawn again until the problem is sound; every kind's ranges leave plenty that are.
    for (int attempt = 0; attempt < 100000; ++attempt) {  // no kind comes near the end
        t.variant = k.variants > 1 ? draws.Below(k.variants) : 0;
        for (int i = 0; i < k.count; ++i) t.numbers[i] = draws.In(k.ranges[i]);
        const double reading = k.answer(t.numbers, t.variant) / k.factor;
        if (!k.fits(t.numbers, t.variant) || model::GraduationInterval(k.readOn, reading) <= 0)
            continue;
        if (SolutionFits(t, Complete(t))) break;
    }
    t.problem = ProblemOf(t);
    return t;
}

Task TaskWith(uint32_t key, const double* numbers, int variant) {
    Task t = Blank(key);
    t.variant = variant;
    for (int i = 0; i < t.count; ++i) t.numbers[i] = numbers[i];
    Complete(t);
    t.problem = ProblemOf(t);
    return t;
}

}  // namespace training
