// Where each scale puts its values: strip column (0..1278, as a real number) of a value.
// Everything that must line up — graduations, index marks, lesson pointers — derives from
// these rules. The artwork draws from them and the lesson notes place pointers with them; the
// names stay in the artwork's namespace.
#pragma once

#include <cmath>

#include "model/degrees.h"

namespace model {

enum class Scale { S1a, S1, S2, S3, S4, S5, S6, S7, S8, S9, S10, S11, S12, S13, S14, S15, S16 };

// Pressure ratio p(H)/p0 of the ICAO standard atmosphere, H in km.
inline double PressureRatio(double km) {
    constexpr double kTropopause = 11.0;
    auto troposphere = [](double h) {
        return std::pow(1.0 - 0.0065 * h * 1000.0 / 288.15, 5.25588);
    };
    if (km <= kTropopause) return troposphere(km);
    return troposphere(kTropopause) *
           std::exp(-9.80665 * (km - kTropopause) * 1000.0 / (287.053 * 216.65));
}

// Scale 7: t is the sum t0 + tH in degrees C.
inline double Column7(double t) { return -1635.6 + 653.8 * std::log10(546.0 + t); }
// Scale 8: corrected altitude H in km.
inline double Column8(double km) { return 494.3 + 653.8 * std::log10(km); }

// Column of value v on scale s. Units: degrees for 1a, 3, 4 and the temperatures of 7, 10,
// 11 (degrees C); km for 8, 9, 12, 13; km/h for 14, 15, 16; plain numbers for 1, 2, 5, 6.
inline double Column(Scale s, double v) {
    switch (s) {
        case Scale::S1a: return -28.9 + 392.0 * std::log10(v);
        case Scale::S1: return 50.6 + 392.0 * std::log10(v);
        case Scale::S2: return 51.3 + 392.2 * std::log10(v);
        case Scale::S3: return 835.9 + 392.6 * std::log10(SinD(v));
        case Scale::S4: return 835.9 + 392.1 * std::log10(TanD(v));
        case Scale::S5: return 53.0 + 392.0 * std::log10(v);
        case Scale::S6: return 53.2 + 783.7 * std::log10(v);
        case Scale::S7: return Column7(v);
        case Scale::S8: return Column8(v);
        case Scale::S9: return Column8(v) + 126.0 - Column7(30.0 - 6.5 * v);
        case Scale::S10: return 83.6 + 723.8 * std::log10((273.15 + v) / 216.65);
        case Scale::S11: return 344.0 + 361.9 * std::log10((273.15 + v) / 288.15);
        case Scale::S12: return 344.0 + 361.9 * std::log10(PressureRatio(v));
        case Scale::S13: return 344.7 + 361.9 * std::log10((288.15 - 6.5 * v) / 288.15);
        case Scale::S14:
        case Scale::S15: return -1029.1 + 723.8 * std::log10(v);
        case Scale::S16: return 418.0 + 0.28 * (v - 100.0);
    }
    return 0.0;
}

// The value of scale s that stands at column c: the rule read backwards. Every rule is
// monotone over its scale's run, so halving the interval of its values finds it.
inline double ValueAtColumn(Scale s, double c) {
    double lo = 0.5, hi = 2000;
    switch (s) {
        case Scale::S1a: lo = 10, hi = 400; break;
        case Scale::S3: lo = 1, hi = 90; break;
        case Scale::S4: lo = 0.1, hi = 89.9; break;
        case Scale::S6: lo = 0.5, hi = 40; break;
        case Scale::S8:
        case Scale::S9: lo = 0.1, hi = 13; break;
        case Scale::S7: lo = -150, hi = 120; break;
        case Scale::S10:
        case Scale::S11: lo = -100, hi = 50; break;
        case Scale::S12:
        case Scale::S13: lo = 0, hi = 13; break;
        default: break;
    }
    const bool rising = Column(s, hi) > Column(s, lo);
    for (int i = 0; i < 64; ++i) {
        const double mid = (lo + hi) / 2;
        ((Column(s, mid) < c) == rising ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

}  // namespace model
