#include "view/artwork/canvas.h"

#include <algorithm>
#include <utility>

namespace artwork {

const Rgb kPalette[16] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

Canvas::Canvas(int width, int height, Ink background)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {}

std::uint8_t Canvas::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kWhite;
    return m_pixels[static_cast<std::size_t>(y) * m_width + x];
}

void Canvas::Set(int x, int y, std::uint8_t ink) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    m_pixels[static_cast<std::size_t>(y) * m_width + x] = ink;
}

void Canvas::VLine(int x, int y0, int y1, std::uint8_t ink) {
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y) Set(x, y, ink);
}

void Canvas::HLine(int x0, int x1, int y, std::uint8_t ink) {
    if (x0 > x1) std::swap(x0, x1);
    for (int x = x0; x <= x1; ++x) Set(x, y, ink);
}

void Canvas::Fill(int x0, int y0, int x1, int y1, std::uint8_t ink) {
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y) HLine(x0, x1, y, ink);
}

void Canvas::Box(int x0, int y0, int x1, int y1, std::uint8_t ink) {
    HLine(x0, x1, y0, ink);
    HLine(x0, x1, y1, ink);
    VLine(x0, y0, y1, ink);
    VLine(x1, y0, y1, ink);
}

}  // namespace artwork
