#include "view/artwork/image_set.h"

#include "model/scale_bands.h"
#include "resources/ids.h"

namespace artwork {

using namespace model;  // the scales the artwork draws

static_assert(kBottom1 == IDB_BOTTOM1 && kSlide1 == IDB_SLIDE1 && kTop1 == IDB_TOP1 &&
                  kBottom2 == IDB_BOTTOM2 && kSlide2 == IDB_SLIDE2 && kTop2 == IDB_TOP2,
              "the strips' bands name the strips by their image ids");

Canvas DrawImage(int id, int scale) {
    switch (id) {
        case IDB_BOTTOM1:
        case IDB_SLIDE1:
        case IDB_TOP1:
        case IDB_BOTTOM2:
        case IDB_SLIDE2:
        case IDB_TOP2: return DrawStrip(id, scale);
        case IDB_CURSOR_GRIP: return DrawCursorGrip(scale);
        case IDB_CURSOR_CAP: return DrawCursorCap(scale);
        // Each mini is its strip reduced.
        case IDB_MINI_BOTTOM1: return MiniOf(DrawStrip(kBottom1, scale), 10);
        case IDB_MINI_SLIDE1: return MiniOf(DrawStrip(kSlide1, scale), 16);
        case IDB_MINI_TOP1: return MiniOf(DrawStrip(kTop1, scale), 9);
        case IDB_MINI_BOTTOM2: return MiniOf(DrawStrip(kBottom2, scale), 10);
        case IDB_MINI_SLIDE2: return MiniOf(DrawStrip(kSlide2, scale), 16);
        case IDB_MINI_TOP2: return MiniOf(DrawStrip(kTop2, scale), 9);
        case IDB_TOOLBAR: return DrawToolbar(scale);
        default: return Canvas();
    }
}

}  // namespace artwork
