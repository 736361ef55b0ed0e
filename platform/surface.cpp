#include "platform/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

void CSurface::FillSolidRect(int x, int y, int width, int height, Colour colour) {
    const int k = m_nScale;
    x *= k;
    y *= k;
    width *= k;
    height *= k;
    const int x0 = std::max(x, 0), x1 = std::min(x + width, Width());
    const int y0 = std::max(y, 0), y1 = std::min(y + height, Height());
    if (x0 >= x1) return;
    if (x1 - x0 <= 4) {
        // Lines and margins: a few pixels on many rows, where a fill call per row would
        // cost more than the stores.
        Colour* row = Row(y0) + x0;
        for (int n = y0; n < y1; ++n, row += Stride())
            for (int i = 0; i < x1 - x0; ++i) row[i] = colour;
        return;
    }
    for (int row = y0; row < y1; ++row) std::fill(Row(row) + x0, Row(row) + x1, colour);
}

void CSurface::BitBlt(int x, int y, int width, int height, const CPixmap& source, int sx, int sy) {
    const int k = m_nScale;
    x *= k;
    y *= k;
    width *= k;
    height *= k;
    sx *= k;
    sy *= k;
    // Clip the rectangle against both the source and this surface, keeping the two aligned.
    int left = std::max({0, -x, -sx});
    int top = std::max({0, -y, -sy});
    const int right = std::min({width, Width() - x, source.Width() - sx});
    const int bottom = std::min({height, Height() - y, source.Height() - sy});
    if (left >= right || top >= bottom) return;
    const std::size_t bytes = std::size_t(right - left) * sizeof(Colour);
    if (left == 0 && x == 0 && sx == 0 && right == Width() && right == source.Width() &&
        Stride() == Width() && source.Stride() == source.Width()) {
        // Whole rows on both sides, as in the frame's copy to the window: one block.
        std::memcpy(Row(y + top), source.Row(sy + top), bytes * (bottom - top));
        return;
    }
    for (int row = top; row < bottom; ++row)
        std::memcpy(Row(y + row) + x + left, source.Row(sy + row) + sx + left, bytes);
}

void CSurface::MoveTo(int x, int y) { m_ptCurrent = {x, y}; }

void CSurface::Plot(int x, int y) {
    // A pen of width w covers w pixels across the line: an even width puts the extra one
    // above or to the left.
    const int w = m_pen->width;
    FillSolidRect(x - w / 2, y - w / 2, w, w, m_pen->colour);
}

void CSurface::LineTo(int x, int y) {
    const CPoint from = m_ptCurrent;
    m_ptCurrent = {x, y};
    if (!m_pen) return;
    const int w = m_pen->width;
    const Colour colour = m_pen->colour;
    if (from.y == y) {  // horizontal: one fill
        const int x0 = from.x <= x ? from.x : x + 1;
        const int x1 = from.x <= x ? x : from.x + 1;
        FillSolidRect(x0 - w / 2, y - w / 2, x1 - x0 + (w - 1), w, colour);
        return;
    }
    if (from.x == x) {  // vertical: one fill
        const int y0 = from.y <= y ? from.y : y + 1;
        const int y1 = from.y <= y ? y : from.y + 1;
        FillSolidRect(x - w / 2, y0 - w / 2, w, y1 - y0 + (w - 1), colour);
        return;
    }
    if (m_nScale > 1) {
        SlantedLine(from, {x, y});
        return;
    }
    // Bresenham, the end point left out.
    const int dx = std::abs(x - from.x), dy = -std::abs(y - from.y);
    const int stepX = from.x < x ? 1 : -1, stepY = from.y < y ? 1 : -1;
    int error = dx + dy;
    for (int px = from.x, py = from.y; px != x || py != y;) {
        Plot(px, py);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            px += stepX;
        }
        if (e2 <= dx) {
            error += dx;
            py += stepY;
        }
    }
}
