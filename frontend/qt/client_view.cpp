#include "frontend/qt/client_view.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include "frontend/qt/main_window.h"
#include "frontend/qt/scale.h"
#include "resources/images.h"

namespace {

// Key-state flags of a stylus event, in the platform's bits.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

unsigned KeyFlags(const QMouseEvent& event) {
    unsigned flags = 0;
    if (event.buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
    if (event.modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

// The space around the frame, in the frame's own background grey.
const QColor kMarginColour(128, 128, 128);

}  // namespace

CClientView::CClientView(CQtMainWindow& window, int startFactor)
    : m_window(window), m_nStartFactor(startFactor), m_nFactor(startFactor) {
    setObjectName(QStringLiteral("ClientView"));
    setAccessibleName(QStringLiteral("Линейка"));  // until a chooser, lesson or task says more
    // The frame covers the whole area and the margins are painted too: nothing to erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Taking focus on a press lets a focus loss in mid-gesture end the capture; the keys
    // come here from start-up on.
    setFocusPolicy(Qt::ClickFocus);
}

void CClientView::SetPreferredFactor(int factor) {
    m_nStartFactor = factor;
    updateGeometry();
}

QSize CClientView::sizeHint() const {
    return {kClientWidth * m_nStartFactor, kClientHeight * m_nStartFactor};
}

QSize CClientView::minimumSizeHint() const { return {kClientWidth, kClientHeight}; }

int CClientView::ScaleHere() const {
    return DeviceScale(m_nFactor, devicePixelRatioF(), kMaxImageScale);
}

void CClientView::SelectScale() {
    const int k = ScaleHere();
    if (k == m_nScale) return;
    m_nScale = k;
    m_surface.reset();  // made when it is needed
    m_image = QImage();
}

void CClientView::Relayout() {
    const int factor = ScaleForView(size());
    const QPoint origin = FrameOrigin(size(), factor);
    if (factor == m_nFactor && origin == m_ptOrigin && ScaleHere() == m_nScale) return;
    m_nFactor = factor;
    m_ptOrigin = origin;
    SelectScale();
    m_window.ClientLayoutChanged();
    update();
}

void CClientView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

bool CClientView::ComposeInPlace(QPainter& painter) {
    // A child (the lesson list) lies over the frame: the painter leaves its pixels alone, and
    // so must the frame, which then goes through the painter.
    for (const QObject* child : children())
        if (const auto* widget = qobject_cast<const QWidget*>(child); widget && widget->isVisible())
            return false;
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image) return false;
    const QImage& image = *static_cast<const QImage*>(device);
    if (image.format() != QImage::Format_RGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        return false;
    // Logical pixels reach the image k / factor times larger, and nothing turns or skews.
    const QTransform toImage = painter.deviceTransform();
    if (!toImage.isAffine() || toImage.m12() != 0 || toImage.m21() != 0 ||
        toImage.m11() * m_nFactor != m_nScale || toImage.m22() * m_nFactor != m_nScale)
        return false;
    const QPointF corner = toImage.map(QPointF(m_ptOrigin));
    const int x = qRound(corner.x()), y = qRound(corner.y());
    const int k = m_nScale;
    const QRect mine = toImage.mapRect(QRectF(rect())).toAlignedRect();
    const QRect frame(x, y, kClientWidth * k, kClientHeight * k);
    if (!mine.contains(frame) || !image.rect().contains(frame)) return false;
    // The backing image is this window's alone; its pixels are 0xFFRRGGBB in both formats.
    auto* bits = reinterpret_cast<Colour*>(const_cast<uchar*>(image.constScanLine(y))) + x;
    CSurface window(bits, kClientWidth, kClientHeight, int(image.bytesPerLine() / 4), k);
    m_window.PaintClient(window);
    return true;
}

void CClientView::paintEvent(QPaintEvent* /*event*/) {
    SelectScale();  // a screen of another pixel ratio shows the window now
    QPainter painter(this);
    const QRect target(m_ptOrigin, QSize(kClientWidth * m_nFactor, kClientHeight * m_nFactor));
    // The margins, at most four bands around the frame.
    const int w = width();
    const int h = height();
    if (target.top() > 0) painter.fillRect(0, 0, w, target.top(), kMarginColour);
    if (target.bottom() + 1 < h)
        painter.fillRect(0, target.bottom() + 1, w, h - target.bottom() - 1, kMarginColour);
    if (target.left() > 0)
        painter.fillRect(0, target.top(), target.left(), target.height(), kMarginColour);
    if (target.right() + 1 < w)
        painter.fillRect(target.right() + 1, target.top(), w - target.right() - 1, target.height(),
                         kMarginColour);
    if (ComposeInPlace(painter)) return;
    if (!m_surface) {
        m_surface.emplace(kClientWidth, kClientHeight, m_nScale);
        m_image = QImage(reinterpret_cast<const uchar*>(m_surface->Bits()), m_surface->Width(),
                         m_surface->Height(), m_surface->Stride() * int(sizeof(Colour)),
                         QImage::Format_RGB32);
        m_image.setDevicePixelRatio(double(m_nScale) / m_nFactor);
    }
    m_window.PaintClient(*m_surface);
    // 1:1 when the ratio is whole; otherwise the platform scales it, smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target.topLeft(), m_image);
}

void CClientView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_window.StylusDown(KeyFlags(*event), MapToClient(event->position(), m_ptOrigin, m_nFactor));
}

void CClientView::mouseMoveEvent(QMouseEvent* event) {
    // Only moves while touching: the stylus has no hover.
    if (!(event->buttons() & Qt::LeftButton)) return;
    m_window.StylusMove(KeyFlags(*event), MapToClient(event->position(), m_ptOrigin, m_nFactor));
}

void CClientView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_window.StylusUp(KeyFlags(*event), MapToClient(event->position(), m_ptOrigin, m_nFactor));
}

void CClientView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers press, release, double click, release: the double click stands in for the
    // second press, as the logic expects. QWidget's default would turn it into a press.
    if (event->button() != Qt::LeftButton) return;
    m_window.StylusDoubleTap(KeyFlags(*event),
                             MapToClient(event->position(), m_ptOrigin, m_nFactor));
}

void CClientView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_window.LoseCapture();
    m_window.LoseKeys();
}

void CClientView::keyPressEvent(QKeyEvent* event) {
    if (!m_window.KeyDown(*event)) QWidget::keyPressEvent(event);
}

void CClientView::keyReleaseEvent(QKeyEvent* event) {
    if (!m_window.KeyUp(*event)) QWidget::keyReleaseEvent(event);
}

void CClientView::wheelEvent(QWheelEvent* event) {
    if (!m_window.Wheel(*event)) QWidget::wheelEvent(event);
}

bool CClientView::event(QEvent* event) {
    if (event->type() == QEvent::UngrabMouse) m_window.LoseCapture();
    // Moved to a screen of another pixel ratio: k is chosen again and the frame redrawn.
    if (event->type() == QEvent::ScreenChangeInternal) Relayout();
    return QWidget::event(event);
}
