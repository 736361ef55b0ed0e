// The lessons' steps: one constant table, each lesson's records together and in step order,
// lessons in ascending key order, closed by the end record whose key is 0.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

struct LessonStep {
    uint32_t key;    // lesson key 1 to 36; 0 closes the table
    uint8_t bArrow;  // draw the pointer mark around ptArrow
    CPoint ptArrow;  // client coordinates of the ring's centre
    uint8_t bState;  // the next five fields are applied when the step becomes current
    int32_t nScroll;
    int32_t nSlide;
    int32_t nCursor;
    int32_t nSide;  // 0: side 1, otherwise side 2
    int32_t bClamp;
    CRect rcBox;          // the step box; its right column and bottom row belong to it
    const char* pszText;  // UTF-8, no line breaks
};

extern const LessonStep kStepTable[];
extern const int kStepCount;  // records before the end record

// Index of the first record after index whose key is key, or -1 once the end record is
// reached. With index -1 it gives the lesson's first step.
int32_t FindNextStep(uint32_t key, int32_t index);

// Copies the step's rule state into the five when the step carries one, unchecked. Callers
// pass a copy of the side and then switch sides through the side commands.
void ApplyStepState(int32_t step, int32_t& scroll, int32_t& slide, int32_t& cursor, int32_t& side,
                    int32_t& clamp);
