#include "training/lesson_annotations.h"

#include <cmath>

namespace catalogue {

namespace {

constexpr double kPi = 3.14159265358979323846;
double SinD(double deg) { return std::sin(deg * kPi / 180.0); }
double TanD(double deg) { return std::tan(deg * kPi / 180.0); }
double AsinD(double x) { return std::asin(x) * 180.0 / kPi; }
double AtanD(double x) { return std::atan(x) * 180.0 / kPi; }

Mark V(Scale s, double v) { return Mark{s, v, Index::None}; }

// Each index mark the lessons name: the scale that carries it and the value it stands for.
// Where the artwork draws it is the artwork's to say.
struct IndexOnScale {
    Index index;
    Scale scale;
    double value;
};

// clang-format off
const IndexOnScale kIndexValues[] = {
    {Index::Ten, Scale::S2, 10.0},        {Index::Circle, Scale::S2, 36.0},
    {Index::Triangle2, Scale::S2, 60.0},  {Index::Triangle4, Scale::S4, 45.0},
    {Index::R, Scale::S4, AtanD(0.0787)}, {Index::T360, Scale::S1, 72.0 * kPi},
    {Index::Hundred14, Scale::S14, 100.0}, {Index::AM, Scale::S14, 160.9},
    {Index::MM, Scale::S14, 185.2},       {Index::Feet, Scale::S14, 328.1},
};
// clang-format on

Mark I(Index i) {
    for (const IndexOnScale& m : kIndexValues)
        if (m.index == i) return Mark{m.scale, m.value, i};
    return Mark{};
}

StepNote Note(uint32_t key, int step, Act act, bool state) {
    StepNote n;
    n.key = key;
    n.step = step;
    n.act = act;
    n.state = state;
    return n;
}
StepNote T(uint32_t key, int step) { return Note(key, step, Act::Text, false); }
StepNote Show(uint32_t key, int step, int side) {
    StepNote n = Note(key, step, Act::ShowSide, true);
    n.side = side;
    return n;
}
StepNote Tour(uint32_t key, int step, Scale s, bool state) {
    StepNote n = Note(key, step, Act::PointScale, state);
    n.mark = V(s, 0.0);
    n.side = SideOf(s);
    return n;
}
StepNote Find(uint32_t key, int step, Mark m, bool state = true) {
    StepNote n = Note(key, step, Act::Find, state);
    n.mark = m;
    return n;
}
StepNote FindCursor(uint32_t key, int step, Mark m) {
    StepNote n = Note(key, step, Act::FindCursor, true);
    n.mark = m;
    return n;
}
StepNote Bring(uint32_t key, int step, Mark slide, Mark body) {
    StepNote n = Note(key, step, Act::Bring, true);
    n.mark = slide;
    n.other = body;
    return n;
}
StepNote BringUnder(uint32_t key, int step, Mark slide) {
    StepNote n = Note(key, step, Act::BringUnder, true);
    n.mark = slide;
    return n;
}
StepNote CursorBring(uint32_t key, int step, Mark slide, Mark body) {
    StepNote n = Note(key, step, Act::CursorBring, true);
    n.mark = slide;
    n.other = body;
    return n;
}
StepNote Read(uint32_t key, int step, Mark result, Mark against, const char* stated,
              bool state = true) {
    StepNote n = Note(key, step, Act::Read, state);
    n.mark = result;
    n.other = against;
    n.stated = stated;
    return n;
}
StepNote ReadUnder(uint32_t key, int step, Mark result, const char* stated) {
    StepNote n = Note(key, step, Act::ReadUnder, true);
    n.mark = result;
    n.stated = stated;
    return n;
}
StepNote CursorRead(uint32_t key, int step, Mark result, Mark body, const char* stated) {
    StepNote n = Note(key, step, Act::CursorRead, true);
    n.mark = result;
    n.other = body;
    n.stated = stated;
    return n;
}

StepNote Side2(StepNote n) {
    n.side = 1;
    return n;
}
StepNote Scroll(int scroll, StepNote n) {
    n.scroll = scroll;
    return n;
}
StepNote BoxRight(int y, StepNote n) {
    n.y = y;
    n.boxRight = true;
    return n;
}
StepNote Same(uint32_t key, int step, StepNote n) {
    n.sameKey = key;
    n.sameStep = step;
    return n;
}

using S = Scale;

// Worked examples, in the units the scales take.
const double kTurn360 = 2.0 * kPi * 2000.0 / (300.0 / 3.6);  // s, radius 2 km at 300 km/h
const double kTurnRadius = std::pow(300.0 / 3.6, 2) / 9.80665 / TanD(15.0) / 1000.0;  // km
const double kTrueAirspeed =
    305.0 * std::sqrt((273.15 - 10.0) / (288.15 * artwork::PressureRatio(3.0)));  // km/h
const Mark kTri = I(Index::Triangle4);

}  // namespace

// clang-format off
const StepNote kStepNotes[] = {
    // 1: the tour, side 1 then side 2
    Show(1, 1, 0), Tour(1, 2, S::S1, false), Tour(1, 3, S::S2, false), Tour(1, 4, S::S1a, true),
    Tour(1, 5, S::S3, true), Tour(1, 6, S::S4, true), Tour(1, 7, S::S5, true),
    Tour(1, 8, S::S6, true), Show(1, 9, 1), Tour(1, 10, S::S7, false), Tour(1, 11, S::S8, true),
    Tour(1, 12, S::S9, true), Tour(1, 13, S::S10, true), Tour(1, 14, S::S11, true),
    Tour(1, 15, S::S12, true), Tour(1, 16, S::S13, false), Tour(1, 17, S::S14, true),
    Tour(1, 18, S::S15, false), Tour(1, 19, S::S16, true),

    // 2: 23 x 12
    T(2, 1), Find(2, 2, V(S::S1, 23)), Bring(2, 3, I(Index::Ten), V(S::S1, 23)),
    Find(2, 4, V(S::S2, 12), false), Read(2, 5, V(S::S1, 23.0 * 12.0 / 10.0), V(S::S2, 12), "27.6", false),

    // 3: 420 / 15, the dividend taken a tenth because the result stands at index 10
    T(3, 1), T(3, 2), Find(3, 3, V(S::S1, 42)), Bring(3, 4, V(S::S2, 15), V(S::S1, 42)),
    Read(3, 5, V(S::S1, 420.0 / 15.0), I(Index::Ten), "28"),

    // 4: sin 40
    T(4, 1), Bring(4, 2, kTri, V(S::S5, 100)), FindCursor(4, 3, V(S::S3, 40)),
    ReadUnder(4, 4, V(S::S5, 100.0 * SinD(40)), "64"),

    T(5, 1),

    // 6: tan 40
    T(6, 1), Same(4, 2, Bring(6, 2, kTri, V(S::S5, 100))), Find(6, 3, V(S::S4, 40)),
    Read(6, 4, V(S::S5, 100.0 * TanD(40)), V(S::S4, 40), "84"),

    T(7, 1),

    // 8: 250 sin 42
    T(8, 1), Same(10, 2, Bring(8, 2, kTri, V(S::S5, 250))), FindCursor(8, 3, V(S::S3, 42)),
    ReadUnder(8, 4, V(S::S5, 250.0 * SinD(42)), "167"),

    T(9, 1),

    // 10: 250 tg 42, its last two steps on the position of step 2
    T(10, 1), Bring(10, 2, kTri, V(S::S5, 250)), Find(10, 3, V(S::S4, 42), false),
    Read(10, 4, V(S::S5, 250.0 * TanD(42)), V(S::S4, 42), "225", false),

    T(11, 1),

    // 12: 250 / sin 50
    T(12, 1), FindCursor(12, 2, V(S::S5, 250)), BringUnder(12, 3, V(S::S3, 50)),
    Read(12, 4, V(S::S5, 250.0 / SinD(50)), kTri, "326"),

    T(13, 1),

    // 14: 160 / tg 40
    T(14, 1), Bring(14, 2, V(S::S4, 40), V(S::S5, 160)),
    Read(14, 3, V(S::S5, 160.0 / TanD(40)), kTri, "191"),

    T(15, 1),

    // 16: 420 km/h for 9 min
    T(16, 1), T(16, 2), Find(16, 3, I(Index::Triangle2)), Find(16, 4, I(Index::Circle)), T(16, 5),
    Find(16, 6, V(S::S1, 420)), Bring(16, 7, I(Index::Triangle2), V(S::S1, 420)),
    Find(16, 8, V(S::S2, 9)), Read(16, 9, V(S::S1, 420.0 * 9.0 / 60.0), V(S::S2, 9), "63"),
    T(16, 10),

    // 17: 187 km at 510 km/h
    T(17, 1), Same(16, 2, T(17, 2)), Same(16, 3, Find(17, 3, I(Index::Triangle2))),
    Same(16, 4, Find(17, 4, I(Index::Circle))), T(17, 5), Find(17, 6, V(S::S1, 510)),
    Bring(17, 7, I(Index::Triangle2), V(S::S1, 510)), Find(17, 8, V(S::S1, 187)),
    Read(17, 9, V(S::S2, 187.0 * 60.0 / 510.0), V(S::S1, 187), "22"), T(17, 10),

    // 18: 72 km in 10 min
    T(18, 1), Same(16, 2, T(18, 2)), Same(16, 3, Find(18, 3, I(Index::Triangle2))),
    Same(16, 4, Find(18, 4, I(Index::Circle))), T(18, 5), Find(18, 6, V(S::S1, 72)),
    Bring(18, 7, I(Index::Ten), V(S::S1, 72)),
    Read(18, 8, V(S::S1, 72.0 * 60.0 / 10.0), I(Index::Triangle2), "432"),
    Same(17, 10, T(18, 9)),

    // 19: 12 m/s
    T(19, 1), Bring(19, 2, I(Index::Ten), V(S::S1, 12)),
    Read(19, 3, V(S::S1, 12.0 * 3.6), I(Index::Circle), "43"), T(19, 4),

    // 20: 200 miles, side 2
    T(20, 1), Side2(Find(20, 2, I(Index::MM))), Side2(Find(20, 3, I(Index::AM))), T(20, 4),
    Side2(Find(20, 5, V(S::S15, 200))), Side2(Bring(20, 6, I(Index::Hundred14), V(S::S15, 200))),
    Side2(Read(20, 7, V(S::S15, 200.0 * 1.609344), I(Index::AM), "322")),
    Side2(Read(20, 8, V(S::S15, 200.0 * 1.852), I(Index::MM), "370")), T(20, 9),

    // 21: 4000 ft, side 2; the feet taken a tenth
    T(21, 1), Side2(Find(21, 2, V(S::S15, 400))),
    Side2(Bring(21, 3, I(Index::Feet), V(S::S15, 400))), Side2(Find(21, 4, I(Index::Hundred14))),
    Side2(Read(21, 5, V(S::S15, 4000.0 * 0.3048 / 10.0), I(Index::Hundred14), "122")),
    T(21, 6),

    T(22, 1), T(22, 2),

    // 23: true airspeed, side 2
    T(23, 1), T(23, 2), Side2(Find(23, 3, V(S::S12, 3))),
    Side2(Bring(23, 4, V(S::S11, -10), V(S::S12, 3))), Side2(Find(23, 5, V(S::S15, 305))),
    Side2(Read(23, 6, V(S::S14, kTrueAirspeed), V(S::S15, 305), "350")),

    // 24: greatest drift at 360 km/h, wind 60 km/h
    T(24, 1), Find(24, 2, V(S::S5, 360)), Bring(24, 3, kTri, V(S::S5, 360)),
    FindCursor(24, 4, V(S::S5, 60)), ReadUnder(24, 5, V(S::S3, AsinD(60.0 / 360.0)), "9.6"),

    // 25: the navigation triangle; wind angle 330 - 180 - 105 = 45
    T(25, 1), T(25, 2), T(25, 3), T(25, 4), T(25, 5), T(25, 6), Find(25, 7, V(S::S5, 460)),
    CursorBring(25, 8, V(S::S3, 45), V(S::S5, 460)), Scroll(744, Find(25, 9, V(S::S5, 80))),
    CursorRead(25, 10, V(S::S3, AsinD(80.0 * SinD(45) / 460.0)), V(S::S5, 80), "7"), T(25, 11),
    Scroll(1055, FindCursor(25, 12, V(S::S3, 45 + 7))),
    Scroll(1055, ReadUnder(25, 13, V(S::S5, 460.0 * SinD(52) / SinD(45)), "512")),

    // 26: wind from 450 km/h, heading 50, drift +7, ground speed 490 km/h
    T(26, 1), T(26, 2), Find(26, 3, V(S::S5, 490 - 450)),
    Bring(26, 4, V(S::S4, 7), V(S::S5, 40)), Find(26, 5, V(S::S5, 450)),
    Read(26, 6, V(S::S4, AtanD(450.0 * TanD(7) / 40.0)), V(S::S5, 450), "54"),
    // Steps 7 and 8 ring their marks on scale 3 at y 154 with the box right of the pointer,
    // the view panned so that the pointer stands left of where a box may begin.
    Scroll(1050, BoxRight(154, CursorBring(26, 7, V(S::S3, 54), V(S::S5, 450)))),
    Scroll(727, BoxRight(154, FindCursor(26, 8, V(S::S3, 7)))),
    ReadUnder(26, 9, V(S::S5, 450.0 * SinD(7) / SinD(54)), "68"), T(26, 10),

    // 27: equivalent wind, wind angle 80, wind 40 km/h
    T(27, 1), T(27, 2), FindCursor(27, 3, V(S::S5, 40)), Bring(27, 4, kTri, V(S::S5, 40)),
    FindCursor(27, 5, V(S::S3, 90 - 80)), ReadUnder(27, 6, V(S::S5, 40.0 * SinD(90 - 80)), "7"),

    // 28: deviation from 40 km flown and 4 km off
    T(28, 1), FindCursor(28, 2, V(S::S5, 40)), Same(27, 4, Bring(28, 3, kTri, V(S::S5, 40))),
    Find(28, 4, V(S::S5, 4)), Read(28, 5, V(S::S4, AtanD(4.0 / 40.0)), V(S::S5, 4), "6"),

    // 29: additional correction from 80 km to go and 4 km off
    T(29, 1), Find(29, 2, V(S::S5, 80)), Bring(29, 3, kTri, V(S::S5, 80)),
    Find(29, 4, V(S::S5, 4)), Read(29, 5, V(S::S4, AtanD(4.0 / 80.0)), V(S::S5, 4), "3"),

    // 30: additional correction from 40 km flown, 80 km to go, deviation 6
    T(30, 1), Same(29, 2, Find(30, 2, V(S::S5, 80))), Bring(30, 3, V(S::S4, 6), V(S::S5, 80)),
    Find(30, 4, V(S::S5, 40)),
    Read(30, 5, V(S::S4, AtanD(TanD(6) * 40.0 / 80.0)), V(S::S5, 40), "3"),

    // 31: convergence of meridians, latitude 54, longitudes 52 and 47
    T(31, 1), T(31, 2), T(31, 3), Find(31, 4, V(S::S5, 52 - 47)), Bring(31, 5, kTri, V(S::S5, 5)),
    FindCursor(31, 6, V(S::S3, 54)), ReadUnder(31, 7, V(S::S5, (52 - 47) * SinD(54)), "4"),

    // 32: deviation 4, 40 km flown, 80 km to go
    T(32, 1), T(32, 2), T(32, 3), Find(32, 4, V(S::S5, 80)), Bring(32, 5, V(S::S4, 4), V(S::S5, 80)),
    Find(32, 6, V(S::S5, 40)),
    Read(32, 7, V(S::S4, AtanD(TanD(4) * 40.0 / 80.0)), V(S::S5, 40), "2"),
    Find(32, 8, V(S::S5, 40 + 80)),
    Read(32, 9, V(S::S4, AtanD(TanD(4) * 120.0 / 80.0)), V(S::S5, 120), "6"),

    // 33: radars 100 km apart, right of the track: alpha = 30 + 90 - 90 = 30
    T(33, 1), T(33, 2), T(33, 3), T(33, 4), Find(33, 5, V(S::S5, 100)),
    Bring(33, 6, kTri, V(S::S5, 100)), FindCursor(33, 7, V(S::S3, 30)),
    ReadUnder(33, 8, V(S::S5, 100.0 * SinD(30)), "50"), FindCursor(33, 9, V(S::S3, 90 - 30)),
    ReadUnder(33, 10, V(S::S5, 100.0 * SinD(60)), "86"),

    // 34: slant range 20 km at 9000 m
    T(34, 1), Find(34, 2, V(S::S5, 20)), Bring(34, 3, kTri, V(S::S5, 20)),
    FindCursor(34, 4, V(S::S5, 9000.0 / 1000.0)), ReadUnder(34, 5, V(S::S3, AsinD(9.0 / 20.0)), "27"),
    FindCursor(34, 6, V(S::S3, 90 - 27)), ReadUnder(34, 7, V(S::S5, 20.0 * SinD(63)), "18"),

    // 35: turn radius at bank 15 and 300 km/h
    T(35, 1), FindCursor(35, 2, V(S::S6, 300.0 / 100.0)), BringUnder(35, 3, V(S::S4, 15)),
    Find(35, 4, I(Index::R)), Read(35, 5, V(S::S5, kTurnRadius), I(Index::R), "2.64"),

    // 36: turn time, radius 2 km, 300 km/h, 50 degrees; scale 2 reads tenths of seconds
    T(36, 1), Find(36, 2, V(S::S1, 300.0 / 10.0)), Bring(36, 3, V(S::S2, 2), V(S::S1, 30)),
    FindCursor(36, 4, V(S::S1a, 50)), ReadUnder(36, 5, V(S::S2, kTurn360 * 50.0 / 360.0 / 10.0), "2.1"),
    Find(36, 6, I(Index::T360)), Read(36, 7, V(S::S2, kTurn360 / 10.0), I(Index::T360), "15"),
};
// clang-format on

const int kStepNoteCount = int(sizeof kStepNotes / sizeof kStepNotes[0]);

Mark IndexMarkOf(Index index) { return I(index); }

bool OnSlide(Scale scale) {
    switch (scale) {
        case S::S2:
        case S::S3:
        case S::S4:
        case S::S9:
        case S::S16:
        case S::S10:
        case S::S11:
        case S::S14: return true;
        default: return false;
    }
}

int SideOf(Scale scale) {
    switch (scale) {
        case S::S1a:
        case S::S1:
        case S::S2:
        case S::S3:
        case S::S4:
        case S::S5:
        case S::S6: return 0;
        default: return 1;
    }
}

void LineBand(Scale scale, int& lo, int& hi) {
    switch (scale) {
        case S::S1a: lo = 64, hi = 76; return;
        case S::S1: lo = 86, hi = 100; return;
        case S::S2: lo = 109, hi = 130; return;
        case S::S3: lo = 150, hi = 164; return;
        case S::S4: lo = 171, hi = 189; return;
        case S::S5: lo = 200, hi = 212; return;
        case S::S6: lo = 236, hi = 246; return;
        case S::S7: lo = hi = 99; return;
        case S::S8: lo = hi = 96; return;
        case S::S9: lo = hi = 115; return;
        case S::S16: lo = hi = 139; return;
        case S::S10:
        case S::S11:
        case S::S14: lo = 169, hi = 189; return;
        case S::S12:
        case S::S15: lo = 199, hi = 210; return;
        case S::S13: lo = hi = 229; return;
    }
}

int PointerLine(Scale scale) {
    switch (scale) {
        case S::S1a: return 70;  // the hanging ticks and their numerals
        case S::S1: return 100;  // numerals over the baseline, the ticks below
        case S::S2: return 116;  // baseline of the hanging band
        case S::S3: return 152;  // the axis
        case S::S4: return 185;  // numerals over the baseline
        case S::S5: return 204;  // baseline of the hanging band
        case S::S6: return 242;
        case S::S10:
        case S::S11:
        case S::S14: return 184;
        case S::S12:
        case S::S15: return 204;
        default: {
            int lo = 0, hi = 0;
            LineBand(scale, lo, hi);
            return lo;
        }
    }
}

void ScaleColumns(Scale scale, int& first, int& last) {
    switch (scale) {
        case S::S1a: first = 550, last = 973; return;
        case S::S1: first = 51, last = 1227; return;
        case S::S2: first = 52, last = 1228; return;
        case S::S3: first = 420, last = 836; return;
        case S::S4: first = 29, last = 1251; return;
        case S::S5: first = 54, last = 1229; return;
        case S::S6: first = 54, last = 1229; return;
        case S::S7: first = 84, last = 201; return;
        case S::S8: first = 235, last = 1200; return;
        case S::S9: first = 195, last = 1198; return;
        case S::S16: first = 418, last = 782; return;
        case S::S10: first = 55, last = 120; return;
        case S::S11: first = 288, last = 352; return;
        case S::S14: first = 418, last = 1248; return;
        case S::S12: first = 84, last = 344; return;
        case S::S15: first = 418, last = 1199; return;
        case S::S13: first = 299, last = 344; return;
    }
}

}  // namespace catalogue
