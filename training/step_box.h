// The box a lesson step shows over the rule: text, pointer mark and the button that goes on.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/surface.h"

struct LessonStep;

constexpr int kStepTextFontHeight = 14;

// Draws the box of step table record step: fill, outline, the button ("Далее..." while the
// lesson has a further step, else "Закончить"), the pointer mark when the step has one,
// and the text, clipped to the box.
void DrawStepBox(CSurface& dc, int32_t step);

// The lines the box breaks step's text into, broken once and kept.
const std::vector<std::string_view>& StepTextLines(int32_t step);

// The same box for a step that lives outside the table (a shown solution's): the caption
// "Далее..." unless it is the last step, the text already broken into lines.
void DrawStepBoxOf(CSurface& dc, const LessonStep& step, bool last,
                   const std::vector<std::string_view>& lines);

// The lines of a text as a step box of this rectangle breaks them.
std::vector<std::string_view> BreakStepText(const char* text, const CRect& box);

// The button of a step box with this rectangle, its outline included; a press inside the
// outline hits it.
CRect StepButtonRect(const CRect& box);

// 1 when (x, y) is on the button of a step box with this rectangle, -1 otherwise.
int32_t HitTestBoxButton(int x, int y, const CRect& box);

// 1 when (x, y) is on the button of step's box, -1 otherwise. Strict bounds, so the drawn
// button's leftmost column and top row do not count.
int32_t HitTestStepButton(int x, int y, int32_t step);
