#include <cmath>
#include <cstdint>

#include "training/task_formulas.h"
#include "training/task_kinds.h"
#include "training/task_phrasing.h"

namespace training {

namespace {

// How each kind is solved on the rule: the marks it finds, brings and reads, in the lessons'
// order, and what it says between them.
struct KindSolution {
    uint32_t key;
    void (*solve)(Numbers n, int variant, SolutionSteps& s);
};

// clang-format off
const KindSolution kSolutions[] = {
    // 2: a * b, index 10 of scale 2 against a, the product a tenth on scale 1
    {2,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(I(Index::Ten), V(Scale::S1, n[0]));
         s.Find(V(Scale::S2, n[1]));
         s.Read(V(Scale::S1, n[0] * n[1] / 10), V(Scale::S2, n[1]));
         s.Finish("Умножаем на 10.");
     }},
    // 3: a / b, the dividend taken a tenth, the quotient read at index 10
    {3,
     [](Numbers n, int, SolutionSteps& s) {
         s.Text("Результат читается против индекса 10, поэтому вместо " + F(n[0]) + " берем " +
             F(n[0] / 10));
         s.Find(V(Scale::S1, n[0] / 10));
         s.Bring(V(Scale::S2, n[1]), V(Scale::S1, n[0] / 10));
         s.Read(V(Scale::S1, n[0] / n[1]), I(Index::Ten));
         s.Finish("");
     }},
    // 4: sin a, the triangular index against 100 of scale 5
    {4,
     [](Numbers n, int, SolutionSteps& s) {
         s.Bring(I(Index::Triangle4), V(Scale::S5, 100));
         s.FindCursor(V(Scale::S3, n[0]));
         s.ReadUnder(V(Scale::S5, 100 * SinD(n[0])));
         s.Finish("Делим на 100.");
     }},
    // 6: tg a
    {6,
     [](Numbers n, int, SolutionSteps& s) {
         s.Bring(I(Index::Triangle4), V(Scale::S5, 100));
         s.Find(V(Scale::S4, n[0]));
         s.Read(V(Scale::S5, 100 * TanD(n[0])), V(Scale::S4, n[0]));
         s.Finish("Делим на 100.");
     }},
    // 8: a sin b
    {8,
     [](Numbers n, int, SolutionSteps& s) {
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.FindCursor(V(Scale::S3, n[1]));
         s.ReadUnder(V(Scale::S5, n[0] * SinD(n[1])));
         s.Finish("");
     }},
    // 10: a tg b
    {10,
     [](Numbers n, int, SolutionSteps& s) {
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.Find(V(Scale::S4, n[1]));
         s.Read(V(Scale::S5, n[0] * TanD(n[1])), V(Scale::S4, n[1]));
         s.Finish("");
     }},
    // 12: a / sin b
    {12,
     [](Numbers n, int, SolutionSteps& s) {
         s.FindCursor(V(Scale::S5, n[0]));
         s.BringUnder(V(Scale::S3, n[1]));
         s.Read(V(Scale::S5, n[0] / SinD(n[1])), I(Index::Triangle4));
         s.Finish("");
     }},
    // 14: a / tg b
    {14,
     [](Numbers n, int, SolutionSteps& s) {
         s.Bring(V(Scale::S4, n[1]), V(Scale::S5, n[0]));
         s.Read(V(Scale::S5, n[0] / TanD(n[1])), I(Index::Triangle4));
         s.Finish("");
     }},
    // 16: distance from speed and minutes
    {16,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(I(Index::Triangle2), V(Scale::S1, n[0]));
         s.Find(V(Scale::S2, n[1]));
         s.Read(V(Scale::S1, n[0] * n[1] / 60), V(Scale::S2, n[1]));
         s.Finish("Это расстояние в км.");
     }},
    // 17: minutes from distance and speed
    {17,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(I(Index::Triangle2), V(Scale::S1, n[0]));
         s.Find(V(Scale::S1, n[1]));
         s.Read(V(Scale::S2, 60 * n[1] / n[0]), V(Scale::S1, n[1]));
         s.Finish("Это время в минутах.");
     }},
    // 18: speed from distance and minutes
    {18,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(V(Scale::S2, n[1]), V(Scale::S1, n[0]));
         s.Read(V(Scale::S1, 60 * n[0] / n[1]), I(Index::Triangle2));
         s.Finish("Это скорость в км/час.");
     }},
    // 19: m/s to km/h
    {19,
     [](Numbers n, int, SolutionSteps& s) {
         s.Bring(I(Index::Ten), V(Scale::S1, n[0]));
         s.Read(V(Scale::S1, n[0] * 3.6), I(Index::Circle));
         s.Finish("Это скорость в км/час.");
     }},
    // 20: miles to km, nautical (variant 0) or statute (1)
    {20,
     [](Numbers n, int v, SolutionSteps& s) {
         s.Find(V(Scale::S15, n[0]));
         s.Bring(I(Index::Hundred14), V(Scale::S15, n[0]));
         s.Read(V(Scale::S15, n[0] * (v ? 1.609344 : 1.852)), I(v ? Index::AM : Index::MM));
         s.Finish("Это километры.");
     }},
    // 21: feet to metres, the feet taken a tenth
    {21,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S15, n[0] / 10));
         s.Bring(I(Index::Feet), V(Scale::S15, n[0] / 10));
         s.Find(I(Index::Hundred14));
         s.Read(V(Scale::S15, n[0] * 0.03048), I(Index::Hundred14));
         s.Finish("Умножаем на 10: это метры.");
     }},
    // 23: true airspeed from the instrument altitude, the air temperature and the speed
    {23,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S12, n[0] / 1000));
         s.Bring(V(Scale::S11, n[1]), V(Scale::S12, n[0] / 1000));
         s.Find(V(Scale::S15, n[2]));
         s.Read(V(Scale::S14, n[2] * std::sqrt((273.15 +
             n[1]) / (288.15 * model::PressureRatio(n[0] / 1000)))),
                V(Scale::S15, n[2]));
         s.Finish("Это истинная скорость в км/час.");
     }},
    // 24: the greatest drift angle
    {24,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S5, n[0]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.FindCursor(V(Scale::S5, n[1]));
         s.ReadUnder(V(Scale::S3, AsinD(n[1] / n[0])));
         s.Finish("Это угол сноса в градусах.");
     }},
    // 25: ground speed from the navigation triangle
    {25,
     [](Numbers n, int, SolutionSteps& s) {
         const double w = WindAngle(n[2], n[1]), d = Drift(n[0], n[3], w);
         s.Text("Угол ветра УВ = " + F(n[2]) + " - 180 - " + F(n[1]) + " = " + Deg(w));
         s.Find(V(Scale::S5, n[0]));
         s.CursorBring(V(Scale::S3, w), V(Scale::S5, n[0]));
         s.Find(V(Scale::S5, n[3]));
         s.CursorRead(V(Scale::S3, d), V(Scale::S5, n[3]));
         s.Text("Угол сноса около " + Deg(RoundToReading(Scale::S3, d)) +
             ", складываем УВ и УС: около " + Deg(w + d));
         s.FindCursor(V(Scale::S3, w + d));
         s.ReadUnder(V(Scale::S5, n[0] * SinD(w + d) / SinD(w)));
         s.Finish("Это путевая скорость в км/час.");
     }},
    // 26: wind speed from airspeed, drift and ground speed, as lesson 26 finds it
    {26,
     [](Numbers n, int, SolutionSteps& s) {
         const double a = Alpha(n[0], n[1], n[2]);
         s.Text("Разность скоростей " + F(n[2]) + " - " + F(n[0]) + " = " + F(n[2] - n[0]) +
             " км/час");
         s.Find(V(Scale::S5, n[2] - n[0]));
         s.Bring(V(Scale::S4, n[1]), V(Scale::S5, n[2] - n[0]));
         s.Find(V(Scale::S5, n[0]));
         s.Read(V(Scale::S4, a), V(Scale::S5, n[0]));
         s.CursorBring(V(Scale::S3, a), V(Scale::S5, n[0]));
         s.FindCursor(V(Scale::S3, n[1]));
         s.ReadUnder(V(Scale::S5, n[0] * SinD(n[1]) / SinD(a)));
         s.Finish("Это скорость ветра в км/час.");
     }},
    // 27: the equivalent wind
    {27,
     [](Numbers n, int, SolutionSteps& s) {
         s.Text("Вычитаем угол ветра из 90: 90 - " + F(n[0]) + " = " + Deg(90 - n[0]));
         s.FindCursor(V(Scale::S5, n[1]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[1]));
         s.FindCursor(V(Scale::S3, 90 - n[0]));
         s.ReadUnder(V(Scale::S5, n[1] * SinD(90 - n[0])));
         s.Finish("Это эквивалентный ветер в км/час.");
     }},
    // 28: lateral deviation from the distance flown and the deviation line
    {28,
     [](Numbers n, int, SolutionSteps& s) {
         s.FindCursor(V(Scale::S5, n[0]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.Find(V(Scale::S5, n[1]));
         s.Read(V(Scale::S4, AtanD(n[1] / n[0])), V(Scale::S5, n[1]));
         s.Finish("Это боковое уклонение в градусах.");
     }},
    // 29: additional correction from the distance to go and the deviation line
    {29,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S5, n[0]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.Find(V(Scale::S5, n[1]));
         s.Read(V(Scale::S4, AtanD(n[1] / n[0])), V(Scale::S5, n[1]));
         s.Finish("Это дополнительная поправка в градусах.");
     }},
    // 30: additional correction from the distances and the deviation angle
    {30,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S5, n[1]));
         s.Bring(V(Scale::S4, n[2]), V(Scale::S5, n[1]));
         s.Find(V(Scale::S5, n[0]));
         s.Read(V(Scale::S4, AtanD(TanD(n[2]) * n[0] / n[1])), V(Scale::S5, n[0]));
         s.Finish("Это дополнительная поправка в градусах.");
     }},
    // 31: the correction for the convergence of meridians
    {31,
     [](Numbers n, int, SolutionSteps& s) {
         s.Text("Разность долгот " + F(n[1]) + " - " + F(n[2]) + " = " + Deg(n[1] - n[2]));
         s.Find(V(Scale::S5, n[1] - n[2]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[1] - n[2]));
         s.FindCursor(V(Scale::S3, n[0]));
         s.ReadUnder(V(Scale::S5, (n[1] - n[2]) * SinD(n[0])));
         s.Finish("Это поправка в градусах.");
     }},
    // 32: the course correction from the deviation and the distances
    {32,
     [](Numbers n, int, SolutionSteps& s) {
         s.Text("Все расстояние " + F(n[1]) + " + " + F(n[2]) + " = " + F(n[1] + n[2]) + " км");
         s.Find(V(Scale::S5, n[2]));
         s.Bring(V(Scale::S4, n[0]), V(Scale::S5, n[2]));
         s.Find(V(Scale::S5, n[1] + n[2]));
         s.Read(V(Scale::S4, AtanD(TanD(n[0]) * (n[1] + n[2]) / n[2])), V(Scale::S5, n[1] + n[2]));
         s.Finish("Это поправка в курс в градусах.");
     }},
    // 33: distance along the desired track (variant 0) or along the traverse (1)
    {33,
     [](Numbers n, int v, SolutionSteps& s) {
         const double a = n[0] + 90 - n[2], angle = v ? 90 - a : a;
         s.Text("Угол траверза Атр = " + F(n[0]) + " + 90 = " + Deg(n[0] + 90));
         s.Text("Альфа = Атр - А = " + F(n[0] + 90) + " - " + F(n[2]) + " = " + Deg(a) +
                (v ? ", для траверза берем 90 - альфа = " + Deg(90 - a) : ""));
         s.Find(V(Scale::S5, n[1]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[1]));
         s.FindCursor(V(Scale::S3, angle));
         s.ReadUnder(V(Scale::S5, n[1] * SinD(angle)));
         s.Finish(v ? "Это расстояние по траверзу в км." : "Это расстояние по ЛЗП в км.");
     }},
    // 34: horizontal range from slant range and altitude
    {34,
     [](Numbers n, int, SolutionSteps& s) {
         const double b = AsinD(n[0] / 1000 / n[1]);
         s.Find(V(Scale::S5, n[1]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[1]));
         s.FindCursor(V(Scale::S5, n[0] / 1000));
         s.ReadUnder(V(Scale::S3, b));
         s.Text("Вычитаем найденный угол из 90: около " + Deg(90 - b));
         s.FindCursor(V(Scale::S3, 90 - b));
         s.ReadUnder(V(Scale::S5, n[1] * SinD(90 - b)));
         s.Finish("Это горизонтальная дальность в км.");
     }},
    // 35: turn radius
    {35,
     [](Numbers n, int, SolutionSteps& s) {
         s.FindCursor(V(Scale::S6, n[0] / 100));
         s.BringUnder(V(Scale::S4, n[1]));
         s.Find(I(Index::R));
         s.Read(V(Scale::S5, TurnRadius(n[0], n[1])), I(Index::R));
         s.Finish("Это радиус разворота в км.");
     }},
    // 36: time of a turn through an angle (variant 0) or a full turn (1), a tenth on scale 2
    // The full turn asks for 360°, and is read at the t360 index.
    {36,
     [](Numbers n, int v, SolutionSteps& s) {
         s.Find(V(Scale::S1, n[0] / 10));
         s.Bring(V(Scale::S2, n[1]), V(Scale::S1, n[0] / 10));
         if (v) {
             s.Find(I(Index::T360));
             s.Read(V(Scale::S2, TurnTime(n[0], n[1], 360) / 10), I(Index::T360));
         } else {
             s.FindCursor(V(Scale::S1a, n[2]));
             s.ReadUnder(V(Scale::S2, TurnTime(n[0], n[1], n[2]) / 10));
         }
         s.Finish("Скорость делили на 10, поэтому умножаем на 10: это время в секундах.");
     }},
};
// clang-format on

}  // namespace

Solution SolutionOf(const Task& task) {
    Solution solution;
    SolutionSteps steps(task, solution);
    const bool side2 = task.readOn >= Scale::S7;
    steps.Text(std::string("Решение. Расчет выполняется на ") + (side2 ? "второй" : "первой") +
               " стороне линейки");
    for (const KindSolution& s : kSolutions)
        if (s.key == task.key) s.solve(task.numbers, task.variant, steps);
    return solution;
}

}  // namespace training
