// What every step of every lesson does, and to which marks of the rule: one note per record of
// the step table, in the same order. The lesson placer derives a record's numbers from its
// note; the catalogue tests check the records against the notes and the position rules; the
// trainer builds the notes of a task's solution from the same parts.
#pragma once

#include <cstdint>

#include "model/position_rules.h"

namespace training {

using model::Scale;

// The index marks the lessons name, each drawn at a fixed strip column.
enum class Index { None, Ten, Circle, Triangle2, Triangle4, R, T360, Hundred14, AM, MM, Feet };

// A mark of the rule: a value on a scale, or an index mark (then value is unused).
struct Mark {
    Scale scale = Scale::S1;
    double value = 0.0;
    Index index = Index::None;
};

enum class Act {
    Text,         // text only: no pointer, no state
    ShowSide,     // the tour shows a side with all offsets 0
    PointScale,   // the tour points at a scale as a whole
    Find,         // find `mark`; the pointer rings it
    FindCursor,   // find `mark` and set the hairline on it
    Bring,        // bring slide mark `mark` against body mark `other`
    BringUnder,   // bring slide mark `mark` under the hairline
    CursorBring,  // set the hairline on body mark `other`, then bring slide mark `mark` under it
    Read,         // read `mark` (the result on its scale) opposite `other`
    ReadUnder,    // read `mark` (the result on its scale) under the hairline
    CursorRead,   // set the hairline on body mark `other` and read `mark` under it
};

constexpr int kAuto = -100000;  // no fixed value: the placer chooses

struct StepNote {
    uint32_t key = 0;
    int step = 0;  // 1-based within the lesson
    Act act = Act::Text;
    bool state = false;  // the step carries a rule state (kinds s and ps)
    Mark mark;
    Mark other;
    const char* stated = nullptr;  // the result as the text states it, for reads
    int side = 0;                  // 0 side 1, 1 side 2
    int scroll = kAuto;            // a view the lesson must show
    int y = 0;                     // pointer line when not the scale's own; 0: the scale's
    bool boxRight = false;         // the box stands right of the pointer, not above or below
    uint32_t sameKey = 0;          // the record is the same as this lesson's...
    int sameStep = 0;              // ...step (shared steps)
};

// One note a row of training/lesson_steps.def, in its order.
extern const StepNote* const kStepNotes;
extern const int kStepNoteCount;

// The index mark as a mark of its scale: the scale that carries it and the value it stands for.
Mark IndexMarkOf(Index index);

}  // namespace training
