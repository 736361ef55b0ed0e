// Keys as the program's logic sees them, whatever toolkit delivered them: a key code and the
// modifiers held with it. Letters and digits are their upper-case ASCII codes.
#pragma once

#include <cstdint>
#include <string>

enum KeyCode : int32_t {
    KEY_NONE = 0,
    KEY_RETURN = 0x0D,
    KEY_ESCAPE = 0x1B,
    KEY_SPACE = 0x20,
    KEY_PAGEUP = 0x21,
    KEY_PAGEDOWN = 0x22,
    KEY_END = 0x23,
    KEY_HOME = 0x24,
    KEY_LEFT = 0x25,
    KEY_UP = 0x26,
    KEY_RIGHT = 0x27,
    KEY_DOWN = 0x28,
    KEY_0 = '0',        // to '9'
    KEY_A = 'A',        // to 'Z'
    KEY_ENTER = 0x100,  // the keypad's, told apart from Return
    KEY_PLUS,
    KEY_MINUS,
    KEY_EQUAL,
    KEY_F10,
    KEY_F1,
};

constexpr KeyCode KeyLetter(char c) { return KeyCode(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); }

enum KeyMods : uint32_t {
    MOD_NONE = 0,
    MOD_SHIFT = 1,
    MOD_CTRL = 2,
    MOD_ALT = 4,
};

// A key with its modifiers, as "Ctrl+Shift+Left"; KeyFromName reads that form back, the
// modifiers in any order. False for a name it does not know.
bool KeyFromName(const char* name, KeyCode& key, uint32_t& mods);
std::string KeyName(KeyCode key, uint32_t mods = MOD_NONE);  // "" when the key has no name
