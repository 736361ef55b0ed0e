// Ellipses and text, the only drawing that goes through QPainter (training overlays).
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include "platform/surface.h"

namespace {

// The font height is the cell height (ascent plus descent); Liberation Sans, like Arial,
// has a cell of 1.117 em. The em is rounded down to whole pixels, as a small screen's
// rasteriser does: a height of 14 gives 12 pixels, 16 gives 14.
QFont ArialOfHeight(int height) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setPixelSize(qMax(1, int(height / 1.117)));
    return font;
}

int QtFlags(unsigned format) {
    // Only single-line text is centred vertically; everything else starts at the top.
    int flags = Qt::AlignTop;
    flags |= (format & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
    return flags;
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
    if (m_pPen)
        painter.setPen(QPen(QColor::fromRgb(m_pPen->colour), m_pPen->width, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
    else
        painter.setPen(Qt::NoPen);
    if (m_pBrush && !m_pBrush->hollow)
        painter.setBrush(QColor::fromRgb(m_pBrush->colour));
    else
        painter.setBrush(Qt::NoBrush);
    // The box leaves out its right column and bottom row, so the outline runs through the
    // centres of the pixels from left to right - 1; a wider pen spreads evenly to both sides.
    painter.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void CSurface::DrawText(const char* text, const CRect& rect, unsigned format, const CFont& font) {
    QImage image = Wrap(*this);
    QPainter painter(&image);
    // The layout is made in client coordinates with the font of k = 1, only drawn larger:
    // the lines break between the same words at every k.
    ToClient(painter, m_nScale);
    painter.setClipRect(ToQRect(rect));
    painter.setFont(ArialOfHeight(font.height));
    painter.setPen(QColor::fromRgb(m_textColour));
    painter.drawText(ToQRect(rect), QtFlags(format), QString::fromUtf8(text));
}

void CSurface::SlantedLine(CPoint from, CPoint to) {
    // A pen-wide stroke between the centres of the end pixels; square ends close the joins
    // of a polyline drawn segment by segment.
    QImage image = Wrap(*this);
    QPainter painter(&image);
    ToClient(painter, m_nScale);
    painter.setPen(QPen(QColor::fromRgb(m_pPen->colour), m_pPen->width, Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
}

CRect CSurface::MeasureText(const char* text, const CRect& rect, unsigned format,
                            const CFont& font) {
    const QFontMetrics metrics(ArialOfHeight(font.height));
    const QRect r = metrics.boundingRect(ToQRect(rect), QtFlags(format), QString::fromUtf8(text));
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
