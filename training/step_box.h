// The box a lesson step shows over the rule: text, pointer mark and the button that goes on.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/surface.h"

constexpr int kStepTextFontHeight = 14;

// Draws the box of step table record step: fill, outline, the button ("Далее..." while the
// lesson has a further step, else "Закончить"), the pointer mark when the step has one,
// and the text, clipped to the box.
void DrawStepBox(CSurface& dc, int32_t step);

// The lines the box breaks step's text into, broken once and kept.
const std::vector<std::string_view>& StepTextLines(int32_t step);

// 1 when (x, y) is on the button of step's box, -1 otherwise. Strict bounds, so the drawn
// button's leftmost column and top row do not count.
int32_t HitTestStepButton(int x, int y, int32_t step);
