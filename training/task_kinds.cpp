#include "training/task_kinds.h"

#include <cmath>

#include "training/task_formulas.h"

namespace training {

namespace {

// One block a kind, its row of numbers first, as the table it is.
// clang-format off
const TaskKind kKinds[] = {
    // 2: a * b, index 10 of scale 2 against a, the product a tenth on scale 1
    {2, {{11, 99, 1}, {11, 99, 1}}, 2, 1, Scale::S1, 10, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * n[1]; },
     [](Numbers, int) { return true; }},
    // 3: a / b, the dividend taken a tenth, the quotient read at index 10
    {3, {{110, 990, 10}, {11, 99, 1}}, 2, 1, Scale::S1, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] / n[1]; },
     [](Numbers n, int) { return n[0] / n[1] >= 1.2; }},
    // 4: sin a, the triangular index against 100 of scale 5
    {4, {{6, 80, 1}}, 1, 1, Scale::S5, 0.01, AnswerForm::Plain,
     [](Numbers n, int) { return SinD(n[0]); },
     [](Numbers, int) { return true; }},
    // 6: tg a
    {6, {{6, 80, 1}}, 1, 1, Scale::S5, 0.01, AnswerForm::Plain,
     [](Numbers n, int) { return TanD(n[0]); },
     [](Numbers, int) { return true; }},
    // 8: a sin b
    {8, {{100, 900, 10}, {10, 80, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * SinD(n[1]); },
     [](Numbers, int) { return true; }},
    // 10: a tg b
    {10, {{100, 900, 10}, {5, 60, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * TanD(n[1]); },
     [](Numbers n, int) { return n[0] * TanD(n[1]) <= 990; }},
    // 12: a / sin b
    {12, {{20, 600, 10}, {10, 80, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] / SinD(n[1]); },
     [](Numbers n, int) { return n[0] / SinD(n[1]) <= 990; }},
    // 14: a / tg b
    {14, {{20, 900, 10}, {10, 80, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] / TanD(n[1]); },
     [](Numbers n, int) { return n[0] / TanD(n[1]) >= 10 && n[0] / TanD(n[1]) <= 990; }},
    // 16: distance from speed and minutes
    {16, {{150, 900, 10}, {3, 59, 1}}, 2, 1, Scale::S1, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * n[1] / 60; },
     [](Numbers n, int) { return n[0] * n[1] / 60 >= 10 && n[0] * n[1] / 60 <= 900; }},
    // 17: minutes from distance and speed
    {17, {{150, 900, 10}, {10, 900, 1}}, 2, 1, Scale::S2, 1, AnswerForm::Minutes,
     [](Numbers n, int) { return 60 * n[1] / n[0]; },
     [](Numbers n, int) { return 60 * n[1] / n[0] >= 2 && 60 * n[1] / n[0] <= 90; }},
    // 18: speed from distance and minutes
    {18, {{10, 900, 1}, {3, 60, 1}}, 2, 1, Scale::S1, 1, AnswerForm::Plain,
     [](Numbers n, int) { return 60 * n[0] / n[1]; },
     [](Numbers n, int) { return 60 * n[0] / n[1] >= 150 && 60 * n[0] / n[1] <= 900; }},
    // 19: m/s to km/h (variant 0) or km/h to m/s (1), as the lesson teaches both ways
    {19, {{5, 99, 1}, {20, 350, 5}}, 2, 2, Scale::S1, 1, AnswerForm::Plain,
     [](Numbers n, int v) { return v ? n[1] / 3.6 : n[0] * 3.6; },
     [](Numbers, int) { return true; }},
    // 20: miles to km (variants 0 and 1) or km to miles (2 and 3); odd variants are statute
    // miles, even ones nautical
    {20, {{100, 600, 5}, {200, 1100, 10}}, 2, 4, Scale::S15, 1, AnswerForm::Plain,
     [](Numbers n, int v) { return v & 2 ? n[1] / MileKm(v) : n[0] * MileKm(v); },
     [](Numbers n, int v) { return v & 2 ? n[1] / MileKm(v) >= 100 : n[0] * MileKm(v) <= 1190; }},
    // 21: feet to metres (variant 0) or metres to feet (1), the feet or metres taken a tenth
    {21, {{3300, 12000, 100}, {1000, 3600, 50}}, 2, 2, Scale::S15, 10, AnswerForm::Plain,
     [](Numbers n, int v) { return v ? n[1] / 0.3048 : n[0] * 0.3048; },
     [](Numbers, int) { return true; }},
    // 23: true airspeed from the instrument altitude, the air temperature and the speed
    {23, {{1000, 11000, 500}, {-60, 30, 1}, {150, 600, 5}}, 3, 1, Scale::S14, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[2] * std::sqrt((273.15 +
         n[1]) / (288.15 * model::PressureRatio(n[0] / 1000))); },
     [](Numbers n, int) { return std::fabs(n[1] - (15 - 6.5 * n[0] / 1000)) <= 15; }},
    // 24: the greatest drift angle
    {24, {{300, 900, 10}, {20, 150, 5}}, 2, 1, Scale::S3, 1, AnswerForm::Degrees,
     [](Numbers n, int) { return AsinD(n[1] / n[0]); },
     [](Numbers n, int) { return AsinD(n[1] / n[0]) >= 5.5; }},
    // 25: ground speed from the navigation triangle, tail and head winds from either side
    {25, {{300, 900, 10}, {0, 355, 5}, {0, 355, 5}, {40, 150, 5}}, 4, 1, Scale::S5, 1,
        AnswerForm::Plain,
     [](Numbers n, int) {
         const WindTriangle t = TriangleOf(n);
         return n[0] * SinD(t.angle + t.drift) / SinD(t.angle);
     },
     [](Numbers n, int) {
         const WindTriangle t = TriangleOf(n);
         const double first = Supplement(t.angle), sum = Supplement(t.angle + t.drift);
         return first >= 10 && first <= 80 && t.drift >= 5.5 && sum >= 10 && sum <= 80 &&
             t.angle + t.drift < 180;
     }},
    // 26: wind speed from airspeed, drift and ground speed: the true one, found the way
    // lesson 26 finds it; the ground speed above or below the airspeed, the drift either way
    {26, {{300, 800, 10}, {-15, 15, 1}, {200, 900, 10}}, 3, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return WindSpeed(n[0], n[1], n[2]); },
     [](Numbers n, int) {
         const double d = std::fabs(n[1]);
         if (d < 5 || std::fabs(n[2] - n[0]) < 10 || WindSpeed(n[0], n[1], n[2]) > kMaxWind)
             return false;
         const double a = Alpha(n[0], d, std::fabs(n[2] - n[0]));
         return a >= 10 && a <= 80 && a > d + 2;
     }},
    // 27: the equivalent wind
    {27, {{10, 80, 5}, {20, 150, 5}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[1] * SinD(90 - n[0]); },
     [](Numbers n, int) { return n[1] * SinD(90 - n[0]) >= 2; }},
    // 28: lateral deviation from the distance flown and the deviation line
    {28, {{20, 300, 5}, {2, 30, 1}}, 2, 1, Scale::S4, 1, AnswerForm::Degrees,
     [](Numbers n, int) { return AtanD(n[1] / n[0]); },
     [](Numbers n, int) { return AtanD(n[1] / n[0]) >= 1 && AtanD(n[1] / n[0]) <= kMaxDeviation; }},
    // 29: additional correction from the distance to go and the deviation line
    {29, {{20, 300, 5}, {2, 30, 1}}, 2, 1, Scale::S4, 1, AnswerForm::Degrees,
     [](Numbers n, int) { return AtanD(n[1] / n[0]); },
     [](Numbers n, int) { return AtanD(n[1] / n[0]) >= 1 && AtanD(n[1] / n[0]) <= kMaxDeviation; }},
    // 30: additional correction from the distances and the deviation angle
    {30, {{20, 300, 5}, {20, 300, 5}, {2, 10, 1}}, 3, 1, Scale::S4, 1, AnswerForm::Degrees,
     [](Numbers n, int) { return AtanD(TanD(n[2]) * n[0] / n[1]); },
     [](Numbers n, int) { return AtanD(TanD(n[2]) * n[0] / n[1]) >= 1; }},
    // 31: the correction for the convergence of meridians
    {31, {{30, 75, 1}, {20, 170, 1}, {20, 170, 1}}, 3, 1, Scale::S5, 1, AnswerForm::Degrees,
     [](Numbers n, int) { return (n[1] - n[2]) * SinD(n[0]); },
     [](Numbers n, int) { return n[1] - n[2] >= 2 && n[1] - n[2] <= 12; }},
    // 32: the course correction from the deviation and the distances: the true one, the
    // deviation and the additional correction, where the lesson's way of the whole distance
    // over the distance to go holds for small angles only
    {32, {{2, 10, 1}, {20, 300, 5}, {20, 300, 5}}, 3, 1, Scale::S4, 1, AnswerForm::Degrees,
     [](Numbers n, int) { return n[0] + AtanD(TanD(n[0]) * n[1] / n[2]); },
     [](Numbers n, int) { return AtanD(TanD(n[0]) * (n[1] + n[2]) / n[2]) <= 40; }},
    // 33: distance along the desired track (variant 0) or along the traverse (1)
    {33, {{0, 180, 5}, {50, 400, 10}, {30, 250, 5}}, 3, 2, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int v) { return n[1] * SinD(v ? 90 - (n[0] + 90 - n[2]) : n[0] + 90 - n[2]); },
     [](Numbers n, int) { return n[0] + 90 - n[2] >= 10 && n[0] + 90 - n[2] <= 80; }},
    // 34: horizontal range from slant range and altitude
    {34, {{1000, 12000, 500}, {10, 60, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return std::sqrt(n[1] * n[1] - n[0] * n[0] / 1e6); },
     [](Numbers n, int) { return AsinD(n[0] / 1000 / n[1]) >= 6 &&
         AsinD(n[0] / 1000 / n[1]) <= 80; }},
    // 35: turn radius
    {35, {{200, 900, 10}, {10, 45, 5}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return TurnRadius(n[0], n[1]); },
     [](Numbers n, int) { return TurnRadius(n[0], n[1]) >= 1.2 && TurnRadius(n[0], n[1]) <= 30; }},
    // 36: time of a turn through an angle (variants 0 and 1) or a full turn (2, a third of
    // the draws), a tenth on scale 2. The full turn is read at the t360 index.
    {36, {{200, 900, 10}, {1, 20, 0.5}, {30, 350, 10}}, 3, 3, Scale::S2, 10, AnswerForm::Seconds,
     [](Numbers n, int v) { return TurnTime(n[0], n[1], TurnAngle(n, v)); },
     [](Numbers n, int v) { return TurnTime(n[0], n[1], TurnAngle(n, v)) >= 12 &&
         TurnTime(n[0], n[1], TurnAngle(n, v)) <= 1200 && Bank(n[0], n[1]) <= kMaxBank; }},
};
// clang-format on

}  // namespace

const uint32_t kTaskKeys[] = {2,  3,  4,  6,  8,  10, 12, 14, 16, 17, 18, 19, 20, 21, 23,
                              24, 25, 26, 27, 28, 29, 30, 32, 31, 33, 34, 35, 36, 0};

const TaskKind* KindOf(uint32_t key) {
    for (const TaskKind& k : kKinds)
        if (k.key == key) return &k;
    return nullptr;
}

bool HasTaskKind(uint32_t key) { return KindOf(key) != nullptr; }

NumberRange RangeOf(uint32_t key, int i) { return KindOf(key)->ranges[i]; }

}  // namespace training
