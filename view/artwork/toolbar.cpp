// 151: the toolbar strip, two 16x15 buttons on silver. The first is blank; the second
// carries the undo glyph in blue.
#include <cmath>

#include "view/artwork/image_set.h"

namespace artwork {

Canvas DrawToolbar() {
    Canvas bar(32, 15, kSilver);
    constexpr int kLeft = 16;  // the undo button's first column

    // An arc turning counter-clockwise over the top, from the right side down to the upper
    // left, where the arrowhead takes over.
    constexpr double kPi = 3.14159265358979323846;
    constexpr double cx = kLeft + 9.0, cy = 6.0;
    for (int y = 1; y <= 9; ++y) {
        for (int x = kLeft + 3; x < kLeft + 16; ++x) {
            const double dx = x - cx, dy = cy - y;
            const double r = std::sqrt(dx * dx + dy * dy);
            const double angle = std::atan2(dy, dx) * 180.0 / kPi;
            if (r >= 3.6 && r <= 5.4 && angle >= -40.0 && angle <= 150.0) bar.Set(x, y, kBlue);
        }
    }
    // The arrowhead, solid, pointing down and to the left.
    for (int row = 3; row <= 6; ++row) bar.HLine(kLeft + 1, kLeft + 1 + (row - 3), row, kBlue);
    // A bar and three short dashes under the arc.
    bar.Fill(kLeft, 11, kLeft + 8, 12, kBlue);
    for (int x : {26, 28, 30}) bar.VLine(x, 11, 12, kBlue);
    return bar;
}

}  // namespace artwork
