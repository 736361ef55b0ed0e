// The fifteen images the program is drawn from, by id.
#pragma once

#include <array>

#include "view/artwork/canvas.h"

namespace artwork {

constexpr std::array<int, 15> kImageIds = {133, 134, 135, 136, 137, 138, 139, 140,
                                           141, 142, 143, 144, 145, 146, 151};

// Draws image `id` from scratch. Lettering needs a QGuiApplication to exist.
Canvas DrawImage(int id);

// The pieces, for the generator and the tests.
Canvas DrawStrip(int image);             // 133..138
// The reduction alone, and the program's mini with the strip's frame as a silver edge.
Canvas ReduceToMini(const Canvas& strip, int miniHeight);
Canvas MiniOf(const Canvas& strip, int miniHeight);
Canvas DrawCursorCap();                  // 140
Canvas DrawCursorGrip();                 // 139
Canvas DrawToolbar();                    // 151

}  // namespace artwork
