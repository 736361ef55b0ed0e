// Composing the rule: mini-map, strips, cursor and view frame, from the rule state.
#pragma once

#include "model/rule_state.h"
#include "platform/surface.h"
#include "view/image_set.h"

// Pens made once with the window and kept for its life.
struct CRulePens {
    CPen m_penFrame{Rgb(128, 128, 128), 1};  // the cursor's two edges
    CPen m_penHair{Rgb(255, 0, 0), 1};       // the hairline and its mini-map mark
    CPen m_penWindow{Rgb(255, 0, 0), 2};     // the view frame on the mini-map
};

constexpr Colour kRuleGrey = Rgb(128, 128, 128);

// Mini-map scales as exact doubles: 1/5.45 for the slide, 1/5.35 for the view. The products
// are truncated toward zero.
constexpr double kMiniSlideFactor = 0.18348623853211007;
constexpr double kMiniViewFactor = 0.1869158878504673;

inline int MiniSlideShift(int32_t slide) { return int(slide * -kMiniSlideFactor); }
inline int MiniHairlineX(int32_t cursor) { return int((119 - cursor) * kMiniSlideFactor + 2.0); }
inline int ViewFrameLeft(int32_t scroll) { return int(scroll * kMiniViewFactor + 3.0); }
inline int ViewFrameRight(int32_t scroll) { return int(scroll * kMiniViewFactor + 42.0); }

// Fill, mini-map, strips, cursor images and lines, view frame: the frame without overlays.
void ComposeRule(CSurface& dc, const CRuleState& rule, const CImageSet& images,
                 const CRulePens& pens);
