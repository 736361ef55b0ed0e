// Derives the numbers of a step record from the note of what the step does: the view, the
// slide and cursor offsets, the pointer and the step box. The records of the step table are
// written from this, and anyone can derive them again with skalor-lesson-placer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "training/lesson_annotations.h"
#include "training/step_table.h"

namespace training {

// Height in pixels of a text wrapped as the step box wraps it into the given width.
using TextHeight = std::function<int(const char* text, int width)>;

// The pointer stands at least this far from its box: below the ring's handle, above its ring.
constexpr int kGapBelow = 34;
constexpr int kGapAbove = 24;
// Where the room is short: just clear of the handle's end (28 below and left of the centre,
// drawn 3 wide), and of the ring (radius 15, 3 wide) by a few pixels.
constexpr int kMinGapBelow = 31;
constexpr int kMinGapAbove = 20;
// A box beside its pointer begins this far right of it: clear of the ring (radius 15, 3 wide).
constexpr int kGapRight = 20;
// Room between the text's last line and the button (which starts 40 above the box's bottom).
constexpr int kTextToButton = 2;

struct Placement {
    std::vector<LessonStep> records;  // one per note, in table order
    std::vector<std::string> errors;  // what could not be placed by the rules
};

// Derives every note's record, taking the texts from the table (a note's record has the text
// of the table record at the same index).
Placement PlaceAll(const StepNote* notes, int count, const LessonStep* table,
                   const TextHeight& measure);

// A record's fields after its key, as a row of training/lesson_steps.def writes them.
std::string RecordFields(const LessonStep& step);

// One record whole, its key first, for printing.
std::string RecordLine(const LessonStep& step);

}  // namespace training
