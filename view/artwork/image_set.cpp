#include "view/artwork/image_set.h"

#include "view/artwork/catalogue.h"

namespace artwork {

Canvas DrawImage(int id, int scale) {
    switch (id) {
        case 133: case 134: case 135: case 136: case 137: case 138: return DrawStrip(id, scale);
        case 139: return DrawCursorGrip(scale);
        case 140: return DrawCursorCap(scale);
        // Each mini is its strip reduced: 141..143 from 133..135, 144..146 from 136..138.
        case 141: return MiniOf(DrawStrip(kBottom1, scale), 10);
        case 142: return MiniOf(DrawStrip(kSlide1, scale), 16);
        case 143: return MiniOf(DrawStrip(kTop1, scale), 9);
        case 144: return MiniOf(DrawStrip(kBottom2, scale), 10);
        case 145: return MiniOf(DrawStrip(kSlide2, scale), 16);
        case 146: return MiniOf(DrawStrip(kTop2, scale), 9);
        case 151: return DrawToolbar(scale);
        default: return Canvas();
    }
}

}  // namespace artwork
