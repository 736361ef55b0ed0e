// Finding drawn marks in the images: the box around pixels of some colours.
#pragma once

#include <initializer_list>

#include "tests/artwork/generated.h"

namespace artwork_test {

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < left; }
    double CentreX() const { return (left + right) / 2.0; }
};

// The bounding box of the pixels in columns x0..x1, rows y0..y1 whose colour is one of `inks`.
inline Box BoundsOf(const Bitmap& b, int x0, int x1, int y0, int y1, std::initializer_list<int> inks) {
    Box box;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            for (int ink : inks)
                if (b.At(x, y) == ink) {
                    box.left = x < box.left ? x : box.left;
                    box.right = x > box.right ? x : box.right;
                    box.top = y < box.top ? y : box.top;
                    box.bottom = y > box.bottom ? y : box.bottom;
                }
    return box;
}

inline int CountOf(const Bitmap& b, int x0, int x1, int y0, int y1, int ink) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += b.At(x, y) == ink;
    return n;
}

inline int InkCount(const Bitmap& b, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += b.At(x, y) != kWhite;
    return n;
}

// The column of a framed numeral's rectangle: the midpoint of its two upright sides (black
// runs of at least `minHeight` rows in rows y0..y1 around `near`).
inline double FrameCentre(const Bitmap& b, int near, int y0, int y1, int minHeight) {
    int left = -1, right = -1;
    for (int x = near - 20; x <= near + 20; ++x) {
        int run = 0, best = 0;
        for (int y = y0; y <= y1; ++y) {
            run = b.At(x, y) == kBlack ? run + 1 : 0;
            best = run > best ? run : best;
        }
        if (best >= minHeight) {
            if (left < 0) left = x;
            right = x;
        }
    }
    return left < 0 ? -1.0 : (left + right) / 2.0;
}

}  // namespace artwork_test
