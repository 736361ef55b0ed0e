// The whole column every mark stands on: fixed where the rule's anchors or the alignment of
// the two faces pin it, otherwise the position rule rounded.
#pragma once

#include "model/position_rules.h"

namespace artwork {

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

}  // namespace artwork
