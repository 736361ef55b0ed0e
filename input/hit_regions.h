// Where a stylus press lands. The rule window and the mini-map are divided into eight
// regions, tested in a fixed order; the first that matches decides the gesture.
#pragma once

#include <cstdint>
#include <optional>

#include "input/gesture.h"
#include "model/rule_geometry.h"
#include "model/rule_state.h"
#include "platform/geometry.h"
#include "platform/layout.h"

// Columns of the three strips in the rule window, and the row of the cursor grip.
constexpr int32_t kStripLeft = 3;
constexpr int32_t kStripRight = 235;
constexpr int32_t kCursorRowTop = 252;
constexpr int32_t kCursorRowBottom = 264;

// Rows that presses count as one part, both included.
struct CRowSpan {
    int32_t top, bottom;
};
constexpr CRowSpan kTopBodyRows = {59, 104};
constexpr CRowSpan kSlideRows = {106, 193};
constexpr CRowSpan kBottomBodyRows = {196, 249};
constexpr CRowSpan kCursorRows = {kCursorRowTop, kCursorRowBottom};
// The mini-map: the mini slide's band, and the rows inside the view frame.
constexpr CRowSpan kMiniSlideRows = {20, 34};
constexpr CRowSpan kViewFrameRows = {6, 49};
constexpr int32_t kMiniSlideLeft = 2;
constexpr int32_t kMiniSlideRight = 238;

// A press in the cursor row beside the grip counts from this many columns off the hairline;
// the column between the grip and that does nothing.
constexpr int32_t kBesideGrip = kCursorHalfWidth + 2;

// What a press starts: the drag mode, and the one-pixel nudge a tap without a horizontal move
// asks for at its release (left: offset + 1, right: offset - 1).
struct CHit {
    DragMode mode = DRAG_BODY;
    bool nudgeLeft = false;
    bool nudgeRight = false;
};

// The first region that holds point; nullopt when none does.
std::optional<CHit> HitTest(const CRuleState& rule, CPoint point);

// Hairline window x, computed wide so that no stored offset can overflow it.
inline int64_t Hairline(const CRuleState& rule) {
    return kHairlineHomeX - int64_t(rule.m_nCursor) - rule.m_nScroll;
}

// At least one of the grip's 39 columns lies in the window: -19 <= h <= 258.
bool CursorOnScreen(const CRuleState& rule);

// Far enough out that a double tap in the cursor row fetches it: h <= -21 or h >= 260. One
// column stricter than CursorOnScreen at each end, so h = -20 and h = 259 are neither.
bool CursorOutOfSight(const CRuleState& rule);
