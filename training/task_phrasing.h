// The words of the tasks: numbers and angles as the problems write them, and the builder that
// turns a solution's moves into steps with their texts.
#pragma once

#include <string>

#include "training/task.h"

namespace training {

// A number as the problems write it, and an angle in degrees.
std::string F(double v);
std::string Deg(double v);

// A no-break space between a number and the unit after it, so that no line parts them.
std::string BindUnits(const std::string& text);

// A mark of the rule: a value on its scale, or an index mark.
inline Mark V(Scale s, double v) { return Mark{s, v, Index::None}; }
inline Mark I(Index i) { return IndexMarkOf(i); }

// Builds a solution step by step, each step's text in the lessons' words; the last read is the
// answer's and gets the kind's ending.
class SolutionSteps {
  public:
    SolutionSteps(const Task& task, Solution& out) : m_task(task), m_out(out) {}

    void Text(const std::string& text);
    void Find(Mark m);
    void FindCursor(Mark m);
    void Bring(Mark slide, Mark body);
    void BringUnder(Mark slide);
    void CursorBring(Mark slide, Mark body);
    void Read(Mark result, Mark against);
    void ReadUnder(Mark result);
    void CursorRead(Mark result, Mark body);

    // The answer's step ends with the reading turned into the answer.
    void Finish(const std::string& how);

  private:
    void Add(StepNote n, Act act, bool state, const std::string& text);
    void AddRead(StepNote n, Act act, const std::string& text);

    const Task& m_task;
    Solution& m_out;
    int m_lastRead = 0;
};

}  // namespace training
