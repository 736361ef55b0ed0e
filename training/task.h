// A practice task as data: the numbers drawn, the exact answer, the scale it is read on and how
// finely, the problem as stated, and the steps of its solution.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "training/lesson_annotations.h"

namespace training {

using model::Scale;

// How an answer is asked for: a plain number, a time in minutes or in seconds, an angle in
// degrees.
enum class AnswerForm { Plain, Minutes, Seconds, Degrees };

constexpr int kMaxNumbers = 4;

struct TaskKind;

// One drawn task.
struct Task {
    const TaskKind* kind = nullptr;
    uint32_t key = 0;  // the lesson whose kind it is
    uint32_t seed = 0;
    int variant = 0;                   // which of the kind's questions is asked
    double numbers[kMaxNumbers] = {};  // in the order the problem states them
    int count = 0;
    double answer = 0.0;  // exact, by the kind's formula
    Scale readOn = Scale::S1;
    double reading = 0.0;  // what the rule shows where the answer is read: answer / factor
    double factor = 1.0;
    // The answers the rule can give, in the answer's units: each setting of the solution a
    // pixel off either way, and half a graduation more where the answer is read.
    double low = 0.0, high = 0.0;
    AnswerForm form = AnswerForm::Plain;
    std::string problem;  // in the lessons' words
};

// The steps that solve a task: one note and one text per step.
struct Solution {
    std::vector<StepNote> notes;
    std::vector<std::string> texts;
};

// The range a number of a problem is drawn from: lo, lo + step, ... hi.
struct NumberRange {
    double lo, hi, step;
};

// A problem's numbers, in the order the problem states them.
using Numbers = const double*;

}  // namespace training
