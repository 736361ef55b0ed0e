// Composing the rule: mini-map, strips, cursor and view frame, from the rule state.
#pragma once

#include "model/rule_geometry.h"
#include "model/rule_state.h"
#include "platform/layout.h"
#include "platform/surface.h"
#include "view/image_set.h"

// Pens made once with the window and kept for its life.
struct CRulePens {
    CPen m_penFrame{Rgb(128, 128, 128), 1};  // the cursor's two edges
    CPen m_penHair{Rgb(255, 0, 0), 1};       // the hairline and its mini-map mark
    CPen m_penWindow{Rgb(255, 0, 0), 2};     // the view frame on the mini-map
};

constexpr Colour kRuleGrey = Rgb(128, 128, 128);

// Fill, mini-map, strips, cursor images and lines, view frame: the frame without overlays.
void ComposeRule(CSurface& dc, const CRuleState& rule, const CImageSet& images,
                 const CRulePens& pens);
