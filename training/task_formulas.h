// The navigator's formulas that the tasks compute their answers and their solutions' readings
// with.
#pragma once

#include <cmath>

#include "model/degrees.h"

namespace training {

using model::AsinD;
using model::AtanD;
using model::kPi;
using model::SinD;
using model::TanD;

// The turn radius in km at speed v km/h and bank b degrees, and the time in seconds of a
// turn through a degrees at v km/h on radius r km.
inline double TurnRadius(double v, double b) {
    return std::pow(v / 3.6, 2) / 9.80665 / TanD(b) / 1000.0;
}
inline double TurnTime(double v, double r, double a) {
    return 2.0 * kPi * r * 1000.0 / (v / 3.6) * a / 360.0;
}

// The wind angle of the navigation triangle: the wind blows from `from`, the track is `track`.
inline double WindAngle(double from, double track) {
    return std::fmod(from - 180.0 - track + 720.0, 360.0);
}

// The greatest drift and the ground speed at wind angle w (lesson 25's way).
inline double Drift(double v, double u, double w) { return AsinD(u * SinD(w) / v); }
// Lesson 26's intermediate angle alpha and the wind speed from it.
inline double Alpha(double v, double d, double w) { return AtanD(v * TanD(d) / (w - v)); }

}  // namespace training
