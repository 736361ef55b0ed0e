// Where training stands: the chooser and the running lesson.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

class IListBox;

struct CTrainingState {
    uint8_t m_bListOpen = 0;     // the chooser is showing
    uint8_t m_bListCreated = 0;  // its list box exists for this opening
    CRect m_rcLessonList;
    IListBox* m_wndLessonList = nullptr;  // owned by the window host; null when none
    int32_t m_nLesson = 0;                // key of the running lesson; 0: none
    int32_t m_nStep = -1;                 // index into the step table; -1: none
};
