// Helpers of the catalogue tests: the lessons as ranges of the step table, the kind of a
// record, and a lesson played through as the step box plays it.
#pragma once

#include <string>
#include <vector>

#include "training/step_table.h"

namespace catalogue_test {

// Indices of the records of lesson key, in step order.
inline std::vector<int> StepsOf(uint32_t key) {
    std::vector<int> steps;
    for (int i = FindNextStep(key, -1); i >= 0; i = FindNextStep(key, i)) steps.push_back(i);
    return steps;
}

// "t", "p", "s" or "ps".
inline std::string Kind(const LessonStep& s) {
    if (s.bArrow && s.bState) return "ps";
    if (s.bArrow) return "p";
    if (s.bState) return "s";
    return "t";
}

struct Rule {
    int32_t scroll = 0, slide = 0, cursor = 0, side = 0, clamp = 0;
};

// The rule as each step of the lesson shows it, started from the given position: clamp mode
// goes off at the start, each step's state is applied with a copy of the side, and the side
// is then switched to the copy.
inline std::vector<Rule> Play(uint32_t key, Rule rule) {
    std::vector<Rule> shown;
    rule.clamp = 0;
    for (int i = FindNextStep(key, -1); i >= 0; i = FindNextStep(key, i)) {
        int32_t side = rule.side;
        ApplyStepState(i, rule.scroll, rule.slide, rule.cursor, side, rule.clamp);
        rule.side = side ? 1 : 0;
        shown.push_back(rule);
    }
    return shown;
}

}  // namespace catalogue_test
