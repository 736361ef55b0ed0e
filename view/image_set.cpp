#include "view/image_set.h"

#include <algorithm>

#include "resources/ids.h"
#include "resources/images.h"

void CImageSet::LoadSide(int side) {
    if (m_nScale == 0) return;  // the first paint loads them, at its scale
    const bool first = side == 0;
    m_bmpTop = LoadImageResource(first ? IDB_TOP1 : IDB_TOP2, m_nScale);
    m_bmpSlide = LoadImageResource(first ? IDB_SLIDE1 : IDB_SLIDE2, m_nScale);
    m_bmpBottom = LoadImageResource(first ? IDB_BOTTOM1 : IDB_BOTTOM2, m_nScale);
    m_bmpMiniTop = LoadImageResource(first ? IDB_MINI_TOP1 : IDB_MINI_TOP2, m_nScale);
    m_bmpMiniSlide = LoadImageResource(first ? IDB_MINI_SLIDE1 : IDB_MINI_SLIDE2, m_nScale);
    m_bmpMiniBottom = LoadImageResource(first ? IDB_MINI_BOTTOM1 : IDB_MINI_BOTTOM2, m_nScale);
}

void CImageSet::LoadCursor() {
    if (m_nScale == 0) return;
    m_bmpCursorGrip = LoadImageResource(IDB_CURSOR_GRIP, m_nScale);
    m_bmpCursorCap = LoadImageResource(IDB_CURSOR_CAP, m_nScale);
}

void CImageSet::LoadScale(int side, int scale) {
    m_nScale = scale;
    LoadSide(side);
    LoadCursor();
}

CPixmap LoadImageResource(int id, int scale) {
    if (scale > 1) {
        const EmbeddedImage* image = FindScaledImage(id, scale);
        return image ? DecodeRuns(image->data, image->size) : CPixmap();
    }
    const EmbeddedImage* image = FindEmbeddedImage(id);
    return image ? DecodeBmp(image->data, image->size) : CPixmap();
}

CPixmap LoadImagePart(int id, const CRect& part, int scale) {
    const CPixmap whole = LoadImageResource(id, scale);
    const int left = part.left * scale, top = part.top * scale;
    const int width = part.Width() * scale, height = part.Height() * scale;
    if (whole.IsNull() || left < 0 || top < 0 || width <= 0 || height <= 0 ||
        left + width > whole.Width() || top + height > whole.Height())
        return CPixmap();
    CPixmap cut(width, height);
    for (int y = 0; y < height; ++y) std::copy_n(whole.Row(top + y) + left, width, cut.Row(y));
    return cut;
}
