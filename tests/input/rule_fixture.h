// A rule state in one expression, for the input tables' tests.
#pragma once

#include "model/rule_state.h"

inline CRuleState Rule(int32_t scroll, int32_t slide, int32_t cursor, int32_t clamp) {
    CRuleState r;
    r.m_nScroll = scroll;
    r.m_nSlide = slide;
    r.m_nCursor = cursor;
    r.m_bClamp = clamp;
    return r;
}
