#include "view/artwork/shapes.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace artwork {

struct ClientPainter::Impl {
    QImage image;
    QPainter painter;
};

ClientPainter::ClientPainter(Canvas& c) : m_impl(new Impl) {
    m_impl->image = QImage(reinterpret_cast<uchar*>(c.DeviceBits()), c.DeviceWidth(),
                           c.DeviceHeight(), c.DeviceWidth() * 4, QImage::Format_RGB32);
    QPainter& p = m_impl->painter;
    p.begin(&m_impl->image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(c.Scale(), c.Scale());
    p.translate(0.5, 0.5);
}

ClientPainter::~ClientPainter() {
    m_impl->painter.end();
    delete m_impl;
}

namespace {

QColor ColourOf(std::uint8_t ink) { return QColor::fromRgb(Argb(ink)); }

void Tools(QPainter& p, std::uint8_t outline, std::uint8_t fill, double width) {
    if (outline == kWhite)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(ColourOf(outline), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    if (fill == kWhite)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(ColourOf(fill));
}

}  // namespace

void ClientPainter::Polygon(std::initializer_list<std::pair<double, double>> points,
                            std::uint8_t outline, std::uint8_t fill) {
    QPolygonF polygon;
    for (const auto& [x, y] : points) polygon << QPointF(x, y);
    Tools(m_impl->painter, outline, fill, 1.0);
    m_impl->painter.drawPolygon(polygon);
}

void ClientPainter::Line(double x0, double y0, double x1, double y1, std::uint8_t ink,
                         double width) {
    Tools(m_impl->painter, ink, kWhite, width);
    m_impl->painter.drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

void ClientPainter::Ellipse(double cx, double cy, double rx, double ry, std::uint8_t outline,
                            std::uint8_t fill, double width) {
    Tools(m_impl->painter, outline, fill, width);
    m_impl->painter.drawEllipse(QPointF(cx, cy), rx, ry);
}

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
void Figure(Canvas& c, int x, int top, int bottom, Width width, std::uint8_t outline,
            std::uint8_t fill) {
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

void Triangle(Canvas& c, int x, int apexY, int baseY, int halfWidth, std::uint8_t outline,
              std::uint8_t fill) {
    if (c.Scale() > 1) {
        ClientPainter(c).Polygon({{x, apexY}, {x - halfWidth, baseY}, {x + halfWidth, baseY}},
                                 outline, fill);
        return;
    }
    auto width = [&](int y) { return Spread(y, apexY, baseY, halfWidth); };
    Figure(c, x, std::min(apexY, baseY), std::max(apexY, baseY), width, outline, fill);
}

void Diamond(Canvas& c, int x, int top, int bottom, int halfWidth, std::uint8_t outline,
             std::uint8_t fill) {
    if (c.Scale() > 1) {
        const double middle = (top + bottom) / 2.0;
        ClientPainter(c).Polygon(
            {{x, top}, {x + halfWidth, middle}, {x, bottom}, {x - halfWidth, middle}}, outline,
            fill);
        return;
    }
    const double middle = (top + bottom) / 2.0, half = (bottom - top) / 2.0;
    auto width = [&](int y) {
        return static_cast<int>(std::lround(halfWidth * (1.0 - std::fabs(y - middle) / half)));
    };
    Figure(c, x, top, bottom, width, outline, fill);
}

void Ring(Canvas& c, int x, int top, int bottom, int halfWidth, std::uint8_t ink, bool fillUpper) {
    if (c.Scale() > 1) {
        // The ring's outer edge where the pixels' edges are at k = 1, 1.3 pixels thick.
        const double cy = (top + bottom) / 2.0, ry = (bottom - top) / 2.0 + 0.5,
                     rx = halfWidth + 0.5;
        ClientPainter p(c);
        p.Ellipse(x, cy, rx - 0.65, ry - 0.65, ink, kWhite, 1.3);
        if (fillUpper) {
            // The upper half solid: the ellipse's top half as a polygon of its points.
            constexpr int kSteps = 24;
            for (int i = 0; i < kSteps; ++i) {
                const double a0 = 3.14159265358979 * i / kSteps,
                             a1 = 3.14159265358979 * (i + 1) / kSteps;
                p.Polygon({{x, cy},
                           {x + rx * std::cos(a0), cy - ry * std::sin(a0)},
                           {x + rx * std::cos(a1), cy - ry * std::sin(a1)}},
                          kWhite, ink);
            }
        }
        return;
    }
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
    if (c.Scale() > 1) {
        ClientPainter p(c);
        const int back = x1 > x0 ? -1 : 1;
        p.Line(x0, y, x1, y, ink);
        p.Line(x1, y, x1 + 3 * back, y - 3, ink);
        p.Line(x1, y, x1 + 3 * back, y + 3, ink);
        return;
    }
    c.HLine(x0, x1, y, ink);
    const int back = x1 > x0 ? -1 : 1;
    for (int k = 1; k <= 3; ++k) {
        c.Set(x1 + back * k, y - k, ink);
        c.Set(x1 + back * k, y + k, ink);
    }
}

}  // namespace artwork
