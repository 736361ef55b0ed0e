// Small figures the index marks and keys are built from, drawn pixel by pixel so that they
// stand symmetric about their column.
#pragma once

#include <cstdint>

#include "view/artwork/canvas.h"

namespace artwork {

// A vertical line of single dots on every other row from y0 to y1, starting at y0.
void DottedVLine(Canvas& c, int x, int y0, int y1, std::uint8_t ink);

// A triangle symmetric about column x with its apex at row apexY and its base at row baseY
// (above or below), reaching `halfWidth` columns either side at the base. A white fill is
// left undrawn.
void Triangle(Canvas& c, int x, int apexY, int baseY, int halfWidth, std::uint8_t outline, std::uint8_t fill);

// A diamond symmetric about column x from row top to row bottom.
void Diamond(Canvas& c, int x, int top, int bottom, int halfWidth, std::uint8_t outline, std::uint8_t fill);

// An ellipse ring about column x from row top to row bottom, 2·halfWidth + 1 wide; with
// fillUpper, its upper half is solid.
void Ring(Canvas& c, int x, int top, int bottom, int halfWidth, std::uint8_t ink, bool fillUpper = false);

// A horizontal arrow from x0 to x1 (head at x1) on row y.
void Arrow(Canvas& c, int x0, int x1, int y, std::uint8_t ink);

}  // namespace artwork
