// How far a reading can stand off when every setting before it is a pixel off. A solution
// sets the slide and the hairline by hand, each to within a pixel; each error moves what
// follows it, and a later setting made against a moved part carries that error on. The
// columns only shift, so the reading's column is off by a sum of the settings' errors.
#pragma once

#include "training/lesson_annotations.h"

namespace training {

// The most strip columns the last read of notes[0..count) can stand off its place when each
// setting of the slide or the hairline before it is off by up to one column either way; 0
// when there is no read.
int SettingSpread(const StepNote* notes, int count);

}  // namespace training
