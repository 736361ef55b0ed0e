// The whole column every mark stands on: fixed where the rule's anchors or the alignment of
// the two faces pin it, otherwise the position rule rounded. The artwork draws its marks on
// these columns, and the lesson placer sets pointers and offsets by them.
#pragma once

#include "model/position_rules.h"

namespace model {

struct FixedColumn {
    Scale scale;
    double value;
    int column;
};

extern const FixedColumn kAnchors[];
extern const int kAnchorCount;
extern const FixedColumn kAlignmentPins[];
extern const int kAlignmentPinCount;

// The real column a mark stands at: its anchor's, or else its rule's. A tick drawn at a
// scale k > 1 has its left edge at k times this, rounded once. The alignment pins only
// correct the rounding to whole columns, so they do not enter here.
double MarkPosition(Scale s, double value);
// The whole column of a mark, as drawn at k = 1.
int MarkColumn(Scale s, double value);

// The index marks that a calculation is set against, each on its own column: the value it
// stands for on its scale's rule and the column it is drawn on (t360 and ФУТЫ stand half a
// column left of their rounded rule).
extern const FixedColumn kIndexColumns[];
extern const int kIndexColumnCount;

// The column of the index mark at value on scale s; the rounded rule when none stands there.
int IndexColumn(Scale s, double value);

}  // namespace model
