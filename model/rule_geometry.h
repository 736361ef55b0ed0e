// Where the rule stands in the client area, in client pixels: the strip columns the rule window
// shows, the hairline and the cursor, and the mini-map's picture of them. The painter, the hit
// test and the lessons place the rule with these, so what is drawn and what is hit agree.
#pragma once

#include <cstdint>

// The rule window shows strip column m_nScroll at this window x.
constexpr int kRuleWindowX = 2;

// The hairline stands at window x kHairlineHomeX - m_nCursor - m_nScroll, so the strip column
// under it is kHairlineHomeColumn - m_nCursor whatever the scroll.
constexpr int kHairlineHomeX = 119;
constexpr int kHairlineHomeColumn = kHairlineHomeX - kRuleWindowX;

// The cursor's cap and grip: an odd number of columns with the hairline in the middle one.
constexpr int kCursorHalfWidth = 19;
constexpr int kCursorWidth = 2 * kCursorHalfWidth + 1;
constexpr int kCursorHomeX = kHairlineHomeX - kCursorHalfWidth;  // their left edge at home

// Mini-map scales as exact doubles: 1/5.45 for the slide, 1/5.35 for the view. The products
// are truncated toward zero.
constexpr double kMiniSlideFactor = 0.18348623853211007;
constexpr double kMiniViewFactor = 0.1869158878504673;

inline int MiniSlideShift(int32_t slide) { return int(slide * -kMiniSlideFactor); }
inline int MiniHairlineX(int32_t cursor) {
    return int((kHairlineHomeX - cursor) * kMiniSlideFactor + 2.0);
}
inline int ViewFrameLeft(int32_t scroll) { return int(scroll * kMiniViewFactor + 3.0); }
inline int ViewFrameRight(int32_t scroll) { return int(scroll * kMiniViewFactor + 42.0); }
