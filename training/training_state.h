// The lesson chooser's list box while the chooser is open.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

class IListBox;

struct CTrainingState {
    uint8_t m_bListCreated = 0;  // its list box exists for this opening
    CRect m_rcLessonList;
    IListBox* m_wndLessonList = nullptr;  // owned by the window host; null when none
};
