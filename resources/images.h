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
// The page carries the set up to this scale, one archive a scale: a high-resolution screen
// or a zoomed browser asks for more, and the page unpacks only the scales it shows.
constexpr int kMaxPageScale = 8;

// The page carries the set as tars of the files the generator wrote (<id>.bmp, and
// <id>@<k>.rle for the scales drawn besides 1, up to kMaxPageScale) and hands each over here
// before anything looks its images up; the data is copied. AddImageArchive adds a tar's images
// to the set; SetImageArchive makes them the whole set. False when the data is not such a
// tar: nothing of it is taken.
bool AddImageArchive(const unsigned char* data, std::size_t size);
bool SetImageArchive(const unsigned char* data, std::size_t size);

// The image with the given id, or nullptr when the set has none.
const EmbeddedImage* FindEmbeddedImage(int id);
// The image with the given id drawn at scale 2..kMaxImageScale (in the page, 2..kMaxPageScale
// as far as its archives were added), or nullptr.
const EmbeddedImage* FindScaledImage(int id, int scale);
