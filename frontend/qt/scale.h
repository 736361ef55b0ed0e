// How the client frame sits in the window: a whole factor of logical pixels a client pixel,
// centred in the space it gets, and drawn at the screen's own resolution: k device pixels a
// client pixel.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

#include "platform/geometry.h"
#include "platform/layout.h"

// The parts of the window around the client area: what keeps its size (title bar, borders,
// menu bar, the toolbar's padding) and the toolbar's icon rows, which grow with the factor.
struct CWindowChrome {
    int width = 0;
    int height = 0;
    int heightPerFactor = 0;
};

// The largest whole factor at which the whole window fits into the screen's available area;
// 1 when not even that fits.
int ScaleForScreen(QSize available, const CWindowChrome& chrome);

// The largest whole factor at which the frame fits into a client area of this size; at least 1.
int ScaleForView(QSize view);

// k, the device pixels a client pixel: the factor times the device pixel ratio, rounded up
// when the ratio is fractional (the frame is then scaled down smoothly), and at most
// `largest`, the finest scale the image set is drawn at (the frame is then enlarged
// smoothly by what is left).
int DeviceScale(int factor, double devicePixelRatio, int largest);

// Top left corner of the frame, centred in the view; never negative.
QPoint FrameOrigin(QSize view, int factor);

// A point of the view in client coordinates: floor((pos - origin) / factor) on each axis, so
// that every client pixel owns exactly factor x factor view pixels, also left of and above the
// frame. Points outside the frame are not clamped.
CPoint MapToClient(QPointF pos, QPoint origin, int factor);

// A client rectangle (right and bottom exclusive) in view coordinates.
QRect MapToView(const CRect& rect, QPoint origin, int factor);
