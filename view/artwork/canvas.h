// A 4-bit indexed image: every pixel is an index into the sixteen-colour palette.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

// The standard sixteen-colour palette, in the order every image of the set stores it.
enum Ink : std::uint8_t {
    kBlack = 0,
    kMaroon = 1,
    kBlue = 12,
    kSilver = 7,
    kGrey = 8,
    kWhite = 15,
};

struct Rgb {
    std::uint8_t r, g, b;
};

extern const Rgb kPalette[16];

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Ink background);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Out-of-range reads give white, out-of-range writes are dropped: marks near the ends of
    // a strip may be clipped by the frame without every caller checking.
    std::uint8_t At(int x, int y) const;
    void Set(int x, int y, std::uint8_t ink);

    // Inclusive ranges, in either order.
    void VLine(int x, int y0, int y1, std::uint8_t ink);
    void HLine(int x0, int x1, int y, std::uint8_t ink);
    void Fill(int x0, int y0, int x1, int y1, std::uint8_t ink);
    // A one-pixel outline of the rectangle with corners (x0, y0) and (x1, y1).
    void Box(int x0, int y0, int x1, int y1, std::uint8_t ink);

    const std::vector<std::uint8_t>& Pixels() const { return m_pixels; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_pixels;
};

}  // namespace artwork
