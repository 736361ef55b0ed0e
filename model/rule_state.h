// The whole model of the rule: five values, in pixels of the 1279-column strip images.
#pragma once

#include <cstdint>

struct CRuleState {
    // Strip column shown at the rule window's left edge (window x 2); larger pans right.
    int32_t m_nScroll = 0;
    // Slide against body: the slide is drawn from column m_nScroll + m_nSlide, so a larger
    // value moves the slide left.
    int32_t m_nSlide = 0;
    // The hairline stands at window x kHairlineHomeX - m_nCursor - m_nScroll
    // (model/rule_geometry.h); larger moves it left.
    int32_t m_nCursor = 0;
    int32_t m_nSide = 0;   // 0: side 1 shown, 1: side 2
    int32_t m_bClamp = 0;  // 1 while the cursor travels with the slide
};

inline bool operator==(const CRuleState& a, const CRuleState& b) {
    return a.m_nScroll == b.m_nScroll && a.m_nSlide == b.m_nSlide && a.m_nCursor == b.m_nCursor &&
           a.m_nSide == b.m_nSide && a.m_bClamp == b.m_bClamp;
}
inline bool operator!=(const CRuleState& a, const CRuleState& b) { return !(a == b); }

// Ranges that moves accept. Undo and lesson steps store their values unchecked.
constexpr int32_t kScrollMin = -11;  // drags
constexpr int32_t kScrollMax = 1055;
constexpr int32_t kScrollHoldMin = -12;  // press-and-hold panning stops here, one beyond
constexpr int32_t kScrollHoldMax = 1056;
constexpr int32_t kSlideMin = -1199;
constexpr int32_t kSlideMax = 1199;
constexpr int32_t kCursorMin = -1133;
constexpr int32_t kCursorMax = 87;

constexpr bool InRange(int64_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}
