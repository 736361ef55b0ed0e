// The value each kind of task asks for, worked out the way a navigator's textbook states it,
// without the rule's shortcuts and independently of the trainer's own formulas: the wind
// triangle by its vectors and the law of cosines, the density of the standard atmosphere from
// its physical constants, the turn from the centripetal acceleration.
//
// Is the kind's value the true navigation value, and is the lesson's method, done on the rule,
// within the accepted range of it?
//
//  kind  asks for                         kind's value            lesson's method on the rule
//  2-14  products, quotients, sin, tg     true                    within (the same formula)
//  16-18 distance, time, speed            true                    within
//  19-21 unit conversions                 true                    within
//  23    true airspeed                    true (troposphere)      within
//  24    greatest drift angle             true                    within
//  25    ground speed                     true (sine rule)        within, with the drift read off
//                                                                 the rule; draws where not are
//                                                                 not set
//  26    wind speed                       true (law of cosines)   the shortcut V sin d / sin a
//                                                                 gives too little wind where the
//                                                                 drift is large: only draws where
//                                                                 it lands within are set
//  27    equivalent wind                  U cos e, an approximation by definition (the true one
//                                         needs the airspeed, not given): the problem says so
//  28-30 deviation, corrections           true                    within
//  31    convergence of meridians         true (Δλ sin φ)         within
//  32    course correction                true (БУ + ДП)          tg ПК = tg БУ (S1+S2)/S2 holds
//                                                                 for small angles only: only
//                                                                 draws where it lands within
//                                                                 are set (corrections up to
//                                                                 about 20°)
//  33    distances from a radar           true                    within
//  34    horizontal range                 true (Pythagoras)       within, with the angle read off
//  35    turn radius                      true                    within
//  36    turn time                        true                    within
#pragma once

#include <cmath>
#include <cstdint>

namespace navigation_truth {

constexpr double kPi = 3.14159265358979323846;
inline double Rad(double deg) { return deg * kPi / 180.0; }
inline double Deg(double rad) { return rad * 180.0 / kPi; }

// Pressure ratio of the standard atmosphere below 11 km from its constants: sea level 288.15 K,
// lapse 6.5 K/km, g0 = 9.80665, molar mass of air 0.0289644 kg/mol, R = 8.3144598 J/(mol K).
inline double Pressure(double km) {
    const double exponent = 9.80665 * 0.0289644 / (8.3144598 * 0.0065);
    return std::pow((288.15 - 6.5 * km) / 288.15, exponent);
}

// The true value of the task of lesson key with numbers n and variant v, in the task's units.
inline double TrueValue(uint32_t key, const double* n, int v) {
    switch (key) {
        case 2: return n[0] * n[1];
        case 3: return n[0] / n[1];
        case 4: return std::sin(Rad(n[0]));
        case 6: return std::sin(Rad(n[0])) / std::cos(Rad(n[0]));
        case 8: return n[0] * std::sin(Rad(n[1]));
        case 10: return n[0] * std::tan(Rad(n[1]));
        case 12: return n[0] / std::sin(Rad(n[1]));
        case 14: return n[0] * std::cos(Rad(n[1])) / std::sin(Rad(n[1]));
        case 16: return n[0] * (n[1] / 60);  // km/h for minutes
        case 17: return n[1] / n[0] * 60;    // minutes
        case 18: return n[0] / (n[1] / 60);
        // 19 to 21 go either way: variant 1 (19, 21) or 2 and 3 (20) convert back
        case 19: return v ? n[1] * 1000 / 3600 : n[0] * 3600 / 1000;
        case 20: {
            const double km = (v % 2 ? 1609.344 : 1852) / 1000;  // odd: statute miles
            return v >= 2 ? n[1] / km : n[0] * km;
        }
        case 21: return v ? n[1] / (12 * 0.0254) : n[0] * 12 * 0.0254;
        case 23: {
            // The dynamic pressure is the same: rho V^2 = rho0 Vi^2, with rho from p / T.
            const double densityRatio = Pressure(n[0] / 1000) * 288.15 / (273.15 + n[1]);
            return n[2] / std::sqrt(densityRatio);
        }
        case 24: return Deg(std::asin(n[1] / n[0]));
        case 25: {
            // Track along x; the wind blows toward its direction + 180°; the heading holds the
            // track, so the airspeed's cross component cancels the wind's.
            const double toward = Rad(n[2] + 180 - n[1]);
            const double cross = n[3] * std::sin(toward), along = n[3] * std::cos(toward);
            return std::sqrt(n[0] * n[0] - cross * cross) + along;
        }
        case 26:
            return std::sqrt(n[0] * n[0] + n[2] * n[2] - 2 * n[0] * n[2] * std::cos(Rad(n[1])));
        case 27: return n[1] * std::cos(Rad(n[0]));
        case 28:
        case 29: return Deg(std::atan2(n[1], n[0]));
        case 30: return Deg(std::atan2(n[0] * std::tan(Rad(n[2])), n[1]));
        case 31: return (n[1] - n[2]) * std::sin(Rad(n[0]));
        case 32: return n[0] + Deg(std::atan2(n[1] * std::tan(Rad(n[0])), n[2]));
        case 33: {
            const double a = Rad(n[0] + 90 - n[2]);
            return n[1] * (v ? std::cos(a) : std::sin(a));
        }
        case 34: return std::sqrt(n[1] * n[1] - (n[0] / 1000) * (n[0] / 1000));
        case 35: {
            const double ms = n[0] / 3.6;
            return ms * ms / (9.80665 * std::tan(Rad(n[1]))) / 1000;
        }
        case 36: {
            const double circle = 2 * kPi * n[1];                       // km
            return circle / n[0] * 3600 * (v == 2 ? 360 : n[2]) / 360;  // 2: the full turn
        }
    }
    return std::nan("");
}

}  // namespace navigation_truth
