// How the keys and the wheel move the rule: the keyboard's parallel of the stylus gestures,
// as a table of plain values. A key moves by whole pixels and never past a limit: a step that
// would leave a range is cut back to the largest that keeps every value it moves inside it.
#pragma once

#include <cstdint>

#include "model/rule_state.h"
#include "resources/keys.h"

// The view pans by this much for each wheel notch (positive: toward the user, toward the
// rule's right-hand end).
constexpr int32_t kWheelNotchPixels = 40;

// Whether key with mods is one that moves the rule (whatever the rule's state).
bool IsMoveKey(KeyCode key, uint32_t mods);

// The move of one press or auto-repeat of key; returns whether the rule changed.
bool KeyStep(CRuleState& rule, KeyCode key, uint32_t mods);

// The pan of a wheel event of notches; returns whether the rule changed.
bool WheelStep(CRuleState& rule, int64_t notches);

// Gestures of the keyboard and the wheel: a key press with its auto-repeats, or a run of
// wheel notches. Either ends with one undo entry when it changed the rule.
enum KeyGestureKind : int32_t {
    KEYGESTURE_NONE = 0,
    KEYGESTURE_KEY = 1,    // until the key's release
    KEYGESTURE_WHEEL = 2,  // until TIMER_WHEEL fires, kWheelRunMs after the last notch
};

struct CKeyGesture {
    KeyGestureKind m_nKind = KEYGESTURE_NONE;
    KeyCode m_nKey = KEY_NONE;  // the key held, for KEYGESTURE_KEY
    CRuleState m_start;         // the rule as the gesture found it
};

inline bool operator==(const CKeyGesture& a, const CKeyGesture& b) {
    return a.m_nKind == b.m_nKind && a.m_nKey == b.m_nKey && a.m_start == b.m_start;
}
