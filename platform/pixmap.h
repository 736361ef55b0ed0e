// A block of 32-bit pixels: the decoded images and the drawing surfaces share this layout,
// so copying between them is a row of memcpy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/geometry.h"

class CPixmap {
public:
    CPixmap() = default;
    CPixmap(int width, int height, Colour fill = Rgb(0, 0, 0))
        : m_nWidth(width), m_nHeight(height), m_px(std::size_t(width) * height, fill) {}

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool IsNull() const { return m_px.empty(); }
    Colour Pixel(int x, int y) const { return m_px[std::size_t(y) * m_nWidth + x]; }
    void SetPixel(int x, int y, Colour c) { m_px[std::size_t(y) * m_nWidth + x] = c; }
    const Colour* Row(int y) const { return m_px.data() + std::size_t(y) * m_nWidth; }
    Colour* Row(int y) { return m_px.data() + std::size_t(y) * m_nWidth; }
    const Colour* Bits() const { return m_px.data(); }
    Colour* Bits() { return m_px.data(); }

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<Colour> m_px;
};

// Decodes an uncompressed 4-bit BMP file with its rows stored bottom-up, the one form of the
// program's image set. Returns a null pixmap for any other form and for anything it cannot read.
CPixmap DecodeBmp(const unsigned char* data, std::size_t size);
