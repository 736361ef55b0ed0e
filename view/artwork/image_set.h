// The fifteen images the program is drawn from, by id.
#pragma once

#include "resources/ids.h"
#include "view/artwork/canvas.h"

namespace artwork {

using ::kImageIds;

// Draws image `id` from scratch. Lettering needs a QGuiApplication to exist.
Canvas DrawImage(int id);

// The pieces, for the generator and the tests.
Canvas DrawStrip(int image);             // IDB_BOTTOM1 .. IDB_TOP2
// The reduction alone, and the program's mini with the strip's frame as a silver edge.
Canvas ReduceToMini(const Canvas& strip, int miniHeight);
Canvas MiniOf(const Canvas& strip, int miniHeight);
Canvas DrawCursorCap();                  // IDB_CURSOR_CAP
Canvas DrawCursorGrip();                 // IDB_CURSOR_GRIP
Canvas DrawToolbar();                    // IDB_TOOLBAR

}  // namespace artwork
