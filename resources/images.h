// The image set, drawn by skalor-artwork at build time and compiled into the program as
// 4-bit BMP files. Nothing is read from disk at run time.
#pragma once

#include <cstddef>

struct EmbeddedImage {
    int id;
    const unsigned char* data;  // the whole .bmp file
    std::size_t size;
};

// The page carries the set as one tar of the files the generator wrote (<id>.bmp, and
// <id>@<k>.rle for the scales drawn besides 1) and hands it over here, before anything looks
// an image up; the set is copied. False when the data is not such a tar; the set is then empty.
bool SetImageArchive(const unsigned char* data, std::size_t size);

// The image with the given id, or nullptr when the set has none.
const EmbeddedImage* FindEmbeddedImage(int id);
