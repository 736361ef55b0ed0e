// The fifteen images the program is drawn from, by id.
#pragma once

#include "resources/ids.h"
#include "view/artwork/canvas.h"

namespace artwork {

using ::kImageIds;

// Draws image `id` from scratch at scale k (k x k device pixels a client pixel); k = 1 is
// the image set as the program's 4-bit images hold it. Lettering needs a QGuiApplication.
Canvas DrawImage(int id, int scale = 1);

// The pieces, for the generator and the tests.
Canvas DrawStrip(int image, int scale = 1);  // IDB_BOTTOM1 .. IDB_TOP2
// The reduction alone, and the program's mini with the strip's frame as a silver edge.
Canvas ReduceToMini(const Canvas& strip, int miniHeight);
Canvas MiniOf(const Canvas& strip, int miniHeight);
Canvas DrawCursorCap(int scale = 1);   // IDB_CURSOR_CAP
Canvas DrawCursorGrip(int scale = 1);  // IDB_CURSOR_GRIP
Canvas DrawToolbar(int scale = 1);     // IDB_TOOLBAR

}  // namespace artwork
