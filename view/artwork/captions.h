// Captions, legends, keys and formulas printed on the strips.
#pragma once

#include "view/artwork/canvas.h"

namespace artwork {

void DrawCaptions(Canvas& strip, int image);
void DrawKeys(Canvas& strip, int image);

}  // namespace artwork
