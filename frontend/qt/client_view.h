// The client area of the program window: shows the 240x268 frame at a whole factor of
// logical pixels, composed at the screen's own resolution (k device pixels a client pixel)
// and shown 1:1, and hands stylus events, mapped back to client coordinates, to the
// window's logic.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "platform/surface.h"

class CQtMainWindow;
class QPainter;

class CClientView : public QWidget {
  public:
    CClientView(CQtMainWindow& window, int startFactor);

    int Factor() const { return m_nFactor; }  // logical pixels a client pixel
    int Scale() const { return m_nScale; }    // device pixels a client pixel: k
    QPoint Origin() const { return m_ptOrigin; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The factor the window is sized for; the view picks the largest that fits its size.
    void SetPreferredFactor(int factor);

    // The k of this view's factor on this screen.
    int ScaleHere() const;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void Relayout();
    // Takes up the k of the moment: a new one makes the surface of its size.
    void SelectScale();
    // Composes the frame straight into the window's backing image, where it will be shown;
    // false when the painter does not draw on a 32-bit image at exactly k.
    bool ComposeInPlace(QPainter& painter);

    CQtMainWindow& m_window;
    int m_nStartFactor;
    int m_nFactor;
    int m_nScale = 0;
    QPoint m_ptOrigin;
    // When the frame cannot be composed in place: a surface of its own at k, and a QImage
    // over the same pixels with its device pixel ratio, drawn in one plain copy.
    std::optional<CSurface> m_surface;
    QImage m_image;
};
