// How the stylus changes the rule: drags, the nudge of a tap, the press-and-hold step and the
// double-tap fetch of the cursor. Each step either stores values inside their ranges or
// changes nothing at all; only the press-and-hold pan cuts its step back to its limit. The
// functions return whether the rule must be repainted.
#pragma once

#include <cstdint>
#include <optional>

#include "input/gesture.h"
#include "model/rule_geometry.h"
#include "model/rule_state.h"
#include "platform/geometry.h"
#include "platform/layout.h"

// A horizontal stylus move of d pixels in the given drag mode; d = last x - new x, positive
// when the stylus moved left.
bool DragStep(CRuleState& rule, DragMode mode, int64_t d);

// The one-pixel nudge of a captured tap, applied at its release.
bool NudgeStep(CRuleState& rule, DragMode mode, bool nudgeLeft, bool nudgeRight);

// One tick of the press-and-hold repeat; tapX (the stylus x) picks the direction.
bool RepeatStep(CRuleState& rule, DragMode mode, int32_t tapX);

// Left half of the window for the repeat: x below this.
constexpr int32_t kRightHalfX = kClientWidth / 2;

// The cursor offset that puts the hairline under a double tap at point, when the tap fetches
// an out-of-sight cursor; nullopt when it does not.
std::optional<int32_t> FetchCursor(const CRuleState& rule, CPoint point);
