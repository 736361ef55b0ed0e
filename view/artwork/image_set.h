// The fifteen images the program is drawn from, by id.
#pragma once

#include <array>

#include "view/artwork/canvas.h"

namespace artwork {

constexpr std::array<int, 15> kImageIds = {133, 134, 135, 136, 137, 138, 139, 140,
                                           141, 142, 143, 144, 145, 146, 151};

// Draws image `id` from scratch at scale k (k x k device pixels a client pixel); k = 1 is
// the image set as the program's 4-bit images hold it. Lettering needs a QGuiApplication.
Canvas DrawImage(int id, int scale = 1);

// The pieces, for the generator and the tests.
Canvas DrawStrip(int image, int scale = 1);  // 133..138
// The reduction alone, and the program's mini with the strip's frame as a silver edge.
Canvas ReduceToMini(const Canvas& strip, int miniHeight);
Canvas MiniOf(const Canvas& strip, int miniHeight);
Canvas DrawCursorCap(int scale = 1);     // 140
Canvas DrawCursorGrip(int scale = 1);    // 139
Canvas DrawToolbar(int scale = 1);       // 151

}  // namespace artwork
