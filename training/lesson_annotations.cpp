#include "training/lesson_annotations.h"

#include <cmath>
#include <vector>

#include "model/degrees.h"
#include "model/scale_geometry.h"

namespace training {

using model::AsinD;
using model::AtanD;
using model::kPi;
using model::SideOf;
using model::SinD;
using model::TanD;

namespace {

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

StepNote Note(Act act, bool state) {
    StepNote n;
    n.act = act;
    n.state = state;
    return n;
}
StepNote T() { return Note(Act::Text, false); }
StepNote Show(int side) {
    StepNote n = Note(Act::ShowSide, true);
    n.side = side;
    return n;
}
StepNote Tour(Scale s, bool state) {
    StepNote n = Note(Act::PointScale, state);
    n.mark = V(s, 0.0);
    n.side = SideOf(s);
    return n;
}
StepNote Find(Mark m, bool state = true) {
    StepNote n = Note(Act::Find, state);
    n.mark = m;
    return n;
}
StepNote FindCursor(Mark m) {
    StepNote n = Note(Act::FindCursor, true);
    n.mark = m;
    return n;
}
StepNote Bring(Mark slide, Mark body) {
    StepNote n = Note(Act::Bring, true);
    n.mark = slide;
    n.other = body;
    return n;
}
StepNote BringUnder(Mark slide) {
    StepNote n = Note(Act::BringUnder, true);
    n.mark = slide;
    return n;
}
StepNote CursorBring(Mark slide, Mark body) {
    StepNote n = Note(Act::CursorBring, true);
    n.mark = slide;
    n.other = body;
    return n;
}
StepNote Read(Mark result, Mark against, const char* stated, bool state = true) {
    StepNote n = Note(Act::Read, state);
    n.mark = result;
    n.other = against;
    n.stated = stated;
    return n;
}
StepNote ReadUnder(Mark result, const char* stated) {
    StepNote n = Note(Act::ReadUnder, true);
    n.mark = result;
    n.stated = stated;
    return n;
}
StepNote CursorRead(Mark result, Mark body, const char* stated) {
    StepNote n = Note(Act::CursorRead, true);
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
// The step is the same as lesson key's step: its record is copied, not placed.
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
    305.0 * std::sqrt((273.15 - 10.0) / (288.15 * model::PressureRatio(3.0)));  // km/h
const Mark kTri = I(Index::Triangle4);

// A note takes its lesson's key from its row and its step from its place among the lesson's rows.
StepNote Keyed(uint32_t key, StepNote n) {
    n.key = key;
    return n;
}

const std::vector<StepNote> kNotes = [] {
    std::vector<StepNote> notes = {
#define LESSON_STEP(key, note, ...) Keyed(key, note),
#include "training/lesson_steps.def"
#undef LESSON_STEP
    };
    for (std::size_t i = 0; i < notes.size(); ++i)
        notes[i].step = i > 0 && notes[i - 1].key == notes[i].key ? notes[i - 1].step + 1 : 1;
    return notes;
}();

}  // namespace

const StepNote* const kStepNotes = kNotes.data();
const int kStepNoteCount = int(kNotes.size());

Mark IndexMarkOf(Index index) { return I(index); }

}  // namespace training
