#include "training/task_kinds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/degrees.h"
#include "model/graduation_steps.h"
#include "model/mark_columns.h"
#include "model/rule_geometry.h"
#include "model/rule_state.h"
#include "model/scale_geometry.h"
#include "training/lesson_placer.h"

namespace tasks {

using catalogue::Act;
using catalogue::Index;
using catalogue::Mark;
using catalogue::StepNote;

using artwork::AsinD;
using artwork::AtanD;
using artwork::kPi;
using artwork::SinD;
using artwork::TanD;

namespace {

// The turn radius in km at speed v km/h and bank b degrees, and the time in seconds of a
// turn through a degrees at v km/h on radius r km.
double TurnRadius(double v, double b) { return std::pow(v / 3.6, 2) / 9.80665 / TanD(b) / 1000.0; }
double TurnTime(double v, double r, double a) {
    return 2.0 * kPi * r * 1000.0 / (v / 3.6) * a / 360.0;
}

// The wind angle of the navigation triangle: the wind blows from `from`, the track is `track`.
double WindAngle(double from, double track) {
    return std::fmod(from - 180.0 - track + 720.0, 360.0);
}

// The greatest drift and the ground speed at wind angle w (lesson 25's way).
double Drift(double v, double u, double w) { return AsinD(u * SinD(w) / v); }
// Lesson 26's intermediate angle alpha and the wind speed from it.
double Alpha(double v, double d, double w) { return AtanD(v * TanD(d) / (w - v)); }

Mark V(Scale s, double v) { return Mark{s, v, Index::None}; }
Mark I(Index i) { return catalogue::IndexMarkOf(i); }

std::string ScaleName(Scale s) {
    static const char* const kNames[] = {"1а", "1",  "2",  "3",  "4",  "5",  "6",  "7", "8",
                                         "9",  "10", "11", "12", "13", "14", "15", "16"};
    return kNames[int(s)];
}

// An index mark's name: nominative (and accusative), genitive, dative.
struct IndexWords {
    Index index;
    const char* words[3];
};
// clang-format off
const IndexWords kIndexNames[] = {
    {Index::Ten, {"индекс 10", "индекса 10", "индексу 10"}},
    {Index::Circle, {"круглый индекс", "круглого индекса", "круглому индексу"}},
    {Index::Triangle2, {"треугольный индекс", "треугольного индекса", "треугольному индексу"}},
    {Index::Triangle4, {"треугольный индекс", "треугольного индекса", "треугольному индексу"}},
    {Index::R, {"индекс R", "индекса R", "индексу R"}},
    {Index::T360, {"индекс t360", "индекса t360", "индексу t360"}},
    {Index::Hundred14, {"индекс 100", "индекса 100", "индексу 100"}},
    {Index::AM, {"индекс АМ", "индекса АМ", "индексу АМ"}},
    {Index::MM, {"индекс ММ", "индекса ММ", "индексу ММ"}},
    {Index::Feet, {"индекс ФУТЫ", "индекса ФУТЫ", "индексу ФУТЫ"}},
};
// clang-format on

// How a mark is named in the case a phrase needs: an index by its name, a value on an angle
// scale as an angle, any other value as a number.
enum class Case { Nominative, Genitive, Dative, Accusative };

std::string Named(const Mark& m, Case c = Case::Nominative) {
    const std::string where = " на шкале " + ScaleName(m.scale);
    if (m.index != Index::None) {
        const int form = c == Case::Genitive ? 1 : c == Case::Dative ? 2 : 0;
        for (const IndexWords& w : kIndexNames)
            if (w.index == m.index) return w.words[form] + where;
    }
    const bool angle = m.scale == Scale::S1a || m.scale == Scale::S3 || m.scale == Scale::S4;
    static const char* const kNumber[] = {"число ", "числа ", "числу ", "число "};
    static const char* const kAngle[] = {"угол ", "угла ", "углу ", "угол "};
    return (angle ? kAngle : kNumber)[int(c)] + FormatNumber(m.value) + (angle ? "°" : "") + where;
}

// The reading rounded to half of its graduation interval, as the eye reads it.
double RoundToReading(Scale s, double value) {
    const double half = ReadingTolerance(s, value);
    return half > 0 ? std::round(value / half) * half : value;
}

// Builds a solution step by step; the last read is the answer's and gets the kind's ending.
class Steps {
  public:
    Steps(const Task& task, Solution& out) : m_task(task), m_out(out) {}

    void Text(const std::string& text) { Add(StepNote{}, Act::Text, false, text + "..."); }
    void Find(Mark m) {
        Add(Note(m), Act::Find, true, "Находим " + Named(m, Case::Accusative) + "...");
    }
    void FindCursor(Mark m) {
        Add(Note(m), Act::FindCursor, true,
            "Находим " + Named(m, Case::Accusative) + " и устанавливаем на него визир...");
    }
    void Bring(Mark slide, Mark body) {
        Add(Note(slide, body), Act::Bring, true,
            "Подводим " + Named(slide, Case::Accusative) + " к " + Named(body, Case::Dative) +
                "...");
    }
    void BringUnder(Mark slide) {
        Add(Note(slide), Act::BringUnder, true,
            "Подводим под визир " + Named(slide, Case::Accusative) + "...");
    }
    void CursorBring(Mark slide, Mark body) {
        Add(Note(slide, body), Act::CursorBring, true,
            "Устанавливаем визир на " + Named(body, Case::Accusative) + " и подводим под него " +
                Named(slide, Case::Accusative) + "...");
    }
    void Read(Mark result, Mark against) {
        AddRead(Note(result, against), Act::Read,
                "Против " + Named(against, Case::Genitive) + " смотрим на шкале " +
                    ScaleName(result.scale));
    }
    void ReadUnder(Mark result) {
        AddRead(Note(result), Act::ReadUnder,
                "Под визиром смотрим на шкале " + ScaleName(result.scale));
    }
    void CursorRead(Mark result, Mark body) {
        AddRead(Note(result, body), Act::CursorRead,
                "Устанавливаем визир на " + Named(body, Case::Accusative) +
                    " и смотрим под ним на шкале " + ScaleName(result.scale));
    }

    // The answer's step ends with the reading turned into the answer.
    void Finish(const std::string& how) {
        std::string& text = m_out.texts[m_lastRead];
        text.resize(text.size() - 3);  // the "..." of a step that goes on
        const std::string answer = RoundedAnswer(m_task);
        // Where the reading is the answer as it stands, it is not said twice.
        if (how.empty() && text.size() >= answer.size() &&
            text.compare(text.size() - answer.size(), answer.size(), answer) == 0) {
            text += ".";
            return;
        }
        text += ". " + how + (how.empty() ? "" : " ") + "Ответ: около " + answer + ".";
    }

  private:
    StepNote Note(Mark m, Mark other = Mark{}) const {
        StepNote n;
        n.mark = m;
        n.other = other;
        return n;
    }
    void Add(StepNote n, Act act, bool state, const std::string& text) {
        n.key = m_task.key;
        n.step = int(m_out.notes.size()) + 1;
        n.act = act;
        n.state = state;
        n.side = m_task.readOn >= Scale::S7 ? 1 : 0;
        m_out.notes.push_back(n);
        m_out.texts.push_back(text);
    }
    void AddRead(StepNote n, Act act, const std::string& text) {
        m_lastRead = int(m_out.notes.size());
        Add(n, act, true,
            text + " около " + FormatNumber(RoundToReading(n.mark.scale, n.mark.value)) + "...");
    }

    const Task& m_task;
    Solution& m_out;
    int m_lastRead = 0;
};

using Numbers = const double*;

// One kind of task: what it draws, what it asks, how it is solved and what it reads.
struct Kind {
    uint32_t key;
    NumberRange ranges[kMaxNumbers];
    int count;
    int variants;  // how many questions it may ask of the same numbers
    Scale readOn;
    double factor;  // the answer is the reading times this
    AnswerForm form;
    double (*answer)(Numbers n, int variant);  // read on readOn as answer / factor
    bool (*fits)(Numbers n, int variant);      // the numbers make a sound problem
    std::string (*problem)(Numbers n, int variant);
    void (*solve)(Numbers n, int variant, Steps& s);
};

std::string F(double v) { return FormatNumber(v); }
std::string Deg(double v) { return F(v) + "°"; }

// One block a kind, its row of numbers first, as the table it is.
// clang-format off
const Kind kKinds[] = {
    // 2: a * b, index 10 of scale 2 against a, the product a tenth on scale 1
    {2, {{11, 99, 1}, {11, 99, 1}}, 2, 1, Scale::S1, 10, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * n[1]; },
     [](Numbers, int) { return true; },
     [](Numbers n, int) { return "Найдите произведение " + F(n[0]) + " * " + F(n[1]) + "."; },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(I(Index::Ten), V(Scale::S1, n[0]));
         s.Find(V(Scale::S2, n[1]));
         s.Read(V(Scale::S1, n[0] * n[1] / 10), V(Scale::S2, n[1]));
         s.Finish("Умножаем на 10.");
     }},
    // 3: a / b, the dividend taken a tenth, the quotient read at index 10
    {3, {{110, 990, 10}, {11, 99, 1}}, 2, 1, Scale::S1, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] / n[1]; },
     [](Numbers n, int) { return n[0] / n[1] >= 1.2; },
     [](Numbers n, int) { return "Найдите частное " + F(n[0]) + " / " + F(n[1]) + "."; },
     [](Numbers n, int, Steps& s) {
         s.Text("Результат читается против индекса 10, поэтому вместо " + F(n[0]) + " берем " +
             F(n[0] / 10));
         s.Find(V(Scale::S1, n[0] / 10));
         s.Bring(V(Scale::S2, n[1]), V(Scale::S1, n[0] / 10));
         s.Read(V(Scale::S1, n[0] / n[1]), I(Index::Ten));
         s.Finish("");
     }},
    // 4: sin a, the triangular index against 100 of scale 5
    {4, {{6, 80, 1}}, 1, 1, Scale::S5, 0.01, AnswerForm::Plain,
     [](Numbers n, int) { return SinD(n[0]); },
     [](Numbers, int) { return true; },
     [](Numbers n, int) { return "Найдите синус угла " + Deg(n[0]) + "."; },
     [](Numbers n, int, Steps& s) {
         s.Bring(I(Index::Triangle4), V(Scale::S5, 100));
         s.FindCursor(V(Scale::S3, n[0]));
         s.ReadUnder(V(Scale::S5, 100 * SinD(n[0])));
         s.Finish("Делим на 100.");
     }},
    // 6: tg a
    {6, {{6, 80, 1}}, 1, 1, Scale::S5, 0.01, AnswerForm::Plain,
     [](Numbers n, int) { return TanD(n[0]); },
     [](Numbers, int) { return true; },
     [](Numbers n, int) { return "Найдите тангенс угла " + Deg(n[0]) + "."; },
     [](Numbers n, int, Steps& s) {
         s.Bring(I(Index::Triangle4), V(Scale::S5, 100));
         s.Find(V(Scale::S4, n[0]));
         s.Read(V(Scale::S5, 100 * TanD(n[0])), V(Scale::S4, n[0]));
         s.Finish("Делим на 100.");
     }},
    // 8: a sin b
    {8, {{100, 900, 10}, {10, 80, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * SinD(n[1]); },
     [](Numbers, int) { return true; },
     [](Numbers n, int) { return "Найдите произведение " + F(n[0]) + " * sin " + Deg(n[1]) + "."; },
     [](Numbers n, int, Steps& s) {
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.FindCursor(V(Scale::S3, n[1]));
         s.ReadUnder(V(Scale::S5, n[0] * SinD(n[1])));
         s.Finish("");
     }},
    // 10: a tg b
    {10, {{100, 900, 10}, {5, 60, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * TanD(n[1]); },
     [](Numbers n, int) { return n[0] * TanD(n[1]) <= 990; },
     [](Numbers n, int) { return "Найдите произведение " + F(n[0]) + " * tg " + Deg(n[1]) + "."; },
     [](Numbers n, int, Steps& s) {
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.Find(V(Scale::S4, n[1]));
         s.Read(V(Scale::S5, n[0] * TanD(n[1])), V(Scale::S4, n[1]));
         s.Finish("");
     }},
    // 12: a / sin b
    {12, {{20, 600, 10}, {10, 80, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] / SinD(n[1]); },
     [](Numbers n, int) { return n[0] / SinD(n[1]) <= 990; },
     [](Numbers n, int) { return "Найдите частное " + F(n[0]) + " / sin " + Deg(n[1]) + "."; },
     [](Numbers n, int, Steps& s) {
         s.FindCursor(V(Scale::S5, n[0]));
         s.BringUnder(V(Scale::S3, n[1]));
         s.Read(V(Scale::S5, n[0] / SinD(n[1])), I(Index::Triangle4));
         s.Finish("");
     }},
    // 14: a / tg b
    {14, {{20, 900, 10}, {10, 80, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] / TanD(n[1]); },
     [](Numbers n, int) { return n[0] / TanD(n[1]) >= 10 && n[0] / TanD(n[1]) <= 990; },
     [](Numbers n, int) { return "Найдите частное " + F(n[0]) + " / tg " + Deg(n[1]) + "."; },
     [](Numbers n, int, Steps& s) {
         s.Bring(V(Scale::S4, n[1]), V(Scale::S5, n[0]));
         s.Read(V(Scale::S5, n[0] / TanD(n[1])), I(Index::Triangle4));
         s.Finish("");
     }},
    // 16: distance from speed and minutes
    {16, {{150, 900, 10}, {3, 59, 1}}, 2, 1, Scale::S1, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * n[1] / 60; },
     [](Numbers n, int) { return n[0] * n[1] / 60 >= 10 && n[0] * n[1] / 60 <= 900; },
     [](Numbers n, int) {
         return "Самолет летит со скоростью " + F(n[0]) +
             " км/час. Найдите расстояние в км, которое он пролетит за " + F(n[1]) + " мин.";
     },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(I(Index::Triangle2), V(Scale::S1, n[0]));
         s.Find(V(Scale::S2, n[1]));
         s.Read(V(Scale::S1, n[0] * n[1] / 60), V(Scale::S2, n[1]));
         s.Finish("Это расстояние в км.");
     }},
    // 17: minutes from distance and speed
    {17, {{150, 900, 10}, {10, 900, 1}}, 2, 1, Scale::S2, 1, AnswerForm::Minutes,
     [](Numbers n, int) { return 60 * n[1] / n[0]; },
     [](Numbers n, int) { return 60 * n[1] / n[0] >= 2 && 60 * n[1] / n[0] <= 90; },
     [](Numbers n, int) {
         return "Самолет летит со скоростью " + F(n[0]) + " км/час. Расстояние " + F(n[1]) +
             " км. Найдите время полета в минутах.";
     },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(I(Index::Triangle2), V(Scale::S1, n[0]));
         s.Find(V(Scale::S1, n[1]));
         s.Read(V(Scale::S2, 60 * n[1] / n[0]), V(Scale::S1, n[1]));
         s.Finish("Это время в минутах.");
     }},
    // 18: speed from distance and minutes
    {18, {{10, 900, 1}, {3, 60, 1}}, 2, 1, Scale::S1, 1, AnswerForm::Plain,
     [](Numbers n, int) { return 60 * n[0] / n[1]; },
     [](Numbers n, int) { return 60 * n[0] / n[1] >= 150 && 60 * n[0] / n[1] <= 900; },
     [](Numbers n, int) {
         return "Самолет пролетел " + F(n[0]) + " км за " + F(n[1]) +
             " мин. Найдите его скорость в км/час.";
     },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S1, n[0]));
         s.Bring(V(Scale::S2, n[1]), V(Scale::S1, n[0]));
         s.Read(V(Scale::S1, 60 * n[0] / n[1]), I(Index::Triangle2));
         s.Finish("Это скорость в км/час.");
     }},
    // 19: m/s to km/h
    {19, {{5, 99, 1}}, 1, 1, Scale::S1, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * 3.6; },
     [](Numbers, int) { return true; },
     [](Numbers n, int) { return "Переведите скорость " + F(n[0]) + " м/сек в км/час."; },
     [](Numbers n, int, Steps& s) {
         s.Bring(I(Index::Ten), V(Scale::S1, n[0]));
         s.Read(V(Scale::S1, n[0] * 3.6), I(Index::Circle));
         s.Finish("Это скорость в км/час.");
     }},
    // 20: miles to km, nautical (variant 0) or statute (1)
    {20, {{100, 600, 5}}, 1, 2, Scale::S15, 1, AnswerForm::Plain,
     [](Numbers n, int v) { return n[0] * (v ? 1.609344 : 1.852); },
     [](Numbers n, int v) { return n[0] * (v ? 1.609344 : 1.852) <= 1190; },
     [](Numbers n, int v) {
         return std::string("Переведите ") + F(n[0]) + (v ? " сухопутных" : " морских") +
             " миль в километры.";
     },
     [](Numbers n, int v, Steps& s) {
         s.Find(V(Scale::S15, n[0]));
         s.Bring(I(Index::Hundred14), V(Scale::S15, n[0]));
         s.Read(V(Scale::S15, n[0] * (v ? 1.609344 : 1.852)), I(v ? Index::AM : Index::MM));
         s.Finish("Это километры.");
     }},
    // 21: feet to metres, the feet taken a tenth
    {21, {{3300, 12000, 100}}, 1, 1, Scale::S15, 10, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * 0.3048; },
     [](Numbers, int) { return true; },
     [](Numbers n, int) { return "Переведите " + F(n[0]) + " футов в метры."; },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S15, n[0] / 10));
         s.Bring(I(Index::Feet), V(Scale::S15, n[0] / 10));
         s.Find(I(Index::Hundred14));
         s.Read(V(Scale::S15, n[0] * 0.03048), I(Index::Hundred14));
         s.Finish("Умножаем на 10: это метры.");
     }},
    // 23: true airspeed from the instrument altitude, the air temperature and the speed
    {23, {{1000, 11000, 500}, {-60, 30, 1}, {150, 600, 5}}, 3, 1, Scale::S14, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[2] * std::sqrt((273.15 +
         n[1]) / (288.15 * artwork::PressureRatio(n[0] / 1000))); },
     [](Numbers n, int) { return std::fabs(n[1] - (15 - 6.5 * n[0] / 1000)) <= 15; },
     [](Numbers n, int) {
         return "Высота по прибору " + F(n[0]) + " м, температура на высоте " + F(n[1]) +
             "°, приборная скорость " + F(n[2]) +
                " км/час. Найдите истинную скорость в км/час.";
     },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S12, n[0] / 1000));
         s.Bring(V(Scale::S11, n[1]), V(Scale::S12, n[0] / 1000));
         s.Find(V(Scale::S15, n[2]));
         s.Read(V(Scale::S14, n[2] * std::sqrt((273.15 +
             n[1]) / (288.15 * artwork::PressureRatio(n[0] / 1000)))),
                V(Scale::S15, n[2]));
         s.Finish("Это истинная скорость в км/час.");
     }},
    // 24: the greatest drift angle
    {24, {{300, 900, 10}, {20, 150, 5}}, 2, 1, Scale::S3, 1, AnswerForm::Plain,
     [](Numbers n, int) { return AsinD(n[1] / n[0]); },
     [](Numbers n, int) { return AsinD(n[1] / n[0]) >= 5.5; },
     [](Numbers n, int) {
         return "Истинная скорость " + F(n[0]) + " км/час, скорость ветра " + F(n[1]) +
             " км/час. Найдите максимальный угол сноса в градусах.";
     },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S5, n[0]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.FindCursor(V(Scale::S5, n[1]));
         s.ReadUnder(V(Scale::S3, AsinD(n[1] / n[0])));
         s.Finish("Это угол сноса в градусах.");
     }},
    // 25: ground speed from the navigation triangle
    {25, {{300, 900, 10}, {0, 355, 5}, {0, 355, 5}, {40, 150, 5}}, 4, 1, Scale::S5, 1,
        AnswerForm::Plain,
     [](Numbers n, int) {
         const double w = WindAngle(n[2], n[1]);
         return n[0] * SinD(w + Drift(n[0], n[3], w)) / SinD(w);
     },
     [](Numbers n, int) {
         const double w = WindAngle(n[2], n[1]);
         return w >= 20 && w <= 70 && Drift(n[0], n[3], w) >= 5.5 && w + Drift(n[0], n[3], w) <= 85;
     },
     [](Numbers n, int) {
         return "Истинная скорость " + F(n[0]) + " км/час, ЗМПУ " + Deg(n[1]) +
             ", направление ветра (метео) " + Deg(n[2]) +
                ", скорость ветра " + F(n[3]) + " км/час. Найдите путевую скорость в км/час.";
     },
     [](Numbers n, int, Steps& s) {
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
    {26, {{300, 800, 10}, {5, 15, 1}, {310, 900, 10}}, 3, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[0] * SinD(n[1]) / SinD(Alpha(n[0], n[1], n[2])); },
     [](Numbers n, int) {
         if (n[2] - n[0] < 10) return false;
         const double a = Alpha(n[0], n[1], n[2]);
         return a >= 10 && a <= 80 && a > n[1] + 2;
     },
     [](Numbers n, int) {
         return "Истинная скорость " + F(n[0]) + " км/час, угол сноса +" + Deg(n[1]) +
             ", путевая скорость " + F(n[2]) +
                " км/час. Найдите скорость ветра в км/час.";
     },
     [](Numbers n, int, Steps& s) {
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
    {27, {{10, 80, 5}, {20, 150, 5}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return n[1] * SinD(90 - n[0]); },
     [](Numbers n, int) { return n[1] * SinD(90 - n[0]) >= 2; },
     [](Numbers n, int) {
         return "Угол ветра " + Deg(n[0]) + ", скорость ветра " + F(n[1]) +
             " км/час. Найдите эквивалентный ветер в км/час.";
     },
     [](Numbers n, int, Steps& s) {
         s.Text("Вычитаем угол ветра из 90: 90 - " + F(n[0]) + " = " + Deg(90 - n[0]));
         s.FindCursor(V(Scale::S5, n[1]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[1]));
         s.FindCursor(V(Scale::S3, 90 - n[0]));
         s.ReadUnder(V(Scale::S5, n[1] * SinD(90 - n[0])));
         s.Finish("Это эквивалентный ветер в км/час.");
     }},
    // 28: lateral deviation from the distance flown and the deviation line
    {28, {{20, 300, 5}, {2, 30, 1}}, 2, 1, Scale::S4, 1, AnswerForm::Plain,
     [](Numbers n, int) { return AtanD(n[1] / n[0]); },
     [](Numbers n, int) { return AtanD(n[1] / n[0]) >= 1 && AtanD(n[1] / n[0]) <= 20; },
     [](Numbers n, int) {
         return "Пройденное расстояние " + F(n[0]) + " км, линейное боковое уклонение " +
             F(n[1]) + " км. Найдите боковое уклонение в градусах.";
     },
     [](Numbers n, int, Steps& s) {
         s.FindCursor(V(Scale::S5, n[0]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.Find(V(Scale::S5, n[1]));
         s.Read(V(Scale::S4, AtanD(n[1] / n[0])), V(Scale::S5, n[1]));
         s.Finish("Это боковое уклонение в градусах.");
     }},
    // 29: additional correction from the distance to go and the deviation line
    {29, {{20, 300, 5}, {2, 30, 1}}, 2, 1, Scale::S4, 1, AnswerForm::Plain,
     [](Numbers n, int) { return AtanD(n[1] / n[0]); },
     [](Numbers n, int) { return AtanD(n[1] / n[0]) >= 1 && AtanD(n[1] / n[0]) <= 20; },
     [](Numbers n, int) {
         return "Оставшееся расстояние " + F(n[0]) + " км, линейное боковое уклонение " +
             F(n[1]) + " км. Найдите дополнительную поправку в градусах.";
     },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S5, n[0]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[0]));
         s.Find(V(Scale::S5, n[1]));
         s.Read(V(Scale::S4, AtanD(n[1] / n[0])), V(Scale::S5, n[1]));
         s.Finish("Это дополнительная поправка в градусах.");
     }},
    // 30: additional correction from the distances and the deviation angle
    {30, {{20, 300, 5}, {20, 300, 5}, {2, 10, 1}}, 3, 1, Scale::S4, 1, AnswerForm::Plain,
     [](Numbers n, int) { return AtanD(TanD(n[2]) * n[0] / n[1]); },
     [](Numbers n, int) { return AtanD(TanD(n[2]) * n[0] / n[1]) >= 1; },
     [](Numbers n, int) {
         return "Пройдено " + F(n[0]) + " км, осталось " + F(n[1]) + " км, боковое уклонение " +
             Deg(n[2]) +
                ". Найдите дополнительную поправку в градусах.";
     },
     [](Numbers n, int, Steps& s) {
         s.Find(V(Scale::S5, n[1]));
         s.Bring(V(Scale::S4, n[2]), V(Scale::S5, n[1]));
         s.Find(V(Scale::S5, n[0]));
         s.Read(V(Scale::S4, AtanD(TanD(n[2]) * n[0] / n[1])), V(Scale::S5, n[0]));
         s.Finish("Это дополнительная поправка в градусах.");
     }},
    // 31: the correction for the convergence of meridians
    {31, {{30, 75, 1}, {20, 170, 1}, {20, 170, 1}}, 3, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return (n[1] - n[2]) * SinD(n[0]); },
     [](Numbers n, int) { return n[1] - n[2] >= 2 && n[1] - n[2] <= 12; },
     [](Numbers n, int) {
         return "Средняя широта листа карты " + Deg(n[0]) + ", долгота радиостанции " +
             Deg(n[1]) + ", долгота самолета " +
                Deg(n[2]) + ". Найдите поправку на схождение меридианов в градусах.";
     },
     [](Numbers n, int, Steps& s) {
         s.Text("Разность долгот " + F(n[1]) + " - " + F(n[2]) + " = " + Deg(n[1] - n[2]));
         s.Find(V(Scale::S5, n[1] - n[2]));
         s.Bring(I(Index::Triangle4), V(Scale::S5, n[1] - n[2]));
         s.FindCursor(V(Scale::S3, n[0]));
         s.ReadUnder(V(Scale::S5, (n[1] - n[2]) * SinD(n[0])));
         s.Finish("Это поправка в градусах.");
     }},
    // 32: the course correction from the deviation and the distances
    {32, {{2, 10, 1}, {20, 300, 5}, {20, 300, 5}}, 3, 1, Scale::S4, 1, AnswerForm::Plain,
     [](Numbers n, int) { return AtanD(TanD(n[0]) * (n[1] + n[2]) / n[2]); },
     [](Numbers n, int) { return AtanD(TanD(n[0]) * (n[1] + n[2]) / n[2]) <= 40; },
     [](Numbers n, int) {
         return "Боковое уклонение " + Deg(n[0]) + ", пройдено " + F(n[1]) + " км, осталось " +
             F(n[2]) +
                " км. Найдите поправку в курс в градусах.";
     },
     [](Numbers n, int, Steps& s) {
         s.Text("Все расстояние " + F(n[1]) + " + " + F(n[2]) + " = " + F(n[1] + n[2]) + " км");
         s.Find(V(Scale::S5, n[2]));
         s.Bring(V(Scale::S4, n[0]), V(Scale::S5, n[2]));
         s.Find(V(Scale::S5, n[1] + n[2]));
         s.Read(V(Scale::S4, AtanD(TanD(n[0]) * (n[1] + n[2]) / n[2])), V(Scale::S5, n[1] + n[2]));
         s.Finish("Это поправка в курс в градусах.");
     }},
    // 33: distance along the desired track (variant 0) or along the traverse (1)
    {33, {{0, 180, 5}, {50, 400, 10}, {30, 250, 5}}, 3, 2, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int v) { return n[1] * SinD(v ? 90 - (n[0] + 90 - n[2]) : n[0] + 90 - n[2]); },
     [](Numbers n, int) { return n[0] + 90 - n[2] >= 10 && n[0] + 90 - n[2] <= 80; },
     [](Numbers n, int v) {
         return "ЗИПУ " + Deg(n[0]) + ", расстояние между радиолокаторами " + F(n[1]) +
             " км, угол А " + Deg(n[2]) +
                (v ? ". Найдите расстояние по траверзу в км." : ". Найдите расстояние по ЛЗП в км.");
     },
     [](Numbers n, int v, Steps& s) {
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
    {34, {{1000, 12000, 500}, {10, 60, 1}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return std::sqrt(n[1] * n[1] - n[0] * n[0] / 1e6); },
     [](Numbers n, int) { return AsinD(n[0] / 1000 / n[1]) >= 6 &&
         AsinD(n[0] / 1000 / n[1]) <= 80; },
     [](Numbers n, int) {
         return "Высота полета " + F(n[0]) + " м, наклонная дальность " + F(n[1]) +
             " км. Найдите горизонтальную дальность в км.";
     },
     [](Numbers n, int, Steps& s) {
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
    {35, {{200, 900, 10}, {10, 45, 5}}, 2, 1, Scale::S5, 1, AnswerForm::Plain,
     [](Numbers n, int) { return TurnRadius(n[0], n[1]); },
     [](Numbers n, int) { return TurnRadius(n[0], n[1]) >= 1.2 && TurnRadius(n[0], n[1]) <= 30; },
     [](Numbers n, int) {
         return "Скорость " + F(n[0]) + " км/час, крен " + Deg(n[1]) +
             ". Найдите радиус разворота в км.";
     },
     [](Numbers n, int, Steps& s) {
         s.FindCursor(V(Scale::S6, n[0] / 100));
         s.BringUnder(V(Scale::S4, n[1]));
         s.Find(I(Index::R));
         s.Read(V(Scale::S5, TurnRadius(n[0], n[1])), I(Index::R));
         s.Finish("Это радиус разворота в км.");
     }},
    // 36: time of a turn through an angle (variant 0) or a full turn (1), a tenth on scale 2
    // The full turn asks for 360°, and is read at the t360 index.
    {36, {{200, 900, 10}, {1, 20, 0.5}, {30, 360, 10}}, 3, 2, Scale::S2, 10, AnswerForm::Seconds,
     [](Numbers n, int) { return TurnTime(n[0], n[1], n[2]); },
     [](Numbers n, int v) { return (v == 0) != (n[2] == 360) && TurnTime(n[0], n[1],
         n[2]) >= 12 && TurnTime(n[0], n[1], n[2]) <= 1200; },
     [](Numbers n, int) {
         return "Скорость " + F(n[0]) + " км/час, радиус разворота " + F(n[1]) +
             " км. Найдите время разворота на " +
                Deg(n[2]) + " в секундах.";
     },
     [](Numbers n, int v, Steps& s) {
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

const Kind* KindOf(uint32_t key) {
    for (const Kind& k : kKinds)
        if (k.key == key) return &k;
    return nullptr;
}

// SplitMix64: the same numbers from the same seed on every machine.
class Draws {
  public:
    explicit Draws(uint64_t seed) : m_state(seed) {}
    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double In(const NumberRange& r) {
        const uint64_t steps = uint64_t(std::llround((r.hi - r.lo) / r.step)) + 1;
        return r.lo + double(Next() % steps) * r.step;
    }
    int Below(int n) { return int(Next() % uint64_t(n)); }

  private:
    uint64_t m_state;
};

// Every value the solution finds, brings or reads lies on its scale's graduation, and the
// settings it makes stay within the rule's limits with every pointer in view.
bool SolutionFits(const Task& task) {
    const Solution solution = SolutionOf(task);
    for (const StepNote& n : solution.notes) {
        if (n.act == Act::Text) continue;
        const bool twoMarks = n.act == Act::Bring || n.act == Act::CursorBring ||
                              n.act == Act::Read || n.act == Act::CursorRead;
        for (const Mark* m : {&n.mark, twoMarks ? &n.other : &n.mark})
            if (m->index == Index::None && artwork::GraduationInterval(m->scale, m->value) <= 0)
                return false;
    }
    std::vector<LessonStep> table(solution.notes.size());
    for (std::size_t i = 0; i < table.size(); ++i) table[i].pszText = solution.texts[i].c_str();
    // Only the geometry counts here; the boxes are measured when the solution is shown.
    const catalogue::TextHeight lines = [](const char*, int) { return 34; };
    const catalogue::Placement placed =
        catalogue::PlaceAll(solution.notes.data(), int(solution.notes.size()), table.data(), lines);
    if (!placed.errors.empty()) return false;
    for (const LessonStep& r : placed.records)
        if (r.bState && (!InRange(r.nSlide, kSlideMin, kSlideMax) ||
                         !InRange(r.nCursor, kCursorMin, kCursorMax) ||
                         !InRange(r.nScroll, kScrollMin, kScrollMax)))
            return false;
    // The marks are drawn on whole columns: where those add up to more than the reading
    // allows, the rule as drawn cannot give the answer, and the problem is not set.
    const StepNote& last = solution.notes.back();
    const LessonStep& state = placed.records.back();
    const auto column = [](const Mark& m) {
        return m.index != Index::None ? artwork::IndexColumn(m.scale, m.value)
                                      : artwork::MarkColumn(m.scale, m.value);
    };
    const bool slid = artwork::OnSlide(last.mark.scale);
    double body = kHairlineHomeColumn - state.nCursor;
    if (last.act == Act::Read)
        body = column(last.other) - (artwork::OnSlide(last.other.scale) ? state.nSlide : 0);
    const double read =
        artwork::ValueAtColumn(last.mark.scale, body + (slid ? state.nSlide : 0)) * task.factor;
    return std::fabs(read - task.answer) <= task.tolerance;
}

}  // namespace

const uint32_t kTaskKeys[] = {2,  3,  4,  6,  8,  10, 12, 14, 16, 17, 18, 19, 20, 21, 23,
                              24, 25, 26, 27, 28, 29, 30, 32, 31, 33, 34, 35, 36, 0};

bool HasTaskKind(uint32_t key) { return KindOf(key) != nullptr; }

NumberRange RangeOf(uint32_t key, int i) { return KindOf(key)->ranges[i]; }

double ReadingTolerance(Scale s, double value) { return artwork::GraduationInterval(s, value) / 2; }

Task DrawTask(uint32_t key, uint32_t seed) {
    const Kind& k = *KindOf(key);
    Task t;
    t.key = key;
    t.seed = seed;
    t.count = k.count;
    t.readOn = k.readOn;
    t.factor = k.factor;
    t.form = k.form;
    Draws draws(uint64_t(key) << 32 | seed);
    // Drawn again until the problem is sound; every kind's ranges leave plenty that are.
    for (int attempt = 0;; ++attempt) {
        t.variant = k.variants > 1 ? draws.Below(k.variants) : 0;
        for (int i = 0; i < k.count; ++i) t.numbers[i] = draws.In(k.ranges[i]);
        t.answer = k.answer(t.numbers, t.variant);
        t.reading = t.answer / k.factor;
        t.tolerance = ReadingTolerance(k.readOn, t.reading) * k.factor;
        if (k.fits(t.numbers, t.variant) && artwork::GraduationInterval(k.readOn, t.reading) > 0 &&
            SolutionFits(t))
            break;
        if (attempt > 100000) break;  // no kind comes near: a safety stop, not a path
    }
    t.problem = k.problem(t.numbers, t.variant);
    return t;
}

Solution SolutionOf(const Task& task) {
    const Kind& k = *KindOf(task.key);
    Solution solution;
    Steps steps(task, solution);
    const bool side2 = task.readOn >= Scale::S7;
    steps.Text(std::string("Решение. Расчет выполняется на ") + (side2 ? "второй" : "первой") +
               " стороне линейки");
    k.solve(task.numbers, task.variant, steps);
    return solution;
}

std::string FormatNumber(double value) {
    if (value == 0) return "0";
    const int magnitude = int(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, 2 - magnitude);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

std::string RoundedAnswer(const Task& task) {
    if (task.form == AnswerForm::Minutes && task.tolerance < 0.5) {
        // Below ten minutes scale 2 reads tens of seconds: minutes and seconds, to five.
        const long seconds = std::lround(task.answer * 12) * 5;
        char text[32];
        std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
        return text;
    }
    if (task.form == AnswerForm::Seconds) return FormatNumber(double(std::lround(task.answer)));
    return FormatNumber(RoundToReading(task.readOn, task.reading) * task.factor);
}

bool ParseAnswer(const std::string& text, AnswerForm form, double& value) {
    // Blanks (a no-break space too) may stand anywhere; a comma is a decimal point.
    std::string s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') continue;
        if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
            ++i;
            continue;
        }
        s += c == ',' ? '.' : c;
    }
    double sign = 1;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        sign = s[0] == '-' ? -1 : 1;
        s.erase(0, 1);
    }
    // A number is digits with at most one point and at least one digit.
    const auto number = [](const std::string& part, double& out, bool whole) {
        int digits = 0, points = 0;
        for (const char c : part) {
            if (c >= '0' && c <= '9')
                ++digits;
            else if (c == '.' && !whole)
                ++points;
            else
                return false;
        }
        if (digits == 0 || points > 1 || part.size() > 12) return false;
        out = std::strtod(part.c_str(), nullptr);
        return true;
    };
    const std::size_t colon = s.find(':');
    if (colon != std::string::npos) {
        if (form == AnswerForm::Plain) return false;
        double minutes = 0, seconds = 0;
        const std::string sec = s.substr(colon + 1);
        if (!number(s.substr(0, colon), minutes, true) || sec.size() != 2 ||
            !number(sec, seconds, true) || seconds >= 60)
            return false;
        const double total = minutes * 60 + seconds;  // in seconds
        value = sign * (form == AnswerForm::Minutes ? total / 60 : total);
        return true;
    }
    double v = 0;
    if (!number(s, v, false)) return false;
    value = sign * v;
    return true;
}

Verdict Check(const Task& task, const std::string& text) {
    double value = 0;
    if (!ParseAnswer(text, task.form, value)) return Verdict::Invalid;
    // Inclusive, also when the bound is a fraction that binary numbers cannot hold (a twelfth).
    const double slack = 1e-9 * std::max(1.0, std::fabs(task.answer));
    return std::fabs(value - task.answer) <= task.tolerance + slack ? Verdict::Right
                                                                    : Verdict::Wrong;
}

}  // namespace tasks
