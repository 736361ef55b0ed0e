#include "frontend/qt/client_view.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "frontend/qt/main_window.h"
#include "frontend/qt/scale.h"

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

// The space around the enlarged frame, in the frame's own background grey.
const QColor kMarginColour(128, 128, 128);

}  // namespace

CClientView::CClientView(CQtMainWindow& window, int startFactor)
    : m_window(window),
      m_nStartFactor(startFactor),
      m_nFactor(startFactor),
      m_surface(kClientWidth, kClientHeight),
      m_image(reinterpret_cast<const uchar*>(m_surface.Bits()), kClientWidth, kClientHeight,
              kClientWidth * int(sizeof(Colour)), QImage::Format_RGB32) {
    setObjectName(QStringLiteral("ClientView"));
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

QSize CClientView::minimumSizeHint() const {
    return {kClientWidth, kClientHeight};
}

void CClientView::Relayout() {
    const int factor = ScaleForView(size());
    const QPoint origin = FrameOrigin(size(), factor);
    if (factor == m_nFactor && origin == m_ptOrigin) return;
    m_nFactor = factor;
    m_ptOrigin = origin;
    m_window.ClientLayoutChanged();
    update();
}

void CClientView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void CClientView::paintEvent(QPaintEvent* /*event*/) {
    m_window.PaintClient(m_surface);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect target(m_ptOrigin,
                       QSize(kClientWidth * m_nFactor, kClientHeight * m_nFactor));
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
    painter.drawImage(target, m_image);
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
    return QWidget::event(event);
}
