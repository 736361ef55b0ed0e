// The drawing surface: a 32-bit image with a selected pen and brush, drawing with the
// program's conventions, implemented here once:
//  - a fill is a corner, a width and a height;
//  - rectangle fills and ellipses exclude their right and bottom bounds;
//  - a line stops before its end point.
// Fills, copies and lines touch the pixels directly (they are the whole of an ordinary
// frame); ellipses and text go through QPainter, used only by the training overlays.
//
// A surface has a whole scale k: its pixels are k x k device pixels for each pixel of the
// coordinates every call takes, so the logic draws in client coordinates whatever k is.
// Fills, copies and straight lines cover exactly k times their rectangles (a copy's source
// is an image drawn at the same k); ellipses, slanted lines and text are drawn at k from
// their shapes, smoothed, and text is laid out with the metrics of k = 1, so that lines
// break and fit as they do there. At k = 1 nothing is smoothed that was not before.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/geometry.h"
#include "platform/pixmap.h"

struct CPen {
    Colour colour;
    int width;  // pixels; an even width puts the extra pixel above or left of the line
};

struct CBrush {
    Colour colour;
    bool hollow;  // a hollow brush fills nothing
};

struct CFont {
    int height;  // cell height in pixels, as the platform's font height
    // The face is "Arial" (Liberation Sans, its metric twin), weight 400, always.
};

// Text formats of DrawText.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_VCENTER = 0x4;  // only single-line text is centred vertically
constexpr unsigned DT_WORDBREAK = 0x10;

class CSurface : public CPixmap {
  public:
    // width and height in client pixels.
    CSurface(int width, int height, int scale = 1)
        : CPixmap(width * scale, height * scale), m_nScale(scale) {}
    // Over pixels someone else owns: width x height client pixels at `scale`, rows `stride`
    // device pixels apart.
    CSurface(Colour* bits, int width, int height, int stride, int scale)
        : CPixmap(bits, width * scale, height * scale, stride), m_nScale(scale) {}

    int Scale() const { return m_nScale; }

    void FillSolidRect(int x, int y, int width, int height, Colour colour);
    // Plain copy: source replaces destination. Parts of the rectangle that fall outside the
    // source or this surface are left unchanged.
    void BitBlt(int x, int y, int width, int height, const CPixmap& source, int sx, int sy);

    // Pens and brushes are selected for a scope with CSelection below; with none selected,
    // lines draw nothing and ellipses neither outline nor fill.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);  // with the selected pen, stopping before (x, y)
    // Outlined with the selected pen and filled with the selected brush, in the box
    // (left, top, right, bottom) without its right column and bottom row.
    void Ellipse(int left, int top, int right, int bottom);
    // Transparent background; black by default.
    void SetTextColour(Colour colour) { m_textColour = colour; }
    // UTF-8 text in the rectangle, clipped to it, in the given format. With DT_WORDBREAK the
    // lines are those of BreakText for the rectangle's width, one font cell apart.
    void DrawText(const char* text, const CRect& rect, unsigned format, const CFont& font);
    // Lines already broken (by BreakText), drawn as DrawText draws its lines.
    void DrawLines(const std::vector<std::string_view>& lines, const CRect& rect, unsigned format,
                   const CFont& font);
    // The rectangle DrawText would fill with the text, not clipped: how far it runs down.
    static CRect MeasureText(const char* text, const CRect& rect, unsigned format,
                             const CFont& font);
    // The lines DT_WORDBREAK breaks text into for a rectangle `width` pixels wide (see
    // BreakLines), as views into text.
    static std::vector<std::string_view> BreakText(const char* text, int width, const CFont& font);

  private:
    template <class T>
    friend class CSelection;
    std::optional<CPen>& Selected(const CPen*) { return m_pen; }
    std::optional<CBrush>& Selected(const CBrush*) { return m_brush; }

    void Plot(int x, int y);                   // one pen-sized dot
    void SlantedLine(CPoint from, CPoint to);  // at k > 1: a smoothed stroke of the pen

    int m_nScale = 1;

    // Copies, not pointers: a selection cannot outlive what it was made from.
    std::optional<CPen> m_pen;
    std::optional<CBrush> m_brush;
    CPoint m_ptCurrent;
    Colour m_textColour = Rgb(0, 0, 0);
};

// Selects a pen or a brush into a surface for the life of this object, then puts back what
// was selected before:
//     const CSelection pen(dc, CPen{kLineColour, 1});
// Selections nest as the blocks that hold them; one cannot be copied, moved or left behind.
template <class T>
class CSelection {
  public:
    CSelection(CSurface& dc, const T& tool) : m_dc(dc), m_previous(dc.Selected(&tool)) {
        dc.Selected(&tool) = tool;
    }
    ~CSelection() { m_dc.Selected(static_cast<const T*>(nullptr)) = m_previous; }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

  private:
    CSurface& m_dc;
    const std::optional<T> m_previous;
};
