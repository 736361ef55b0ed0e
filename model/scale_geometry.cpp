#include "model/scale_geometry.h"

namespace model {

bool OnSlide(Scale scale) {
    switch (scale) {
        case Scale::S2:
        case Scale::S3:
        case Scale::S4:
        case Scale::S9:
        case Scale::S16:
        case Scale::S10:
        case Scale::S11:
        case Scale::S14: return true;
        default: return false;
    }
}

int SideOf(Scale scale) {
    switch (scale) {
        case Scale::S1a:
        case Scale::S1:
        case Scale::S2:
        case Scale::S3:
        case Scale::S4:
        case Scale::S5:
        case Scale::S6: return 0;
        default: return 1;
    }
}

void LineBand(Scale scale, int& lo, int& hi) {
    switch (scale) {
        case Scale::S1a: lo = 64, hi = 76; return;
        case Scale::S1: lo = 86, hi = 100; return;
        case Scale::S2: lo = 109, hi = 130; return;
        case Scale::S3: lo = 150, hi = 164; return;
        case Scale::S4: lo = 171, hi = 189; return;
        case Scale::S5: lo = 200, hi = 212; return;
        case Scale::S6: lo = 236, hi = 246; return;
        case Scale::S7: lo = hi = 99; return;
        case Scale::S8: lo = hi = 96; return;
        case Scale::S9: lo = hi = 115; return;
        case Scale::S16: lo = hi = 139; return;
        case Scale::S10:
        case Scale::S11:
        case Scale::S14: lo = 169, hi = 189; return;
        case Scale::S12:
        case Scale::S15: lo = 199, hi = 210; return;
        case Scale::S13: lo = hi = 229; return;
    }
}

int PointerLine(Scale scale) {
    switch (scale) {
        case Scale::S1a: return 70;  // the hanging ticks and their numerals
        case Scale::S1: return 100;  // numerals over the baseline, the ticks below
        case Scale::S2: return 116;  // baseline of the hanging band
        case Scale::S3: return 152;  // the axis
        case Scale::S4: return 185;  // numerals over the baseline
        case Scale::S5: return 204;  // baseline of the hanging band
        case Scale::S6: return 242;
        case Scale::S10:
        case Scale::S11:
        case Scale::S14: return 184;
        case Scale::S12:
        case Scale::S15: return 204;
        default: {
            int lo = 0, hi = 0;
            LineBand(scale, lo, hi);
            return lo;
        }
    }
}

void ScaleColumns(Scale scale, int& first, int& last) {
    switch (scale) {
        case Scale::S1a: first = 550, last = 973; return;
        case Scale::S1: first = 51, last = 1227; return;
        case Scale::S2: first = 52, last = 1228; return;
        case Scale::S3: first = 420, last = 836; return;
        case Scale::S4: first = 29, last = 1251; return;
        case Scale::S5: first = 54, last = 1229; return;
        case Scale::S6: first = 54, last = 1229; return;
        case Scale::S7: first = 84, last = 201; return;
        case Scale::S8: first = 235, last = 1200; return;
        case Scale::S9: first = 195, last = 1198; return;
        case Scale::S16: first = 418, last = 782; return;
        case Scale::S10: first = 55, last = 120; return;
        case Scale::S11: first = 288, last = 352; return;
        case Scale::S14: first = 418, last = 1248; return;
        case Scale::S12: first = 84, last = 344; return;
        case Scale::S15: first = 418, last = 1199; return;
        case Scale::S13: first = 299, last = 344; return;
    }
}

}  // namespace model
