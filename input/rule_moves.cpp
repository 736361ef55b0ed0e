#include "input/rule_moves.h"

#include <algorithm>

#include "input/hit_regions.h"

namespace {

enum class Part { None, Scroll, Slide, Cursor };

// How a stylus step of d pixels becomes a change of the part. On the mini-map the view frame
// is drawn at 1/5.35 and the mini slide at 1/5.45 of the strips, so these gear the stylus up
// to strip pixels; each event's product is truncated toward zero on its own, and fractions
// are not carried over.
enum class Gearing {
    Pixel,      // + d
    ViewFrame,  // - trunc(d * 5.35): the frame follows the stylus, so the strips go the other way
    MiniSlide,  // + trunc(d * 5.45)
};

struct DragRule {
    DragMode mode;
    Part part;
    Gearing gearing;
    int32_t low, high;   // accepted range of the new value
    bool carriesCursor;  // in clamp mode the cursor moves by the same change, both or neither
};

// clang-format off
constexpr DragRule kDragRules[] = {
    //  mode            moves         new value           accepted range            clamp
    {DRAG_BODY,       Part::Scroll, Gearing::Pixel,     kScrollMin, kScrollMax,   false},
    {DRAG_SLIDE,      Part::Slide,  Gearing::Pixel,     kSlideMin,  kSlideMax,    true},
    {DRAG_CURSOR,     Part::Cursor, Gearing::Pixel,     kCursorMin, kCursorMax,   false},
    {NUDGE_CURSOR,    Part::None,   Gearing::Pixel,     0,          0,            false},
    {DRAG_MAPWINDOW,  Part::Scroll, Gearing::ViewFrame, kScrollMin, kScrollMax,   false},
    {DRAG_MAPSLIDE,   Part::Slide,  Gearing::MiniSlide, kSlideMin,  kSlideMax,    true},
};
// clang-format on

// What happens when a repeat step would pass the limit.
enum class AtLimit {
    CutBack,  // the limit itself is stored, and every tick repaints, also at the limit
    Refuse,   // the step is dropped whole; the part stops short of the limit
};

struct RepeatRule {
    DragMode mode;
    Part part;
    int32_t leftHalf, rightHalf;  // step for a stylus left of x 120, and from x 120 on
    int32_t low, high;
    AtLimit atLimit;
    bool carriesCursor;
};

// Modes not listed repeat nothing.
// clang-format off
constexpr RepeatRule kRepeatRules[] = {
    //  mode        moves         left  right  limits                           at the limits     clamp
    {DRAG_BODY,   Part::Scroll, +20,  -20,   kScrollHoldMin, kScrollHoldMax, AtLimit::CutBack, false},
    {DRAG_SLIDE,  Part::Slide,  +20,  -20,   kSlideMin,      kSlideMax,      AtLimit::Refuse,  true},
};
// clang-format on

// The two nudges of a tap, released without a horizontal move.
struct NudgeRule {
    DragMode mode;
    Part part;
    int32_t low, high;
    bool carriesCursor;
};

// clang-format off
constexpr NudgeRule kNudgeRules[] = {
    {DRAG_SLIDE,    Part::Slide,  kSlideMin,  kSlideMax,  true},
    {NUDGE_CURSOR,  Part::Cursor, kCursorMin, kCursorMax, false},
};
// clang-format on

int32_t* Field(CRuleState& rule, Part part) {
    switch (part) {
        case Part::Scroll: return &rule.m_nScroll;
        case Part::Slide: return &rule.m_nSlide;
        case Part::Cursor: return &rule.m_nCursor;
        case Part::None: break;
    }
    return nullptr;
}

// Moves a part by change when the new value lies in [low, high]. When the move carries the
// cursor (clamp mode), the cursor's new value must lie in its own range too, and both are
// stored or neither. Values are computed wide: a refused step is refused, never wrapped.
bool Shift(CRuleState& rule, Part part, int64_t change, int32_t low, int32_t high,
           bool carriesCursor) {
    int32_t* value = Field(rule, part);
    if (!value) return false;
    const int64_t next = *value + change;
    if (!InRange(next, low, high)) return false;
    if (carriesCursor && rule.m_bClamp) {
        const int64_t cursor = rule.m_nCursor + change;
        if (!InRange(cursor, kCursorMin, kCursorMax)) return false;
        rule.m_nCursor = int32_t(cursor);
    }
    *value = int32_t(next);
    return true;
}

int64_t Geared(Gearing gearing, int64_t d) {
    switch (gearing) {
        case Gearing::Pixel: return d;
        case Gearing::ViewFrame: return -int64_t(double(d) * 5.35);
        case Gearing::MiniSlide: return int64_t(double(d) * 5.45);
    }
    return 0;
}

}  // namespace

bool DragStep(CRuleState& rule, DragMode mode, int64_t d) {
    for (const DragRule& r : kDragRules)
        if (r.mode == mode)
            return Shift(rule, r.part, Geared(r.gearing, d), r.low, r.high, r.carriesCursor);
    return false;
}

bool NudgeStep(CRuleState& rule, DragMode mode, bool nudgeLeft, bool nudgeRight) {
    if (!nudgeLeft && !nudgeRight) return false;
    for (const NudgeRule& r : kNudgeRules)
        if (r.mode == mode)
            return Shift(rule, r.part, int64_t(nudgeLeft) - int64_t(nudgeRight), r.low, r.high,
                         r.carriesCursor);
    return false;
}

bool RepeatStep(CRuleState& rule, DragMode mode, int32_t tapX) {
    for (const RepeatRule& r : kRepeatRules) {
        if (r.mode != mode) continue;
        const int32_t step = tapX < kRightHalfX ? r.leftHalf : r.rightHalf;
        if (r.atLimit == AtLimit::Refuse)
            return Shift(rule, r.part, step, r.low, r.high, r.carriesCursor);
        // Cut back only toward the limit it runs into: moving left stops at high, right at low.
        int32_t* value = Field(rule, r.part);
        const int64_t next = *value + int64_t(step);
        *value =
            int32_t(step > 0 ? std::min<int64_t>(next, r.high) : std::max<int64_t>(next, r.low));
        return true;
    }
    return false;
}

std::optional<int32_t> FetchCursor(const CRuleState& rule, CPoint point) {
    if (rule.m_bClamp || !CursorOutOfSight(rule)) return std::nullopt;
    if (point.x < kStripLeft || point.x > kStripRight) return std::nullopt;
    if (point.y < kCursorRowTop || point.y > kCursorRowBottom) return std::nullopt;
    const int64_t cursor = kHairlineHomeX - int64_t(rule.m_nScroll) - point.x;
    if (!InRange(cursor, kCursorMin, kCursorMax)) return std::nullopt;
    return int32_t(cursor);
}
