// Practice tasks: for each lesson that computes something, a problem of the same kind with
// numbers drawn afresh, the exact answer by the kind's formula, the scale the answer is read
// on (and so how finely it can be read), and the solution as notes of lesson steps that the
// lesson placer turns into steps on the rule.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "training/lesson_annotations.h"
#include "training/verdict.h"

namespace tasks {

using artwork::Scale;

// How an answer is written: a plain number, or a time that may also be typed as mm:ss.
enum class AnswerForm { Plain, Minutes, Seconds };

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
    double tolerance = 0.0;  // in the answer's units: half the graduation interval at reading
    AnswerForm form = AnswerForm::Plain;
    std::string problem;  // in the lessons' words
};

// The steps that solve a task: one note and one text per step.
struct Solution {
    std::vector<catalogue::StepNote> notes;
    std::vector<std::string> texts;
};

// The keys of the lessons that have a task kind, in the lesson chooser's order, closed by 0.
extern const uint32_t kTaskKeys[];
bool HasTaskKind(uint32_t key);

// Draws the task of lesson key's kind from seed: the same seed gives the same task. The key
// must have a task kind.
Task DrawTask(uint32_t key, uint32_t seed);

// The steps of the solution, from the kind's notes with the task's numbers.
Solution SolutionOf(const Task& task);

// The range the problem's i-th number is drawn from, for checking the draws.
struct NumberRange {
    double lo, hi, step;
};
NumberRange RangeOf(uint32_t key, int i);

// Reading tolerance at a reading of value on scale s, in the scale's units: half the local
// graduation interval.
double ReadingTolerance(Scale s, double value);

// A number as the lessons write it: up to three significant digits, a decimal point.
std::string FormatNumber(double value);

// The answer as the rule reads it: the exact answer rounded to half the local graduation,
// written as the kind writes its answers (times as m:ss where seconds can be read).
std::string RoundedAnswer(const Task& task);

// What the answer field holds, as a number in the answer's units. Accepts a decimal comma or
// point, blanks anywhere, a sign, and for times m:ss. False for anything else.
bool ParseAnswer(const std::string& text, AnswerForm form, double& value);

Verdict Check(const Task& task, const std::string& text);

}  // namespace tasks
