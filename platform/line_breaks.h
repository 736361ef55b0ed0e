// Breaking a text into the lines of a box, as the step box and the chooser draw them: lines
// break only at spaces, a word wider than the line is broken where it must be, and a no-break
// space (U+00A0) joins the words on either side of it like a letter.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

// Width in pixels of a run of UTF-8 text drawn as one line.
using TextWidth = std::function<int(std::string_view)>;

// The lines of a UTF-8 text broken to fit `width` pixels, as views into the text. The spaces
// at a break belong to neither line; every line holds at least one character, so a line
// narrower than one character still makes progress.
std::vector<std::string_view> BreakLines(std::string_view text, int width,
                                         const TextWidth& measure);
