#include "frontend/qt/scale.h"

#include <algorithm>
#include <cmath>

int ScaleForScreen(QSize available, const CWindowChrome& chrome) {
    const int byWidth = (available.width() - chrome.width) / kClientWidth;
    const int byHeight =
        (available.height() - chrome.height) / (kClientHeight + chrome.heightPerFactor);
    return std::max(1, std::min(byWidth, byHeight));
}

int ScaleForView(QSize view) {
    return std::max(1, std::min(view.width() / kClientWidth, view.height() / kClientHeight));
}

int DeviceScale(int factor, double devicePixelRatio, int largest) {
    // A ratio a hair above a whole number is that number, not the next one up.
    const int ratio = std::max(1, int(std::ceil(devicePixelRatio - 1e-6)));
    return std::clamp(factor * ratio, 1, largest);
}

QPoint FrameOrigin(QSize view, int factor) {
    return {std::max(0, (view.width() - kClientWidth * factor) / 2),
            std::max(0, (view.height() - kClientHeight * factor) / 2)};
}

CPoint MapToClient(QPointF pos, QPoint origin, int factor) {
    // A view pixel is the unit square from its integer corner; flooring keeps -0.5 at -1.
    const double x = std::floor(pos.x()) - origin.x();
    const double y = std::floor(pos.y()) - origin.y();
    return {int32_t(std::floor(x / factor)), int32_t(std::floor(y / factor))};
}

QRect MapToView(const CRect& rect, QPoint origin, int factor) {
    return QRect(origin.x() + rect.left * factor, origin.y() + rect.top * factor,
                 rect.Width() * factor, rect.Height() * factor);
}
