// The image set as the program receives it: drawn once per test run, encoded as BMP files,
// and read back with a decoder of the tests' own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artwork_test {

struct Bitmap {
    // Header fields as stored.
    int width = 0, height = 0, planes = 0, bitsPerPixel = 0;
    std::uint32_t compression = 0, fileSize = 0, infoSize = 0, dataOffset = 0;
    std::uint8_t palette[16][4] = {};  // B, G, R, reserved
    std::vector<std::uint8_t> pixels;  // palette indices, rows top-down
    int At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Palette indices the artwork uses.
constexpr int kBlack = 0, kMaroon = 1, kSilver = 7, kGrey = 8, kBlue = 12, kWhite = 15;

// Decodes a 4-bit BMP file; a malformed file fails the current test and gives an empty image.
Bitmap Decode(const std::vector<std::uint8_t>& file);

// The encoded bytes of image `id`, drawn once and cached.
const std::vector<std::uint8_t>& FileOf(int id);
// The decoded image `id`.
const Bitmap& ImageOf(int id);

}  // namespace artwork_test
