// An image of the set drawn at a whole scale k: every client pixel of the drawing is k x k
// device pixels. At k = 1 every pixel is one of the sixteen palette colours; at k > 1 the
// lettering's smoothed edges may take any colour between its ink and what lies under it.
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

// 0xFFRRGGBB, the layout of a 32-bit pixel of the program's surfaces and of QImage's RGB32.
std::uint32_t Argb(std::uint8_t ink);

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Ink background, int scale = 1);

    // Size and drawing coordinates in client pixels, whatever the scale.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Scale() const { return m_scale; }
    int DeviceWidth() const { return m_width * m_scale; }
    int DeviceHeight() const { return m_height * m_scale; }

    // Out-of-range reads give white, out-of-range writes are dropped: marks near the ends of
    // a strip may be clipped by the frame without every caller checking. At k > 1, At reads
    // the client pixel's top left device pixel, as the nearest palette colour.
    std::uint8_t At(int x, int y) const;
    void Set(int x, int y, std::uint8_t ink);

    // Inclusive ranges, in either order.
    void VLine(int x, int y0, int y1, std::uint8_t ink);
    void HLine(int x0, int x1, int y, std::uint8_t ink);
    void Fill(int x0, int y0, int x1, int y1, std::uint8_t ink);
    // A one-pixel outline of the rectangle with corners (x0, y0) and (x1, y1).
    void Box(int x0, int y0, int x1, int y1, std::uint8_t ink);
    // A line one client pixel wide whose left edge stands at k x `column`, rounded once: a
    // graduation tick at the real column of its rule rather than at its whole client column.
    void VLineAt(double column, int y0, int y1, std::uint8_t ink);

    // Device pixels, half-open ranges.
    std::uint32_t DevicePixel(int x, int y) const;
    void FillDevice(int x0, int y0, int x1, int y1, std::uint32_t argb);
    std::uint32_t* DeviceBits() { return m_pixels.data(); }
    const std::uint32_t* DeviceBits() const { return m_pixels.data(); }

  private:
    int m_width = 0;
    int m_height = 0;
    int m_scale = 1;
    std::vector<std::uint32_t> m_pixels;
};

// The palette index nearest to a colour (exact for the palette's own colours).
std::uint8_t NearestInk(std::uint32_t argb);

}  // namespace artwork
