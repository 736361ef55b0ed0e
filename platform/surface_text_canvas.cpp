// Ellipses and text in the page, through the canvas 2D API (platform/surface_text_canvas.js):
// each call copies the pixels it may touch to a scratch canvas, draws there and copies them
// back. Lines are broken by the desktop's own measures (the table FindFontMeasures gives), so
// the page breaks every lesson text where the desktop does.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>

#include "platform/line_breaks.h"
#include "platform/surface.h"
#include "platform/text_metrics.h"

// clang-format off
EM_JS(int, skalor_canvas_reach, (const char* text, int length, int pixels), {
    return SkalorCanvas.reach(UTF8ToString(text, length), pixels);
});
EM_JS(int, skalor_canvas_line_box, (int pixels, int ascent), {
    return SkalorCanvas.lineBox(pixels, ascent);
});
EM_JS(void, skalor_canvas_draw_lines, (Colour* bits, int stride, int width, int height, int scale, int left, int top,
                                       int right, int bottom, const char* lines, int length, Colour colour,
                                       int pixels, int ascent, int cell, int centre), {
    SkalorCanvas.drawLines([bits, stride, width, height, scale], [left, top, right, bottom],
                           UTF8ToString(lines, length).split("\n"), colour, pixels, ascent, cell, centre);
});
EM_JS(void, skalor_canvas_ellipse, (Colour* bits, int stride, int width, int height, int scale, int left, int top,
                                    int right, int bottom, Colour pen, int penWidth, Colour brush, int fill), {
    SkalorCanvas.ellipse([bits, stride, width, height, scale], [left, top, right, bottom], pen, penWidth, brush, fill);
});
EM_JS(void, skalor_canvas_line, (Colour* bits, int stride, int width, int height, int scale, int x0, int y0,
                                 int x1, int y1, Colour pen, int penWidth), {
    SkalorCanvas.line([bits, stride, width, height, scale], [x0, y0, x1, y1], pen, penWidth);
});
// clang-format on

namespace {

struct LineBox {
    int ascent;
    int cell;
};

LineBox LineBoxOf(const CFont& font) {
    if (const FontMeasures* m = FindFontMeasures(font.height)) return {m->ascent, m->cell};
    const int ascent = skalor_canvas_line_box(FontPixelSize(font.height), 1);
    return {ascent, skalor_canvas_line_box(FontPixelSize(font.height), 0)};
}

int Reach(std::string_view run, const CFont& font) {
    if (const FontMeasures* m = FindFontMeasures(font.height)) {
        const int reach = TableReach(run, *m);
        if (reach >= 0) return reach;
    }
    return skalor_canvas_reach(run.data(), int(run.size()), FontPixelSize(font.height));
}

std::vector<std::string_view> LinesOf(const char* text, int width, unsigned format,
                                      const CFont& font) {
    if (!(format & DT_WORDBREAK)) return {std::string_view(text)};
    return BreakLines(text, width, [&font](std::string_view run) { return Reach(run, font); });
}

}  // namespace

void CSurface::Ellipse(int left, int top, int right, int bottom) {
    const bool fill = m_brush && !m_brush->hollow;
    if (!m_pen && !fill) return;
    skalor_canvas_ellipse(Bits(), Stride(), Width(), Height(), m_nScale, left, top, right, bottom,
                          m_pen ? m_pen->colour : 0, m_pen ? m_pen->width : 0,
                          fill ? m_brush->colour : 0, fill);
}

void CSurface::SlantedLine(CPoint from, CPoint to) {
    skalor_canvas_line(Bits(), Stride(), Width(), Height(), m_nScale, from.x, from.y, to.x, to.y,
                       m_pen->colour, m_pen->width);
}

void CSurface::DrawText(const char* text, const CRect& rect, unsigned format, const CFont& font) {
    DrawLines(LinesOf(text, rect.right - rect.left, format, font), rect, format, font);
}

void CSurface::DrawLines(const std::vector<std::string_view>& lines, const CRect& rect,
                         unsigned format, const CFont& font) {
    // One buffer for the page's whole run: the lines go over as one text, a line feed apart.
    static std::string joined;
    joined.clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) joined += '\n';
        joined.append(lines[i].data(), lines[i].size());
    }
    const LineBox box = LineBoxOf(font);
    skalor_canvas_draw_lines(Bits(), Stride(), Width(), Height(), m_nScale, rect.left, rect.top,
                             rect.right, rect.bottom, joined.data(), int(joined.size()),
                             m_textColour, FontPixelSize(font.height), box.ascent, box.cell,
                             (format & DT_CENTER) ? 1 : 0);
}

std::vector<std::string_view> CSurface::BreakText(const char* text, int width, const CFont& font) {
    return LinesOf(text, width, DT_WORDBREAK, font);
}

CRect CSurface::MeasureText(const char* text, const CRect& rect, unsigned format,
                            const CFont& font) {
    const std::vector<std::string_view> lines = LinesOf(text, rect.right - rect.left, format, font);
    int widest = 0;
    for (std::string_view line : lines) widest = std::max(widest, Reach(line, font));
    const int left =
        (format & DT_CENTER) ? rect.left + (rect.right - rect.left - widest) / 2 : rect.left;
    return {left, rect.top, left + widest, rect.top + int(lines.size()) * LineBoxOf(font).cell};
}
