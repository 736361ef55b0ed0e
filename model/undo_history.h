// The last 100 positions of the rule (slide, scroll, cursor). Entry 99 is the newest, which
// after every push and undo is the position shown; the other 99 can be stepped back to.
#pragma once

#include <cstdint>

#include "model/rule_state.h"

class CUndoHistory {
  public:
    static constexpr int kEntries = 100;
    static constexpr int kMaxUndo = kEntries - 1;

    void PushUndo(int32_t slide, int32_t scroll, int32_t cursor);
    // Drops the newest entry and restores the one before it into the rule, unchecked.
    // The caller asks for the repaint. Needs m_nUndoCount > 0.
    void StepBack(CRuleState& rule);

    int32_t m_anUndoSlide[kEntries] = {};
    int32_t m_anUndoScroll[kEntries] = {};
    int32_t m_anUndoCursor[kEntries] = {};
    int32_t m_nUndoCount = 0;  // 0 to 99
};

bool operator==(const CUndoHistory& a, const CUndoHistory& b);
