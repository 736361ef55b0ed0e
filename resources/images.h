// The image set, drawn by skalor-artwork at build time and compiled into the program: as
// 4-bit BMP files, and drawn again at every whole scale from 2 to kMaxImageScale as runs of
// colours (the artwork's scaled writer says the form). Nothing is read from disk at run time.
#pragma once

#include <cstddef>

struct EmbeddedImage {
    int id;
    const unsigned char* data;  // the whole .bmp file
    std::size_t size;
};

// Drawing the set at a scale takes a few times longer than starting the program, so the
// scales in use are drawn when the program is built: a window factor of 1 to 4 on a screen
// of device pixel ratio 1, or 1 to 2 at ratio 2.
constexpr int kMaxImageScale = 4;

// The image with the given id, or nullptr when the set has none.
const EmbeddedImage* FindEmbeddedImage(int id);
// The image with the given id drawn at scale 2..kMaxImageScale, or nullptr.
const EmbeddedImage* FindScaledImage(int id, int scale);
