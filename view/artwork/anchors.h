// The whole column every mark stands on: fixed where the rule's anchors or the alignment of
// the two faces pin it, otherwise the position rule rounded.
#pragma once

#include "view/artwork/position_rules.h"

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

// The real column a mark stands at: its fixed column, or else its rule's. Drawn at scale k,
// its left edge is k times this, rounded once; at k = 1 that is MarkColumn.
double MarkPosition(Scale s, double value);
int MarkColumn(Scale s, double value);

}  // namespace artwork
