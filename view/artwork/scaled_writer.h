// The file form of an image drawn at k > 1, as the program embeds it: its colours once, then
// runs of equal pixels, row after row. Most of a strip is paper, so runs keep it small, and
// reading it back is a fill per run.
//
//   "SKR1", device width, device height (u32 each, little-endian), colour count n (u32),
//   n colours (u32, 0xFFRRGGBB), then runs to the end: length, colour index (LEB128 each).
#pragma once

#include <cstdint>
#include <vector>

#include "view/artwork/canvas.h"

namespace artwork {

std::vector<std::uint8_t> EncodeRuns(const Canvas& image);

}  // namespace artwork
