// The client area of the program window: shows the 240x268 frame enlarged by a whole factor
// and hands stylus events, mapped back to client coordinates, to the window's logic.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/surface.h"

class CQtMainWindow;

class CClientView : public QWidget {
  public:
    CClientView(CQtMainWindow& window, int startFactor);

    int Factor() const { return m_nFactor; }
    QPoint Origin() const { return m_ptOrigin; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The factor the window is sized for; the view picks the largest that fits its size.
    void SetPreferredFactor(int factor);

    // The frame as the last paint left it, in client pixels.
    const QImage& Frame() const { return m_image; }

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

    CQtMainWindow& m_window;
    int m_nStartFactor;
    int m_nFactor;
    QPoint m_ptOrigin;
    // The window's surface for the logic's paint, and a QImage over the same pixels: a paint
    // allocates nothing of its own.
    CSurface m_surface;
    QImage m_image;
};
