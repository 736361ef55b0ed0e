// The image set, drawn by skalor-artwork at build time and compiled into the program as
// 4-bit BMP files. Nothing is read from disk at run time.
#pragma once

#include <cstddef>

struct EmbeddedImage {
    int id;
    const unsigned char* data;  // the whole .bmp file
    std::size_t size;
};

// The image with the given id, or nullptr when the set has none.
const EmbeddedImage* FindEmbeddedImage(int id);
