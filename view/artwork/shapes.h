// Small figures the index marks and keys are built from, drawn pixel by pixel so that they
// stand symmetric about their column. At a scale k > 1 the same figures are drawn from
// their outlines, smoothed, k times as large about k times their column.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "view/artwork/canvas.h"

namespace artwork {

// A vertical line of single dots on every other row from y0 to y1, starting at y0.
void DottedVLine(Canvas& c, int x, int y0, int y1, std::uint8_t ink);

// A triangle symmetric about column x with its apex at row apexY and its base at row baseY
// (above or below), reaching `halfWidth` columns either side at the base. A white fill is
// left undrawn.
void Triangle(Canvas& c, int x, int apexY, int baseY, int halfWidth, std::uint8_t outline,
              std::uint8_t fill);

// A diamond symmetric about column x from row top to row bottom.
void Diamond(Canvas& c, int x, int top, int bottom, int halfWidth, std::uint8_t outline,
             std::uint8_t fill);

// An ellipse ring about column x from row top to row bottom, 2·halfWidth + 1 wide; with
// fillUpper, its upper half is solid.
void Ring(Canvas& c, int x, int top, int bottom, int halfWidth, std::uint8_t ink,
          bool fillUpper = false);

// A horizontal arrow from x0 to x1 (head at x1) on row y.
void Arrow(Canvas& c, int x0, int x1, int y, std::uint8_t ink);

// At k > 1: a painter on the canvas in client coordinates, a client pixel's centre at its
// whole coordinates, smoothed. For the figures above and the cursor and toolbar images.
class ClientPainter {
  public:
    explicit ClientPainter(Canvas& c);
    ~ClientPainter();
    ClientPainter(const ClientPainter&) = delete;
    ClientPainter& operator=(const ClientPainter&) = delete;
    // Outline one client pixel wide (none for white), fill (none for white).
    void Polygon(std::initializer_list<std::pair<double, double>> points, std::uint8_t outline,
                 std::uint8_t fill);
    void Line(double x0, double y0, double x1, double y1, std::uint8_t ink, double width = 1.0);
    void Ellipse(double cx, double cy, double rx, double ry, std::uint8_t outline,
                 std::uint8_t fill, double width = 1.0);

  private:
    struct Impl;
    Impl* m_impl;
};

}  // namespace artwork
