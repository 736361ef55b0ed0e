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

// Kind 25's triangle: the wind angle on the side the wind comes from (from the left the drift
// is negative, and the triangle is the mirror of one from the right) and the drift's size.
struct WindTriangle {
    double angle;  // 0..180
    bool left;
    double drift;
};
// From the airspeed n[0], the track n[1], the wind's direction n[2] and its speed n[3].
inline WindTriangle TriangleOf(const double* n) {
    const double w = WindAngle(n[2], n[1]);
    const double a = w > 180 ? 360 - w : w;
    return {a, w > 180, Drift(n[0], n[3], a)};
}

// An angle as the sine scale takes it: its supplement past 90°, where the sine is the same.
inline double Supplement(double a) { return a > 90 ? 180 - a : a; }

// Lesson 26's intermediate angle alpha from the airspeed, the drift and the difference of the
// speeds, with which the rule finds the wind speed as V sin d / sin alpha: a shortcut that
// gives too little wind where the drift is large.
inline double Alpha(double v, double d, double diff) { return AtanD(v * TanD(d) / diff); }
// The wind speed itself, from the triangle of airspeed v, ground speed w and drift d between
// them.
inline double WindSpeed(double v, double d, double w) {
    return std::sqrt(v * v + w * w - 2 * v * w * std::cos(d * kPi / 180.0));
}

// The bank in degrees of a turn on radius r km at v km/h.
inline double Bank(double v, double r) {
    return AtanD(std::pow(v / 3.6, 2) / 9.80665 / (r * 1000.0));
}

// What a flight can meet: problems beyond these are not set.
constexpr double kMaxWind = 250;      // km/h
constexpr double kMaxBank = 60;       // degrees
constexpr double kMaxDeviation = 10;  // degrees off the track

// Kilometres in a statute mile (odd variants of kind 20) or a nautical one.
inline double MileKm(int variant) { return variant & 1 ? 1.609344 : 1.852; }

// The angle of kind 36's turn: as drawn, or the full turn (variant 2).
inline double TurnAngle(const double* n, int variant) { return variant == 2 ? 360 : n[2]; }

}  // namespace training
