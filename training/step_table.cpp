#include "training/step_table.h"

// One record a row of the lessons' steps, closed by the end record.
const LessonStep kStepTable[] = {
#define LESSON_STEP(key, note, ...) {key, __VA_ARGS__},
#include "training/lesson_steps.def"
#undef LESSON_STEP
    {0, 0, {0, 0}, 0, 0, 0, 0, 0, 0, {0, 0, 0, 0}, ""},
};

const int kStepCount = int(sizeof kStepTable / sizeof kStepTable[0]) - 1;

int32_t FindNextStep(uint32_t key, int32_t index) {
    if (index < -1 || index >= kStepCount) return -1;  // nothing lies beyond the end record
    for (int32_t i = index + 1; kStepTable[i].key != 0; ++i)
        if (kStepTable[i].key == key) return i;
    return -1;
}

void ApplyStepState(int32_t step, int32_t& scroll, int32_t& slide, int32_t& cursor, int32_t& side,
                    int32_t& clamp) {
    const LessonStep& s = kStepTable[step];
    if (!s.bState) return;
    scroll = s.nScroll;
    slide = s.nSlide;
    cursor = s.nCursor;
    side = s.nSide;
    clamp = s.bClamp;
}
