// Points and rectangles in client coordinates (pixels, origin top left, y downward).
#pragma once

#include <cstdint>

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// left, top, right, bottom; whether right and bottom belong to the rectangle is said where
// a rectangle is used.
struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
};

inline bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const CRect& a, const CRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Colours are words with alpha 0xFF, the layout of the pixels in a CPixmap, in the byte order
// of the images the screen takes, so that a composed frame is shown without a pass over its
// pixels: 0xAARRGGBB (bytes B, G, R, A) for Qt's 32-bit images, and in the page 0xAABBGGRR
// (bytes R, G, B, A), the canvas's own order.
using Colour = uint32_t;
#if defined(__EMSCRIPTEN__)
constexpr int kRedShift = 0, kBlueShift = 16;
#else
constexpr int kRedShift = 16, kBlueShift = 0;
#endif
constexpr Colour Rgb(int r, int g, int b) {
    return 0xFF000000u | (uint32_t(r) << kRedShift) | (uint32_t(g) << 8) |
           (uint32_t(b) << kBlueShift);
}
constexpr int RedOf(Colour c) { return int(c >> kRedShift) & 0xFF; }
constexpr int GreenOf(Colour c) { return int(c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return int(c >> kBlueShift) & 0xFF; }
