#include "view/image_set.h"

#include "resources/ids.h"
#include "resources/images.h"

void CImageSet::LoadSide(int side) {
    const bool first = side == 0;
    m_bmpTop = LoadImageResource(first ? IDB_TOP1 : IDB_TOP2);
    m_bmpSlide = LoadImageResource(first ? IDB_SLIDE1 : IDB_SLIDE2);
    m_bmpBottom = LoadImageResource(first ? IDB_BOTTOM1 : IDB_BOTTOM2);
    m_bmpMiniTop = LoadImageResource(first ? IDB_MINI_TOP1 : IDB_MINI_TOP2);
    m_bmpMiniSlide = LoadImageResource(first ? IDB_MINI_SLIDE1 : IDB_MINI_SLIDE2);
    m_bmpMiniBottom = LoadImageResource(first ? IDB_MINI_BOTTOM1 : IDB_MINI_BOTTOM2);
}

void CImageSet::LoadCursor() {
    m_bmpCursorGrip = LoadImageResource(IDB_CURSOR_GRIP);
    m_bmpCursorCap = LoadImageResource(IDB_CURSOR_CAP);
}

CPixmap LoadImageResource(int id) {
    const EmbeddedImage* image = FindEmbeddedImage(id);
    return image ? DecodeBmp(image->data, image->size) : CPixmap();
}
