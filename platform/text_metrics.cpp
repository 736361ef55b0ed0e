#include "platform/text_metrics.h"

#include <algorithm>

namespace {

const GlyphMeasure* FindGlyph(char32_t c, const FontMeasures& font) {
    const GlyphMeasure* end = font.glyphs + font.glyphCount;
    const GlyphMeasure* g = std::lower_bound(
        font.glyphs, end, c, [](const GlyphMeasure& m, char32_t v) { return m.code < v; });
    return g != end && g->code == c ? g : nullptr;
}

int32_t Kern(char32_t left, char32_t right, const FontMeasures& font) {
    const KernMeasure* end = font.kerns + font.kernCount;
    const KernMeasure* k =
        std::lower_bound(font.kerns, end, std::make_pair(left, right),
                         [](const KernMeasure& m, std::pair<char32_t, char32_t> v) {
                             return std::make_pair(m.left, m.right) < v;
                         });
    return k != end && k->left == left && k->right == right ? k->kern : 0;
}

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = more == 3 ? lead & 0x07 : more == 2 ? lead & 0x0F : more == 1 ? lead & 0x1F : lead;
    ++i;
    for (; more > 0 && i < text.size() && (byte(i) & 0xC0) == 0x80; --more, ++i)
        c = (c << 6) | (byte(i) & 0x3F);
    return c;
}

int ShapingScript(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
        (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7))
        return 1;                            // Latin
    if (c >= 0x370 && c <= 0x3FF) return 2;  // Greek
    if (c >= 0x400 && c <= 0x52F) return 3;  // Cyrillic
    return 0;
}

int TableReach(std::string_view run, const FontMeasures& font) {
    if (run.empty()) return 0;
    // A character every script shares is shaped with the run of the letter before it, or at
    // the start with the first letter's: only neighbours in one run are kerned.
    int script = 0;
    for (std::size_t i = 0; i < run.size() && script == 0;)
        script = ShapingScript(NextCodePoint(run, i));
    int64_t advance = 0;
    char32_t previous = 0;
    int previousScript = -1;
    const GlyphMeasure* last = nullptr;
    for (std::size_t i = 0; i < run.size();) {
        const char32_t c = NextCodePoint(run, i);
        const GlyphMeasure* g = FindGlyph(c, font);
        if (!g) return -1;
        if (const int own = ShapingScript(c)) script = own;
        if (previousScript == script) advance += Kern(previous, c, font);
        advance += g->advance;
        previous = c;
        previousScript = script;
        last = g;
    }
    advance += std::max<int32_t>(0, -last->rightBearing);
    return int((advance + 63) / 64);  // never negative: advances are
}
