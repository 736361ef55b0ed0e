#include "frontend/qt/keys.h"

namespace {

struct QtKeyPair {
    int qt;
    KeyCode key;
};

// clang-format off
const QtKeyPair kQtKeys[] = {
    {Qt::Key_Left, KEY_LEFT},   {Qt::Key_Right, KEY_RIGHT},   {Qt::Key_Up, KEY_UP},
    {Qt::Key_Down, KEY_DOWN},   {Qt::Key_PageUp, KEY_PAGEUP}, {Qt::Key_PageDown, KEY_PAGEDOWN},
    {Qt::Key_Home, KEY_HOME},   {Qt::Key_End, KEY_END},       {Qt::Key_Return, KEY_RETURN},
    {Qt::Key_Enter, KEY_ENTER}, {Qt::Key_Escape, KEY_ESCAPE}, {Qt::Key_Space, KEY_SPACE},
    {Qt::Key_Plus, KEY_PLUS},   {Qt::Key_Minus, KEY_MINUS},   {Qt::Key_Equal, KEY_EQUAL},
    {Qt::Key_F10, KEY_F10},     {Qt::Key_F1, KEY_F1},
};
// clang-format on

// One notch of a common wheel: 15 degrees, in eighths.
constexpr int kNotchAngle = 120;

}  // namespace

KeyCode TranslateKey(const QKeyEvent& event) {
    const int qt = event.key();
    // Qt's codes for letters and digits are their upper-case ASCII codes, as ours.
    if ((qt >= Qt::Key_0 && qt <= Qt::Key_9) || (qt >= Qt::Key_A && qt <= Qt::Key_Z))
        return KeyCode(qt);
    for (const QtKeyPair& k : kQtKeys)
        if (k.qt == qt) return k.key;
    return KEY_NONE;
}

int QtKey(KeyCode key) {
    for (const QtKeyPair& k : kQtKeys)
        if (k.key == key) return k.qt;
    return key < 0x80 ? int(key) : 0;
}

uint32_t TranslateModifiers(Qt::KeyboardModifiers modifiers) {
    uint32_t mods = MOD_NONE;
    if (modifiers & Qt::ShiftModifier) mods |= MOD_SHIFT;
    if (modifiers & Qt::ControlModifier) mods |= MOD_CTRL;
    if (modifiers & Qt::AltModifier) mods |= MOD_ALT;
    return mods;
}

int CWheelNotches::Add(const QWheelEvent& event) {
    // Qt counts a turn away from the user, and a horizontal turn to the left, as positive.
    const QPoint angle = event.angleDelta();
    m_nAngle -= angle.y() + angle.x();
    const int notches = m_nAngle / kNotchAngle;
    m_nAngle -= notches * kNotchAngle;
    return notches;
}
