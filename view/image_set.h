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

    // The images are drawn at this scale: k device pixels a client pixel; 0 until a scale
    // is chosen, and with it nothing loaded.
    int m_nScale = 0;

    void LoadSide(int side);  // 0: the strips and minis of side 1; 1: those of side 2
    void LoadCursor();        // the cap and grip, common to both sides
    // Both, at a new scale.
    void LoadScale(int side, int scale);
};

// The image of the program's image set with this id, drawn at the given scale (1 to
// kMaxImageScale) and decoded; null when there is none.
CPixmap LoadImageResource(int id, int scale = 1);

// The part of that image that covers `part` (in its pixels at scale 1), drawn at the given
// scale: part's corners times the scale. Null when there is no such image or the part lies
// outside it.
CPixmap LoadImagePart(int id, const CRect& part, int scale = 1);
