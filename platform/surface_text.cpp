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
                  pixmap.Width() * int(sizeof(Colour)), QImage::Format_RGB32);
}

QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

void CSurface::Ellipse(int left, int top, int right, int bottom) {
    QImage image = Wrap(*this);
    QPainter painter(&image);
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
    QImage image = Wrap(*this);
    QPainter painter(&image);
    painter.setClipRect(ToQRect(rect));
    painter.setFont(ArialOfHeight(font.height));
    painter.setPen(QColor::fromRgb(m_textColour));
    painter.drawText(ToQRect(rect), QtFlags(format), QString::fromUtf8(text));
}

CRect CSurface::MeasureText(const char* text, const CRect& rect, unsigned format,
                            const CFont& font) {
    const QFontMetrics metrics(ArialOfHeight(font.height));
    const QRect r = metrics.boundingRect(ToQRect(rect), QtFlags(format), QString::fromUtf8(text));
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
