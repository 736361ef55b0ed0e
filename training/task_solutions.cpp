#include <cmath>
#include <cstdint>

#include "model/readings.h"
#include "training/task_formulas.h"
#include "training/task_kinds.h"
#include "training/task_phrasing.h"

namespace training {

namespace {

using model::RoundToReading;

// The wind angle as a sum that holds as written: the wind blows toward its direction ± 180°,
// and a turn past 360° or below 0° is said.
std::string WindAngleSum(double from, double track) {
    const bool plus = from < 180;
    const double toward = plus ? from + 180 : from - 180;
    const double w = toward - track;
    std::string sum = Deg(from) + (plus ? " + 180° − " : " − 180° − ") + Deg(track);
    if (w < 0) sum += " + 360°";
    if (w >= 360) sum += " − 360°";
    return sum + " = " + Deg(WindAngle(from, track));
}

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
         s.Finish("Это время полета.");
     }},
    // 18: speed from distance and minutes
    {18,
     [](Numbers n, int, SolutionSteps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(V(Scale::S2, n[1]), V(Scale::S1, n[0]));
         s.Read(V(Scale::S1, 60 * n[0] / n[1]), I(Index::Triangle2));
         s.Finish("Это скорость в км/час.");
     }},
    // 19: m/s to km/h (variant 0) or km/h to m/s (1)
    {19,
     [](Numbers n, int v, SolutionSteps& s) {
         if (v) {
             s.Bring(I(Index::Circle), V(Scale::S1, n[1]));
             s.Read(V(Scale::S1, n[1] / 3.6), I(Index::Ten));
             s.Finish("Это скорость в м/сек.");
         } else {
             s.Bring(I(Index::Ten), V(Scale::S1, n[0]));
             s.Read(V(Scale::S1, n[0] * 3.6), I(Index::Circle));
             s.Finish("Это скорость в км/час.");
         }
     }},
    // 20: miles to km (variants 0 and 1) or km to miles (2 and 3), statute miles odd
    {20,
     [](Numbers n, int v, SolutionSteps& s) {
         const Mark index = I(v & 1 ? Index::AM : Index::MM);
         if (v & 2) {
             s.Find(V(Scale::S15, n[1]));
             s.Bring(index, V(Scale::S15, n[1]));
             s.Find(I(Index::Hundred14));
             s.Read(V(Scale::S15, n[1] / MileKm(v)), I(Index::Hundred14));
             s.Finish("Это мили.");
         } else {
             s.Find(V(Scale::S15, n[0]));
             s.Bring(I(Index::Hundred14), V(Scale::S15, n[0]));
             s.Read(V(Scale::S15, n[0] * MileKm(v)), index);
             s.Finish("Это километры.");
         }
     }},
    // 21: feet to metres (variant 0) or metres to feet (1), the feet or metres taken a tenth
    {21,
     [](Numbers n, int v, SolutionSteps& s) {
         const double given = v ? n[1] : n[0];
         s.Text(std::string(v ? "Число метров" : "Число футов") +
             " берем в десять раз меньше, вместо " + F(given) + " берем " + F(given / 10) +
                ", а результат затем умножим на 10");
         s.Find(V(Scale::S15, given / 10));
         s.Bring(I(v ? Index::Hundred14 : Index::Feet), V(Scale::S15, given / 10));
         const Mark against = I(v ? Index::Feet : Index::Hundred14);
         s.Find(against);
         s.Read(V(Scale::S15, v ? n[1] / 3.048 : n[0] * 0.03048), against);
         s.Finish(v ? "Умножаем на 10: это футы." : "Умножаем на 10: это метры.");
     }},
    // 23: true airspeed from the instrument altitude, the air temperature and the speed
    {23,
     [](Numbers n, int, SolutionSteps& s) {
         s.Text("Шкала 12 дает высоту в километрах: " + F(n[0]) + " м это " + F(n[0] / 1000) +
             " км; температуру " + Deg(n[1]) + " находим на шкале 11 температур на высоте");
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
    // 25: ground speed from the navigation triangle, tail and head winds from either side
    {25,
     [](Numbers n, int, SolutionSteps& s) {
         const WindTriangle t = TriangleOf(n);
         const double a = t.angle, first = Supplement(a);
         s.Text("Угол ветра УВ = " + WindAngleSum(n[2], n[1]) +
             (t.left ? ". Ветер слева, угол сноса будет отрицательным: в треугольнике берем 360° − " +
                 Deg(360 - a) + " = " + Deg(a) : ""));
         if (a > 90)
             s.Text("Синус тупого угла берем по шкале 3 как синус 180° − " + Deg(a) + " = " +
                 Deg(first));
         s.Find(V(Scale::S5, n[0]));
         s.CursorBring(V(Scale::S3, first), V(Scale::S5, n[0]));
         s.Find(V(Scale::S5, n[3]));
         s.CursorRead(V(Scale::S3, t.drift), V(Scale::S5, n[3]));
         // The rest goes on from the drift as read.
         const double dr = RoundToReading(Scale::S3, t.drift), sum = a + dr;
         s.Text("Складываем УВ и УС: " + Deg(a) + " + " + Deg(dr) + " = " + Deg(sum) +
             (sum > 90 ? ", по шкале 3 берем 180° − " + Deg(sum) + " = " + Deg(180 - sum) : ""));
         s.FindCursor(V(Scale::S3, Supplement(sum)));
         s.ReadUnder(V(Scale::S5, n[0] * SinD(sum) / SinD(a)));
         s.Finish("Это путевая скорость в км/час.");
     }},
    // 26: wind speed from airspeed, drift and ground speed, as lesson 26 finds it
    {26,
     [](Numbers n, int, SolutionSteps& s) {
         const double d = std::fabs(n[1]), diff = std::fabs(n[2] - n[0]);
         const double a = Alpha(n[0], d, diff);
         s.Text((n[2] > n[0] ? "Разность скоростей " + F(n[2]) + " − " + F(n[0])
                             : "Путевая меньше истинной, разность " + F(n[0]) + " − " + F(n[2])) +
             " = " + F(diff) + " км/час" +
             (n[1] < 0 ? "; знак угла сноса для скорости ветра не важен, берем " + Deg(d) : ""));
         s.Find(V(Scale::S5, diff));
         s.Bring(V(Scale::S4, d), V(Scale::S5, diff));
         s.Find(V(Scale::S5, n[0]));
         s.Read(V(Scale::S4, a), V(Scale::S5, n[0]));
         // The angle is set again as read.
         const double ar = RoundToReading(Scale::S4, a);
         s.CursorBring(V(Scale::S3, ar), V(Scale::S5, n[0]));
         s.FindCursor(V(Scale::S3, d));
         s.ReadUnder(V(Scale::S5, n[0] * SinD(d) / SinD(ar)));
         s.Finish("Это скорость ветра в км/час.");
     }},
    // 27: the equivalent wind
    {27,
     [](Numbers n, int, SolutionSteps& s) {
         s.Text("Вычитаем угол ветра из 90°: 90° − " + Deg(n[0]) + " = " + Deg(90 - n[0]));
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
         s.Text("Разность долгот " + Deg(n[1]) + " − " + Deg(n[2]) + " = " + Deg(n[1] - n[2]));
         s.Find(V(Scale::S5, n[1] - n[2]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[1] - n[2]));
         s.FindCursor(V(Scale::S3, n[0]));
         s.ReadUnder(V(Scale::S5, (n[1] - n[2]) * SinD(n[0])));
         s.Finish("Это поправка в градусах.");
     }},
    // 32: the course correction from the deviation and the distances
    {32,
     [](Numbers n, int, SolutionSteps& s) {
         s.Text("Общее расстояние " + F(n[1]) + " + " + F(n[2]) + " = " + F(n[1] + n[2]) + " км");
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
         s.Text("Угол траверза Атр = " + Deg(n[0]) + " + 90° = " + Deg(n[0] + 90));
         s.Text("Альфа = Атр − А = " + Deg(n[0] + 90) + " − " + Deg(n[2]) + " = " + Deg(a) +
                (v ? ", для траверза берем 90° − альфа = " + Deg(90 - a) : ""));
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
         s.Text("Высоту берем в километрах, как и дальность: " + F(n[0]) + " м это " +
             F(n[0] / 1000) + " км");
         s.Find(V(Scale::S5, n[1]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[1]));
         s.FindCursor(V(Scale::S5, n[0] / 1000));
         s.ReadUnder(V(Scale::S3, b));
         // The rest goes on from the angle as read.
         const double c = 90 - RoundToReading(Scale::S3, b);
         s.Text("Вычитаем найденный угол из 90°: 90° − " + Deg(90 - c) + " = " + Deg(c));
         s.FindCursor(V(Scale::S3, c));
         s.ReadUnder(V(Scale::S5, n[1] * SinD(c)));
         s.Finish("Это горизонтальная дальность в км.");
     }},
    // 35: turn radius
    {35,
     [](Numbers n, int, SolutionSteps& s) {
         s.Text("Скорость на шкале 6 берем в сотнях километров в час: вместо " + F(n[0]) +
             " берем " + F(n[0] / 100));
         s.FindCursor(V(Scale::S6, n[0] / 100));
         s.BringUnder(V(Scale::S4, n[1]));
         s.Find(I(Index::R));
         s.Read(V(Scale::S5, TurnRadius(n[0], n[1])), I(Index::R));
         s.Finish("Это радиус разворота в км.");
     }},
    // 36: time of a turn through an angle (variants 0 and 1) or a full turn (2), a tenth on
    // scale 2. The full turn is read at the t360 index.
    {36,
     [](Numbers n, int v, SolutionSteps& s) {
         s.Text("Скорость берем в десять раз меньше, вместо " + F(n[0]) + " берем " +
             F(n[0] / 10) + ", поэтому время на шкале 2 прочтем в десять раз меньше");
         s.Find(V(Scale::S1, n[0] / 10));
         s.Bring(V(Scale::S2, n[1]), V(Scale::S1, n[0] / 10));
         if (v == 2) {
             s.Find(I(Index::T360));
             s.Read(V(Scale::S2, TurnTime(n[0], n[1], 360) / 10), I(Index::T360));
         } else {
             s.FindCursor(V(Scale::S1a, n[2]));
             s.ReadUnder(V(Scale::S2, TurnTime(n[0], n[1], n[2]) / 10));
         }
         s.Finish("Умножаем на 10.");
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
