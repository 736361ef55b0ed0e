// The cursor runner: a silver body with a black outline, drawn so that column 19 lies on the
// hairline and columns 7 and 31 on the grey edge lines.
#include "view/artwork/image_set.h"
#include "view/artwork/shapes.h"

namespace artwork {

// IDB_CURSOR_CAP: the upper cap, 39x4. Bevelled corners step down one column a row.
Canvas DrawCursorCap(int scale) {
    if (scale > 1) {
        // The runner's outline through the centres of the pixels the bevel steps through.
        Canvas cap(39, 4, kGrey, scale);
        ClientPainter(cap).Polygon(
            {{3, 0}, {35, 0}, {38.5, 3.5}, {38.5, 4.5}, {-0.5, 4.5}, {-0.5, 3.5}}, kBlack, kSilver);
        cap.Set(7, 3, kGrey);
        cap.Set(31, 3, kGrey);
        return cap;
    }
    Canvas cap(39, 4, kSilver, scale);
    cap.HLine(3, 35, 0, kBlack);
    for (int row = 0; row < 4; ++row) {
        const int left = 3 - row, right = 35 + row;  // the bevel's black step in this row
        if (row > 0) {
            cap.Set(left, row, kBlack);
            cap.Set(right, row, kBlack);
        }
        for (int x = 0; x < left; ++x) cap.Set(x, row, kGrey);
        for (int x = right + 1; x < 39; ++x) cap.Set(x, row, kGrey);
    }
    cap.Set(7, 3, kGrey);
    cap.Set(31, 3, kGrey);
    return cap;
}

// IDB_CURSOR_GRIP: the lower grip, 39x14, with two studs to take hold of.
Canvas DrawCursorGrip(int scale) {
    if (scale > 1) {
        Canvas grip(39, 14, kGrey, scale);
        {
            ClientPainter p(grip);
            p.Polygon({{0, -1}, {0, 8}, {5, 13}, {33, 13}, {38, 8}, {38, -1}}, kBlack, kSilver);
            for (int left : {4, 31}) {  // a ring with a highlight at its upper left
                p.Ellipse(left + 1.5, 7.5, 1.5, 1.5, kBlack, kWhite);
                p.Ellipse(left + 1, 7, 0.45, 0.45, kWhite, kWhite);
            }
        }
        for (int row = 0; row <= 1; ++row) {
            grip.Set(7, row, kGrey);
            grip.Set(31, row, kGrey);
        }
        return grip;
    }
    Canvas grip(39, 14, kSilver, scale);
    grip.VLine(0, 0, 8, kBlack);
    grip.VLine(38, 0, 8, kBlack);
    for (int row = 9; row <= 12; ++row) {
        const int left = row - 8, right = 46 - row;  // the bevel's black step in this row
        grip.Set(left, row, kBlack);
        grip.Set(right, row, kBlack);
        for (int x = 0; x < left; ++x) grip.Set(x, row, kGrey);
        for (int x = right + 1; x < 39; ++x) grip.Set(x, row, kGrey);
    }
    grip.Fill(0, 13, 4, 13, kGrey);
    grip.HLine(5, 33, 13, kBlack);
    grip.Fill(34, 13, 38, 13, kGrey);
    for (int row = 0; row <= 1; ++row) {
        grip.Set(7, row, kGrey);
        grip.Set(31, row, kGrey);
    }
    for (int left : {4, 31}) {  // a 4x4 ring with a highlight at its upper left
        grip.HLine(left + 1, left + 2, 6, kBlack);
        grip.HLine(left + 1, left + 2, 9, kBlack);
        grip.VLine(left, 7, 8, kBlack);
        grip.VLine(left + 3, 7, 8, kBlack);
        grip.Set(left + 1, 7, kWhite);
    }
    return grip;
}

}  // namespace artwork
