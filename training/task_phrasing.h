// The words of the tasks: numbers and angles as the problems write them, and the builder that
// turns a solution's moves into steps with their texts.
#pragma once

#include <string>

#include "training/task.h"

namespace tasks {

// A number as the problems write it, and an angle in degrees.
std::string F(double v);
std::string Deg(double v);

// A mark of the rule: a value on its scale, or an index mark.
inline catalogue::Mark V(Scale s, double v) {
    return catalogue::Mark{s, v, catalogue::Index::None};
}
inline catalogue::Mark I(catalogue::Index i) { return catalogue::IndexMarkOf(i); }

// Builds a solution step by step, each step's text in the lessons' words; the last read is the
// answer's and gets the kind's ending.
class SolutionSteps {
  public:
    SolutionSteps(const Task& task, Solution& out) : m_task(task), m_out(out) {}

    void Text(const std::string& text);
    void Find(catalogue::Mark m);
    void FindCursor(catalogue::Mark m);
    void Bring(catalogue::Mark slide, catalogue::Mark body);
    void BringUnder(catalogue::Mark slide);
    void CursorBring(catalogue::Mark slide, catalogue::Mark body);
    void Read(catalogue::Mark result, catalogue::Mark against);
    void ReadUnder(catalogue::Mark result);
    void CursorRead(catalogue::Mark result, catalogue::Mark body);

    // The answer's step ends with the reading turned into the answer.
    void Finish(const std::string& how);

  private:
    void Add(catalogue::StepNote n, catalogue::Act act, bool state, const std::string& text);
    void AddRead(catalogue::StepNote n, catalogue::Act act, const std::string& text);

    const Task& m_task;
    Solution& m_out;
    int m_lastRead = 0;
};

}  // namespace tasks
