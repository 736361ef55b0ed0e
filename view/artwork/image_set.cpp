#include "view/artwork/image_set.h"

#include "view/artwork/catalogue.h"

namespace artwork {

Canvas DrawImage(int id) {
    switch (id) {
        case 133: case 134: case 135: case 136: case 137: case 138: return DrawStrip(id);
        case 139: return DrawCursorGrip();
        case 140: return DrawCursorCap();
        // Each mini is its strip reduced: 141..143 from 133..135, 144..146 from 136..138.
        case 141: return MiniOf(DrawStrip(kBottom1), 10);
        case 142: return MiniOf(DrawStrip(kSlide1), 16);
        case 143: return MiniOf(DrawStrip(kTop1), 9);
        case 144: return MiniOf(DrawStrip(kBottom2), 10);
        case 145: return MiniOf(DrawStrip(kSlide2), 16);
        case 146: return MiniOf(DrawStrip(kTop2), 9);
        case 151: return DrawToolbar();
        default: return Canvas();
    }
}

}  // namespace artwork
