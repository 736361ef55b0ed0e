// Answers: how finely a reading can be taken, how numbers and answers are written, and what
// the answer field's text means and whether it is right.
#pragma once

#include <string>

#include "training/task.h"
#include "training/verdict.h"

namespace training {

// Reading tolerance at a reading of value on scale s, in the scale's units: half the local
// graduation interval.
double ReadingTolerance(Scale s, double value);

// The reading rounded to half of its graduation interval, as the eye reads it.
double RoundToReading(Scale s, double value);

// A number as the lessons write it: up to three significant digits, a decimal point.
std::string FormatNumber(double value);

// The answer as the rule reads it: the exact answer rounded to half the local graduation,
// written as the kind writes its answers (times as m:ss where seconds can be read).
std::string RoundedAnswer(const Task& task);

// What the answer field holds, as a number in the answer's units. Accepts a decimal comma or
// point, blanks anywhere, a sign, and for times m:ss. False for anything else.
bool ParseAnswer(const std::string& text, AnswerForm form, double& value);

Verdict Check(const Task& task, const std::string& text);

}  // namespace training
