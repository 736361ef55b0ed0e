#include "resources/keys.h"

#include <cstring>

namespace {

struct NamedKey {
    const char* name;
    KeyCode key;
};

// clang-format off
const NamedKey kKeyNames[] = {
    {"Left", KEY_LEFT},   {"Right", KEY_RIGHT},   {"Up", KEY_UP},
    {"Down", KEY_DOWN},   {"PageUp", KEY_PAGEUP}, {"PageDown", KEY_PAGEDOWN},
    {"Home", KEY_HOME},   {"End", KEY_END},       {"Return", KEY_RETURN},
    {"Enter", KEY_ENTER}, {"Escape", KEY_ESCAPE}, {"Space", KEY_SPACE},
    {"Plus", KEY_PLUS},   {"Minus", KEY_MINUS},   {"Equal", KEY_EQUAL},
    {"F10", KEY_F10},     {"F1", KEY_F1},
};
// clang-format on

const struct {
    const char* name;
    uint32_t mod;
} kModNames[] = {{"Shift", MOD_SHIFT}, {"Ctrl", MOD_CTRL}, {"Alt", MOD_ALT}};

// Letters and digits name themselves.
const char kPlainKeys[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

std::string KeyName(KeyCode key, uint32_t mods) {
    std::string name;
    for (const NamedKey& k : kKeyNames)
        if (k.key == key) name = k.name;
    if (name.empty() && key > 0 && key < 0x80 && std::strchr(kPlainKeys, char(key)))
        name = char(key);
    if (name.empty()) return name;
    // As people write them: Ctrl+Shift+Left.
    std::string prefix;
    if (mods & MOD_CTRL) prefix += "Ctrl+";
    if (mods & MOD_SHIFT) prefix += "Shift+";
    if (mods & MOD_ALT) prefix += "Alt+";
    return prefix + name;
}

bool KeyFromName(const char* name, KeyCode& key, uint32_t& mods) {
    mods = MOD_NONE;
    for (;;) {
        const char* plus = std::strchr(name, '+');
        if (!plus) break;
        const std::size_t length = std::size_t(plus - name);
        bool known = false;
        for (const auto& m : kModNames) {
            if (std::strlen(m.name) != length || std::strncmp(name, m.name, length) != 0) continue;
            if (mods & m.mod) return false;  // named twice
            mods |= m.mod;
            known = true;
        }
        if (!known) return false;
        name = plus + 1;
    }
    for (const NamedKey& k : kKeyNames)
        if (std::strcmp(name, k.name) == 0) return key = k.key, true;
    if (std::strlen(name) == 1 && std::strchr(kPlainKeys, KeyLetter(name[0]))) {
        key = KeyLetter(name[0]);
        return true;
    }
    return false;
}
