// Qt's keyboard and wheel events in the terms of the main window's logic.
#pragma once

#include <QKeyEvent>
#include <QWheelEvent>
#include <cstdint>

#include "resources/keys.h"

// The logic's code for the event's key; KEY_NONE for keys it has no name for (modifiers
// alone among them).
KeyCode TranslateKey(const QKeyEvent& event);
uint32_t TranslateModifiers(Qt::KeyboardModifiers modifiers);
int QtKey(KeyCode key);  // the other way; 0 for KEY_NONE

// Whole wheel notches out of the angle a wheel or touchpad reports, a part notch kept for
// the next event. Positive: toward the user, and for a horizontal wheel to the right.
class CWheelNotches {
  public:
    int Add(const QWheelEvent& event);

  private:
    int m_nAngle = 0;  // eighths of a degree not yet counted as a notch
};
