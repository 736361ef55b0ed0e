// The image set's file format: BMP with a 40-byte info header, 4 bits per pixel, the
// sixteen-colour palette, uncompressed, rows bottom-up and padded to four bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "view/artwork/canvas.h"

namespace artwork {

std::vector<std::uint8_t> EncodeBmp(const Canvas& image);

}  // namespace artwork
