// Trigonometry in degrees, as the angle scales and the navigator's formulas take their angles.
#pragma once

#include <cmath>

namespace model {

constexpr double kPi = 3.14159265358979323846;

inline double SinD(double deg) { return std::sin(deg * kPi / 180.0); }
inline double TanD(double deg) { return std::tan(deg * kPi / 180.0); }
inline double AsinD(double x) { return std::asin(x) * 180.0 / kPi; }
inline double AtanD(double x) { return std::atan(x) * 180.0 / kPi; }

}  // namespace model
