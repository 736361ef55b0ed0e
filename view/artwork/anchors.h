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

int MarkColumn(Scale s, double value);

}  // namespace artwork
