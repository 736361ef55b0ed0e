// The state of a stylus gesture on the rule.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

// What a gesture moves; chosen by where its press lands.
enum DragMode : int32_t {
    DRAG_BODY = 0,       // pan the whole rule by a body strip
    DRAG_SLIDE = 1,      // the slide (and, clamped, the cursor with it)
    DRAG_CURSOR = 2,     // the cursor by its grip
    NUDGE_CURSOR = 3,    // a tap beside the grip: one pixel, moving does nothing
    DRAG_MAPWINDOW = 4,  // the view frame on the mini-map
    DRAG_MAPSLIDE = 5,   // the mini slide on the mini-map
};

struct CGestureState {
    DragMode m_nDragMode = DRAG_BODY;  // kept after the release: an uncaptured hold repeats it
    int32_t m_nLastX = 0;              // stylus x last taken into account
    int32_t m_bNudgeLeft = 0;          // a tap asks for offset + 1
    int32_t m_bNudgeRight = 0;         // a tap asks for offset - 1
    CPoint m_ptTap;                    // press point; while repeating its x picks the direction
    int32_t m_bRepeating = 0;          // TIMER_REPEAT has ticked during this press
};

inline bool operator==(const CGestureState& a, const CGestureState& b) {
    return a.m_nDragMode == b.m_nDragMode && a.m_nLastX == b.m_nLastX &&
           a.m_bNudgeLeft == b.m_bNudgeLeft && a.m_bNudgeRight == b.m_bNudgeRight &&
           a.m_ptTap == b.m_ptTap && a.m_bRepeating == b.m_bRepeating;
}
