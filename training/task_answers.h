// Answers: numbers as the trainer writes them and reads them back, the answer a task expects
// as the rule reads it, and whether what the answer field holds is right.
//
// Numbers take a decimal comma and the minus sign "−", and no more digits than a reading
// carries; times under an hour read "4 мин 50 с", angles read in minutes of arc "2°40′".
#pragma once

#include <string>

#include "training/task.h"
#include "training/verdict.h"

namespace training {

// A no-break space: between a number and its unit, so that no line ends between them.
constexpr const char* kNbsp = "\xC2\xA0";

// As it is where two decimals hold it, else to three significant digits (all of a whole
// number's), rounded half away from zero; no trailing zeros, a decimal comma and the minus
// sign "−".
std::string Decimal(double value);

// An angle: whole minutes of arc ("2°40′", "5°") when inMinutes, else Decimal and "°".
std::string AngleText(double degrees, bool inMinutes);

// A time in minutes: "4 мин 50 с" (to the whole second, "12 мин" when it has none) under an
// hour, whole minutes ("72 мин") from an hour on.
std::string MinutesText(double minutes);

// A time in seconds: "280 с".
std::string SecondsText(double seconds);

// Scales 1а, 3 and 4 carry angles.
bool IsAngle(Scale s);

// Where an angle scale is graduated by ten minutes of arc (scale 4 below 5°), its angles are
// read in degrees and minutes.
bool InArcMinutes(Scale s, double value);

// The answer as the rule reads it: the exact answer rounded to half the local graduation,
// written as the kind writes its answers (a time in minutes and seconds, an angle in minutes
// of arc where its scale reads them).
std::string RoundedAnswer(const Task& task);

// A reading of the answer's scale written as the answer: rounded as read, times the factor.
std::string ReadingAsAnswer(const Task& task, double reading);

// What an answer field holds, as a number in the form's units (minutes, seconds, degrees).
// Blanks anywhere, a decimal comma or point, a sign; times also as m:ss, "4 мин 50 с",
// "4 мин", "79 с"; angles also as "2°40′" (or with an apostrophe), "2°". Seconds or minutes
// of arc beside a larger unit are whole and below 60. False for anything else.
bool ParseAnswer(const std::string& text, AnswerForm form, double& value);

// Right when the answer lies within the task's accepted range, bounds included.
Verdict Check(const Task& task, const std::string& text);

}  // namespace training
