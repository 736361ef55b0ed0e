#include "view/artwork/canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace artwork {

// clang-format off
const Rgb kPalette[16] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
// clang-format on

std::uint32_t Argb(std::uint8_t ink) {
    const Rgb& c = kPalette[ink & 0x0f];
    return 0xFF000000u | (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
}

std::uint8_t NearestInk(std::uint32_t argb) {
    const int r = (argb >> 16) & 0xff, g = (argb >> 8) & 0xff, b = argb & 0xff;
    std::uint8_t best = kWhite;
    int bestDistance = 1 << 30;
    for (int i = 15; i >= 0; --i) {  // white first: most of every image
        const Rgb& c = kPalette[i];
        const int d = (r - c.r) * (r - c.r) + (g - c.g) * (g - c.g) + (b - c.b) * (b - c.b);
        if (d == 0) return static_cast<std::uint8_t>(i);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<std::uint8_t>(i);
        }
    }
    return best;
}

Canvas::Canvas(int width, int height, Ink background, int scale)
    : m_width(width),
      m_height(height),
      m_scale(std::max(1, scale)),
      m_pixels(static_cast<std::size_t>(width) * height * m_scale * m_scale, Argb(background)) {}

std::uint8_t Canvas::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kWhite;
    return NearestInk(DevicePixel(x * m_scale, y * m_scale));
}

std::uint32_t Canvas::DevicePixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= DeviceWidth() || y >= DeviceHeight()) return Argb(kWhite);
    return m_pixels[static_cast<std::size_t>(y) * DeviceWidth() + x];
}

void Canvas::FillDevice(int x0, int y0, int x1, int y1, std::uint32_t argb) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, DeviceWidth());
    y1 = std::min(y1, DeviceHeight());
    for (int y = y0; y < y1; ++y) {
        std::uint32_t* row = m_pixels.data() + static_cast<std::size_t>(y) * DeviceWidth();
        std::fill(row + std::max(x0, 0), row + std::max(x1, x0), argb);
    }
}

void Canvas::Set(int x, int y, std::uint8_t ink) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    const int k = m_scale;
    FillDevice(x * k, y * k, (x + 1) * k, (y + 1) * k, Argb(ink));
}

void Canvas::VLine(int x, int y0, int y1, std::uint8_t ink) { Fill(x, y0, x, y1, ink); }

void Canvas::HLine(int x0, int x1, int y, std::uint8_t ink) { Fill(x0, y, x1, y, ink); }

void Canvas::Fill(int x0, int y0, int x1, int y1, std::uint8_t ink) {
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, m_width - 1);
    y1 = std::min(y1, m_height - 1);
    if (x0 > x1 || y0 > y1) return;
    const int k = m_scale;
    FillDevice(x0 * k, y0 * k, (x1 + 1) * k, (y1 + 1) * k, Argb(ink));
}

void Canvas::Box(int x0, int y0, int x1, int y1, std::uint8_t ink) {
    HLine(x0, x1, y0, ink);
    HLine(x0, x1, y1, ink);
    VLine(x0, y0, y1, ink);
    VLine(x1, y0, y1, ink);
}

void Canvas::VLineAt(double column, int y0, int y1, std::uint8_t ink) {
    if (y0 > y1) std::swap(y0, y1);
    y0 = std::max(y0, 0);
    y1 = std::min(y1, m_height - 1);
    if (y0 > y1) return;
    const int k = m_scale;
    const int left = static_cast<int>(std::lround(column * k));
    // The strip's frame clips what would stand outside its columns, as for whole columns.
    const int x0 = std::max(left, 0), x1 = std::min(left + k, DeviceWidth());
    FillDevice(x0, y0 * k, x1, (y1 + 1) * k, Argb(ink));
}

}  // namespace artwork
