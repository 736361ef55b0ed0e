// The eight images a frame is composed from: the side's six strips and minis, and the cursor.
#pragma once

#include "platform/pixmap.h"

struct CImageSet {
    CPixmap m_bmpMiniTop;
    CPixmap m_bmpMiniSlide;
    CPixmap m_bmpMiniBottom;
    CPixmap m_bmpTop;
    CPixmap m_bmpSlide;
    CPixmap m_bmpBottom;
    CPixmap m_bmpCursorCap;
    CPixmap m_bmpCursorGrip;

    // The images are drawn at this scale: k device pixels a client pixel.
    int m_nScale = 1;

    void LoadSide(int side);  // 0: ids 135, 134, 133, 143, 142, 141; 1: 138 ... 144
    void LoadCursor();        // 140 and 139, common to both sides
    // Both, at a new scale.
    void LoadScale(int side, int scale);
};
