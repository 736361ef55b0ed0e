// Where the scales stand: which strip carries each, which side, the client rows of its line,
// and the columns its graduation covers. The lessons' pointers and the tasks' solutions are
// placed with these.
#pragma once

#include "model/position_rules.h"

namespace model {

// The scale is drawn on the slide (otherwise on a body strip).
bool OnSlide(Scale scale);

// The side that carries the scale: 0 or 1.
int SideOf(Scale scale);

// The client y that the lessons use for a pointer on this scale, and the band of y that
// counts as the scale's line.
int PointerLine(Scale scale);
void LineBand(Scale scale, int& lo, int& hi);

// Where a mark of scale 4 meets scale 5.
constexpr int kBorder45 = 194;

// The columns a scale's graduation covers, for the tour's pointers.
void ScaleColumns(Scale scale, int& first, int& last);

}  // namespace model
