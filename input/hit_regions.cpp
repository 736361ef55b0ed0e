#include "input/hit_regions.h"

#include <limits>

namespace {

// How a region measures the press's x.
enum class Columns {
    Window,     // window x
    Hairline,   // x - h; only while the cursor is unclamped and on screen (a clamped
                // cursor has no grip drawn)
    ViewFrame,  // window x, counted from the view frame's left and right edges
};

// How a tap on the region nudges its part at the release.
enum class Nudge {
    None,
    Left,
    Right,
    ByHalf,  // left of the hairline's home column left, from two columns right of it right
};

// Beyond any x - h: x is 32-bit, h a sum of 32-bit offsets.
constexpr int64_t kFar = std::numeric_limits<int64_t>::max();

struct HitRegion {
    Columns columns;
    int64_t from, to;  // columns, both included
    CRowSpan rows;
    DragMode mode;
    Nudge nudge;
};

// In order of precedence. The mini slide's band lies inside the view frame's rows and comes
// first, so a press on the mini slide within the frame moves the slide, not the view. The
// view frame counts only its interior: from one column right of its left edge to one column
// left of its right edge.
// clang-format off
constexpr HitRegion kHitRegions[] = {
    //  columns          from               to                rows             mode            nudge
    {Columns::Window,    kStripLeft,        kStripRight,      kTopBodyRows,    DRAG_BODY,      Nudge::None},    // top body strip
    {Columns::Window,    kStripLeft,        kStripRight,      kSlideRows,      DRAG_SLIDE,     Nudge::ByHalf},  // slide
    {Columns::Window,    kStripLeft,        kStripRight,      kBottomBodyRows, DRAG_BODY,      Nudge::None},    // bottom body strip
    {Columns::Hairline,  -kCursorHalfWidth, kCursorHalfWidth, kCursorRows,     DRAG_CURSOR,    Nudge::None},    // cursor grip
    {Columns::Hairline,  -kFar,             -kBesideGrip,     kCursorRows,     NUDGE_CURSOR,   Nudge::Left},    // left of the grip
    {Columns::Hairline,  kBesideGrip,       kFar,             kCursorRows,     NUDGE_CURSOR,   Nudge::Right},   // right of the grip
    {Columns::Window,    kMiniSlideLeft,    kMiniSlideRight,  kMiniSlideRows,  DRAG_MAPSLIDE,  Nudge::None},    // mini slide
    {Columns::ViewFrame, +1,                -1,               kViewFrameRows,  DRAG_MAPWINDOW, Nudge::None},    // inside the view frame
};
// clang-format on

constexpr int32_t kLastNudgeLeftX = kHairlineHomeX - 1;
constexpr int32_t kFirstNudgeRightX = kHairlineHomeX + 2;

bool Matches(const HitRegion& region, const CRuleState& rule, int64_t x, int64_t y) {
    if (y < region.rows.top || y > region.rows.bottom) return false;
    switch (region.columns) {
        case Columns::Window: return x >= region.from && x <= region.to;
        case Columns::Hairline: {
            if (rule.m_bClamp || !CursorOnScreen(rule)) return false;
            const int64_t dx = x - Hairline(rule);
            return dx >= region.from && dx <= region.to;
        }
        case Columns::ViewFrame:
            return x >= ViewFrameLeft(rule.m_nScroll) + region.from &&
                   x <= ViewFrameRight(rule.m_nScroll) + region.to;
    }
    return false;
}

}  // namespace

std::optional<CHit> HitTest(const CRuleState& rule, CPoint point) {
    for (const HitRegion& region : kHitRegions) {
        if (!Matches(region, rule, point.x, point.y)) continue;
        CHit hit;
        hit.mode = region.mode;
        switch (region.nudge) {
            case Nudge::None: break;
            case Nudge::Left: hit.nudgeLeft = true; break;
            case Nudge::Right: hit.nudgeRight = true; break;
            case Nudge::ByHalf:
                hit.nudgeLeft = point.x <= kLastNudgeLeftX;
                hit.nudgeRight = point.x >= kFirstNudgeRightX;
                break;
        }
        return hit;
    }
    return std::nullopt;
}

bool CursorOnScreen(const CRuleState& rule) {
    const int64_t h = Hairline(rule);
    return h >= -kCursorHalfWidth && h <= kClientWidth - 1 + kCursorHalfWidth;
}

bool CursorOutOfSight(const CRuleState& rule) {
    const int64_t h = Hairline(rule);
    return h <= -kBesideGrip || h >= kClientWidth - 1 + kBesideGrip;
}
