#include "view/artwork/shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace artwork {

void DottedVLine(Canvas& c, int x, int y0, int y1, std::uint8_t ink) {
    const int step = y1 >= y0 ? 2 : -2;
    for (int y = y0; step > 0 ? y <= y1 : y >= y1; y += step) c.Set(x, y, ink);
}

namespace {

// Half-width of a figure that grows linearly from 0 at row `from` to `halfWidth` at row `to`.
int Spread(int y, int from, int to, int halfWidth) {
    const int span = std::abs(to - from);
    if (span == 0) return halfWidth;
    return static_cast<int>(std::lround(double(std::abs(y - from)) * halfWidth / span));
}

// A convex figure symmetric about column x, `width(y)` half-widths for rows top..bottom. A
// pixel belongs to the outline unless the rows above and below both cover it.
template <typename Width>
void Figure(Canvas& c, int x, int top, int bottom, Width width, std::uint8_t outline, std::uint8_t fill) {
    for (int y = top; y <= bottom; ++y) {
        const int w = width(y);
        const int above = y > top ? width(y - 1) : -1;
        const int below = y < bottom ? width(y + 1) : -1;
        const int inner = std::min(w, std::min(above, below) + 1);
        if (fill != kWhite && inner > 1) c.HLine(x - inner + 1, x + inner - 1, y, fill);
        c.HLine(x - w, x - inner, y, outline);
        c.HLine(x + inner, x + w, y, outline);
    }
}

}  // namespace

void Triangle(Canvas& c, int x, int apexY, int baseY, int halfWidth, std::uint8_t outline, std::uint8_t fill) {
    auto width = [&](int y) { return Spread(y, apexY, baseY, halfWidth); };
    Figure(c, x, std::min(apexY, baseY), std::max(apexY, baseY), width, outline, fill);
}

void Diamond(Canvas& c, int x, int top, int bottom, int halfWidth, std::uint8_t outline, std::uint8_t fill) {
    const double middle = (top + bottom) / 2.0, half = (bottom - top) / 2.0;
    auto width = [&](int y) {
        return static_cast<int>(std::lround(halfWidth * (1.0 - std::fabs(y - middle) / half)));
    };
    Figure(c, x, top, bottom, width, outline, fill);
}

void Ring(Canvas& c, int x, int top, int bottom, int halfWidth, std::uint8_t ink, bool fillUpper) {
    const double cy = (top + bottom) / 2.0;
    const double ry = (bottom - top) / 2.0 + 0.5;
    const double rx = halfWidth + 0.5;
    for (int y = top; y <= bottom; ++y)
        for (int px = x - halfWidth; px <= x + halfWidth; ++px) {
            const double dx = (px - x) / rx, dy = (y - cy) / ry;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double thickness = 1.3 / std::min(rx, ry);
            if (d <= 1.0 && (d >= 1.0 - thickness || (fillUpper && y < cy))) c.Set(px, y, ink);
        }
}

void Arrow(Canvas& c, int x0, int x1, int y, std::uint8_t ink) {
    c.HLine(x0, x1, y, ink);
    const int back = x1 > x0 ? -1 : 1;
    for (int k = 1; k <= 3; ++k) {
        c.Set(x1 + back * k, y - k, ink);
        c.Set(x1 + back * k, y + k, ink);
    }
}

}  // namespace artwork
