// Ellipses and text, the only drawing that goes through QPainter (training overlays).
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "platform/line_breaks.h"
#include "platform/qt_text.h"
#include "platform/surface.h"
#include "platform/text_metrics.h"

// Liberation Sans, as "Arial" resolves to it.
QFont ArialOfHeight(int height) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setPixelSize(FontPixelSize(height));
    return font;
}

namespace {

// Qt only places each line; the lines are broken by our own rule.
int QtFlags(unsigned format) {
    return Qt::AlignTop | ((format & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft);
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

// How far a line reaches, in whole pixels: its advance, which a glyph position may leave
// fractional, and the ink of a last letter that leans past it, so that no letter is cut at the
// rectangle's edge.
int QtReach(std::string_view run, const QFontMetricsF& metrics) {
    const QString line = ToQString(run);
    if (line.isEmpty()) return 0;
    return int(std::ceil(metrics.horizontalAdvance(line) +
                         std::max(0.0, -metrics.rightBearing(line.back()))));
}

namespace {

// Without DT_WORDBREAK the text is one line, however long.
std::vector<std::string_view> LinesOf(const char* text, int width, unsigned format,
                                      const QFontMetricsF& metrics) {
    if (!(format & DT_WORDBREAK)) return {std::string_view(text)};
    return BreakLines(text, width,
                      [&metrics](std::string_view run) { return QtReach(run, metrics); });
}

QImage Wrap(CPixmap& pixmap) {
    return QImage(reinterpret_cast<uchar*>(pixmap.Bits()), pixmap.Width(), pixmap.Height(),
                  pixmap.Stride() * int(sizeof(Colour)), QImage::Format_RGB32);
}

QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// Client coordinates on the surface's pixels: at k > 1 everything is drawn k times larger
// and smoothed.
void ToClient(QPainter& painter, int scale) {
    if (scale == 1) return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale, scale);
}

}  // namespace

void CSurface::Ellipse(int left, int top, int right, int bottom) {
    QImage image = Wrap(*this);
    QPainter painter(&image);
    ToClient(painter, m_nScale);
    if (m_pen)
        painter.setPen(QPen(QColor::fromRgb(m_pen->colour), m_pen->width, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
    else
        painter.setPen(Qt::NoPen);
    if (m_brush && !m_brush->hollow)
        painter.setBrush(QColor::fromRgb(m_brush->colour));
    else
        painter.setBrush(Qt::NoBrush);
    // The box leaves out its right column and bottom row, so the outline runs through the
    // centres of the pixels from left to right - 1; a wider pen spreads evenly to both sides.
    painter.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void CSurface::DrawText(const char* text, const CRect& rect, unsigned format, const CFont& font) {
    const QFontMetricsF metrics(ArialOfHeight(font.height));
    DrawLines(LinesOf(text, rect.right - rect.left, format, metrics), rect, format, font);
}

void CSurface::DrawLines(const std::vector<std::string_view>& lines, const CRect& rect,
                         unsigned format, const CFont& font) {
    const QFont qfont = ArialOfHeight(font.height);
    const int cell = QFontMetrics(qfont).height();
    QImage image = Wrap(*this);
    QPainter painter(&image);
    // The layout is made in client coordinates with the font of k = 1, only drawn larger:
    // the lines break between the same words at every k.
    ToClient(painter, m_nScale);
    painter.setClipRect(ToQRect(rect));
    painter.setFont(qfont);
    painter.setPen(QColor::fromRgb(m_textColour));
    // One line under the other, a cell apart, from the rectangle's top.
    int top = rect.top;
    for (std::string_view line : lines) {
        if (top >= rect.bottom) break;
        painter.drawText(QRect(rect.left, top, rect.right - rect.left, cell), QtFlags(format),
                         ToQString(line));
        top += cell;
    }
}

std::vector<std::string_view> CSurface::BreakText(const char* text, int width, const CFont& font) {
    const QFontMetricsF metrics(ArialOfHeight(font.height));
    return LinesOf(text, width, DT_WORDBREAK, metrics);
}

void CSurface::SlantedLine(CPoint from, CPoint to) {
    // A pen-wide stroke between the centres of the end pixels; square ends close the joins
    // of a polyline drawn segment by segment.
    QImage image = Wrap(*this);
    QPainter painter(&image);
    ToClient(painter, m_nScale);
    painter.setPen(QPen(QColor::fromRgb(m_pen->colour), m_pen->width, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
}

CRect CSurface::MeasureText(const char* text, const CRect& rect, unsigned format,
                            const CFont& font) {
    const QFont qfont = ArialOfHeight(font.height);
    const QFontMetricsF metrics(qfont);
    const std::vector<std::string_view> lines =
        LinesOf(text, rect.right - rect.left, format, metrics);
    int widest = 0;
    for (std::string_view line : lines) widest = std::max(widest, QtReach(line, metrics));
    const int left =
        (format & DT_CENTER) ? rect.left + (rect.right - rect.left - widest) / 2 : rect.left;
    return {left, rect.top, left + widest,
            rect.top + int(lines.size()) * QFontMetrics(qfont).height()};
}
