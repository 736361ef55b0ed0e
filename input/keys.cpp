#include "input/keys.h"

#include <algorithm>

namespace {

enum class Part { Slide, Cursor, Scroll };

// What a key does. The signs follow the stylus: "left on screen" is + 1 for the slide (a tap
// left of the hairline) and for the cursor (its hairline moving left), and - n for the view
// (panning toward the rule's left-hand end).
enum class Step { By, To };

struct KeyMove {
    KeyCode key;
    uint32_t mods;
    Part part;
    Step how;
    int32_t amount;  // Step::By: the change; Step::To: the value
};

// clang-format off
constexpr KeyMove kKeyMoves[] = {
    //  key          modifiers               moves         how       amount
    {KEY_LEFT,     MOD_NONE,               Part::Slide,  Step::By, +1},
    {KEY_RIGHT,    MOD_NONE,               Part::Slide,  Step::By, -1},
    {KEY_LEFT,     MOD_SHIFT,              Part::Slide,  Step::By, +20},
    {KEY_RIGHT,    MOD_SHIFT,              Part::Slide,  Step::By, -20},
    {KEY_LEFT,     MOD_CTRL,               Part::Cursor, Step::By, +1},
    {KEY_RIGHT,    MOD_CTRL,               Part::Cursor, Step::By, -1},
    {KEY_LEFT,     MOD_CTRL | MOD_SHIFT,   Part::Cursor, Step::By, +20},
    {KEY_RIGHT,    MOD_CTRL | MOD_SHIFT,   Part::Cursor, Step::By, -20},
    {KEY_PAGEUP,   MOD_NONE,               Part::Scroll, Step::By, -200},
    {KEY_PAGEDOWN, MOD_NONE,               Part::Scroll, Step::By, +200},
    {KEY_HOME,     MOD_NONE,               Part::Scroll, Step::To, kScrollMin},
    {KEY_END,      MOD_NONE,               Part::Scroll, Step::To, kScrollMax},
};
// clang-format on

const KeyMove* Find(KeyCode key, uint32_t mods) {
    for (const KeyMove& m : kKeyMoves)
        if (m.key == key && m.mods == mods) return &m;
    return nullptr;
}

// The room a value has toward the limit it moves to, never below 0.
int64_t Room(int32_t value, int64_t change, int32_t low, int32_t high) {
    return std::max<int64_t>(0, change > 0 ? int64_t(high) - value : int64_t(value) - low);
}

// Moves value (and, carrying, the cursor too) by change, cut back to the room both have.
bool Move(CRuleState& rule, int32_t& value, int64_t change, int32_t low, int32_t high,
          bool carriesCursor) {
    int64_t room = Room(value, change, low, high);
    if (carriesCursor) room = std::min(room, Room(rule.m_nCursor, change, kCursorMin, kCursorMax));
    const int64_t step = change > 0 ? std::min(change, room) : -std::min(-change, room);
    if (step == 0) return false;
    value = int32_t(value + step);
    if (carriesCursor) rule.m_nCursor = int32_t(rule.m_nCursor + step);
    return true;
}

}  // namespace

bool IsMoveKey(KeyCode key, uint32_t mods) { return Find(key, mods) != nullptr; }

bool KeyStep(CRuleState& rule, KeyCode key, uint32_t mods) {
    const KeyMove* m = Find(key, mods);
    if (!m) return false;
    switch (m->part) {
        case Part::Slide:
            // Clamped, the cursor goes with the slide, as in a slide drag.
            return Move(rule, rule.m_nSlide, m->amount, kSlideMin, kSlideMax, rule.m_bClamp != 0);
        case Part::Cursor:
            // Clamped, the cursor is fixed to the slide and has no move of its own.
            return !rule.m_bClamp &&
                   Move(rule, rule.m_nCursor, m->amount, kCursorMin, kCursorMax, false);
        case Part::Scroll:
            if (m->how == Step::To) {
                if (rule.m_nScroll == m->amount) return false;
                rule.m_nScroll = m->amount;
                return true;
            }
            return Move(rule, rule.m_nScroll, m->amount, kScrollMin, kScrollMax, false);
    }
    return false;
}

bool WheelStep(CRuleState& rule, int64_t notches) {
    // Wide: no count of notches can overflow the change.
    const int64_t change = std::clamp<int64_t>(notches, -1000000, 1000000) * kWheelNotchPixels;
    return Move(rule, rule.m_nScroll, change, kScrollMin, kScrollMax, false);
}
