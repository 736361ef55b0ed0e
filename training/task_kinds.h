// Practice tasks: for each lesson that computes something, a problem of the same kind with
// numbers drawn afresh, the exact answer by the kind's formula, the scale the answer is read
// on (and so how finely it can be read), and the solution as notes of lesson steps that the
// lesson placer turns into steps on the rule.
//
// The kinds' numbers stand in task_kinds.cpp, their problems in task_problems.cpp, their
// solutions in task_solutions.cpp, and answers are read and checked by task_answers.h.
#pragma once

#include <cstdint>
#include <string>

#include "training/task.h"
#include "training/task_answers.h"

namespace training {

// One kind of task: what it draws, how many questions it may ask of the same numbers, where
// the answer is read, and by which formula.
struct TaskKind {
    uint32_t key;
    NumberRange ranges[kMaxNumbers];
    int count;
    int variants;
    Scale readOn;
    double factor;  // the answer is the reading times this
    AnswerForm form;
    double (*answer)(Numbers n, int variant);  // read on readOn as answer / factor
    bool (*fits)(Numbers n, int variant);      // the numbers make a sound problem
};

// The kind of lesson key's tasks; null where the lesson has none.
const TaskKind* KindOf(uint32_t key);

// The keys of the lessons that have a task kind, in the lesson chooser's order, closed by 0.
extern const uint32_t kTaskKeys[];
bool HasTaskKind(uint32_t key);

// The range the problem's i-th number is drawn from, for checking the draws.
NumberRange RangeOf(uint32_t key, int i);

// Draws the task of lesson key's kind from seed: the same seed gives the same task. The key
// must have a task kind.
Task DrawTask(uint32_t key, uint32_t seed);

// The task of lesson key's kind with the given numbers and question, as a drawn one would be
// set, whether or not a draw would set it: for working cases by hand.
Task TaskWith(uint32_t key, const double* numbers, int variant = 0);

// The problem in the lessons' words, for the task's numbers.
std::string ProblemOf(const Task& task);

// The steps of the solution, from the kind's notes with the task's numbers.
Solution SolutionOf(const Task& task);

}  // namespace training
