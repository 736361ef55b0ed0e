#include "view/artwork/lettering.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

namespace artwork {
namespace {

// Liberation Sans 2 and DejaVu Sans Condensed, as found at configure time (fonts.cmake), loaded
// from their files so that no other font on the machine can stand in for them.
const char* const kFontFiles[] = {SKALOR_FONT_SANS, SKALOR_FONT_SANS_BOLD, SKALOR_FONT_CONDENSED};

QFont FontFor(Face face) {
    LoadFonts();
    QFont font;
    switch (face) {
        case Face::Numeral:
            font = QFont("DejaVu Sans");
            font.setStretch(QFont::Condensed);
            font.setPixelSize(9);
            break;
        case Face::Small:
            font = QFont("DejaVu Sans");
            font.setStretch(QFont::Condensed);
            font.setPixelSize(8);
            break;
        case Face::Caption:
            font = QFont("Liberation Sans");
            font.setPixelSize(10);
            break;
        case Face::Large:
            font = QFont("Liberation Sans");
            font.setPixelSize(20);
            font.setBold(true);
            break;
    }
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Darkness of a smoothed pixel (0..255) turned into ink: full ink, grey, silver or nothing.
int Level(int darkness) {
    if (darkness >= 110) return 3;
    if (darkness >= 65) return 2;
    if (darkness >= 30) return 1;
    return 0;
}

int Rank(std::uint8_t ink) {
    switch (ink) {
        case kWhite: return 0;
        case kSilver: return 1;
        case kGrey: return 2;
        default: return 3;
    }
}

// Where a piece of the text (the whole of it, or one glyph of a number) was set: its pen
// position in the grid. At k > 1 the same pieces are set again at k times these positions.
struct Piece {
    QString text;
    int x, y;
};

// The text rendered at the origin of its own small grid: levels 0..3 and the baseline row.
struct Rendered {
    int width = 0, height = 0, baseline = 0;
    std::vector<int> level;
    InkBox box;  // in the grid's coordinates
    // The columns a centred number is centred by: its digits, without a trailing degree sign
    // (which hangs to the right of the number, as on the printed rule).
    int centreLeft = 0, centreRight = -1;
    std::vector<Piece> pieces;
};

// Rasterises `s` with its pen at (x, baseline) of a white image and reads the levels back.
std::vector<int> Rasterise(const QFont& font, const QString& s, int width, int height, int x,
                           int baseline) {
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(x, baseline, s);
    }
    std::vector<int> level(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int px = 0; px < width; ++px)
            level[static_cast<std::size_t>(y) * width + px] = Level(255 - qGray(line[px]));
    }
    return level;
}

// Numbers are set glyph by glyph, each drawn from a whole-pixel origin and placed one clear
// column after the ink of the one before: at nine pixels and less, the font's own advances
// would let digits touch or smear their stems across two columns.
bool SetByGlyph(Face face) { return face == Face::Numeral || face == Face::Small; }

Rendered Render(const char* text, const TextStyle& style) {
    const QFont font = FontFor(style.face);
    const QString s = QString::fromUtf8(text);
    const QFontMetrics metrics(font);
    const int pad = 4;
    Rendered r;
    r.height = metrics.height() + 2 * pad;
    r.baseline = pad + metrics.ascent();
    if (!SetByGlyph(style.face)) {
        r.width = metrics.horizontalAdvance(s) + 2 * pad + 8;
        r.level = Rasterise(font, s, r.width, r.height, pad, r.baseline);
        r.pieces.push_back({s, pad, r.baseline});
    } else {
        const int cell = metrics.maxWidth() + 2 * pad;
        r.width = pad + static_cast<int>(s.size()) * (cell + 1) + pad;
        r.level.assign(static_cast<std::size_t>(r.width) * r.height, 0);
        int x = pad;
        r.centreLeft = x;
        for (const QChar ch : s) {
            if (ch.isSpace()) {
                x += 2;
                continue;
            }
            const bool degree = ch == QChar(0x00B0);
            if (degree) x -= 1;  // the degree sign sits high and needs no clear column
            const std::vector<int> glyph =
                Rasterise(font, QString(ch), cell, r.height, pad, r.baseline);
            int left = cell, right = -1;
            for (int gy = 0; gy < r.height; ++gy)
                for (int gx = 0; gx < cell; ++gx)
                    if (glyph[static_cast<std::size_t>(gy) * cell + gx] > 0) {
                        left = std::min(left, gx);
                        right = std::max(right, gx);
                    }
            if (right < left) continue;
            for (int gy = 0; gy < r.height; ++gy)
                for (int gx = left; gx <= right; ++gx)
                    r.level[static_cast<std::size_t>(gy) * r.width + x + gx - left] =
                        glyph[static_cast<std::size_t>(gy) * cell + gx];
            r.pieces.push_back({QString(ch), x - left + pad, r.baseline});
            if (!degree) r.centreRight = x + right - left;
            x += right - left + 2;
        }
    }
    r.box = InkBox{r.width, r.height, -1, -1};
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            if (r.level[static_cast<std::size_t>(y) * r.width + x] == 0) continue;
            r.box.left = std::min(r.box.left, x);
            r.box.right = std::max(r.box.right, x);
            r.box.top = std::min(r.box.top, y);
            r.box.bottom = std::max(r.box.bottom, y);
        }
    if (r.centreRight < r.centreLeft) {
        r.centreLeft = r.box.left;
        r.centreRight = r.box.right;
    }
    return r;
}

// Offset from the grid to the canvas for the anchor (x, y).
void Offset(const Rendered& r, const TextStyle& style, int x, int y, int& dx, int& dy) {
    switch (style.h) {
        case HAlign::Left: dx = x - r.box.left; break;
        case HAlign::Centre: dx = x - (r.centreLeft + r.centreRight) / 2; break;
        case HAlign::Right: dx = x - r.box.right; break;
    }
    switch (style.v) {
        case VAlign::Top: dy = y - r.box.top; break;
        case VAlign::Bottom: dy = y - r.box.bottom; break;
        case VAlign::Baseline: dy = y - r.baseline; break;
    }
}

InkBox Placed(const Rendered& r, int dx, int dy) {
    if (r.box.right < r.box.left) return InkBox{};
    return InkBox{r.box.left + dx, r.box.top + dy, r.box.right + dx, r.box.bottom + dy};
}

// At k > 1 the pieces are set again in the same face at k times its size, each at k times
// its pen position, smoothed: the lettering lands where it lands at k = 1, sharp. Ink only
// darkens, as at k = 1.
void SetAtScale(Canvas& canvas, const Rendered& r, const TextStyle& style, int dx, int dy) {
    QImage image(reinterpret_cast<uchar*>(canvas.DeviceBits()), canvas.DeviceWidth(),
                 canvas.DeviceHeight(), canvas.DeviceWidth() * 4, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setCompositionMode(QPainter::CompositionMode_Darken);
    p.scale(canvas.Scale(), canvas.Scale());
    p.setFont(FontFor(style.face));
    p.setPen(QColor::fromRgb(Argb(style.ink)));
    for (const Piece& piece : r.pieces) p.drawText(QPointF(piece.x + dx, piece.y + dy), piece.text);
}

}  // namespace

const char* LoadFonts() {
    static const char* const missing = []() -> const char* {
        for (const char* file : kFontFiles)
            if (QFontDatabase::addApplicationFont(file) < 0) return file;
        return nullptr;
    }();
    return missing;
}

void Darken(Canvas& canvas, int x, int y, std::uint8_t ink) {
    const int k = canvas.Scale();
    if (k == 1) {
        if (Rank(ink) > Rank(canvas.At(x, y))) canvas.Set(x, y, ink);
        return;
    }
    if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height()) return;
    const std::uint32_t with = Argb(ink);
    for (int py = y * k; py < (y + 1) * k; ++py)
        for (int px = x * k; px < (x + 1) * k; ++px) {
            const std::uint32_t was = canvas.DevicePixel(px, py);
            std::uint32_t out = 0xFF000000u;
            for (int shift : {0, 8, 16})
                out |= std::min((was >> shift) & 0xffu, (with >> shift) & 0xffu) << shift;
            canvas.FillDevice(px, py, px + 1, py + 1, out);
        }
}

InkBox MeasureText(const char* text, const TextStyle& style, int x, int y) {
    const Rendered r = Render(text, style);
    int dx = 0, dy = 0;
    Offset(r, style, x, y, dx, dy);
    return Placed(r, dx, dy);
}

InkBox DrawText(Canvas& canvas, const char* text, const TextStyle& style, int x, int y) {
    const Rendered r = Render(text, style);
    int dx = 0, dy = 0;
    Offset(r, style, x, y, dx, dy);
    if (canvas.Scale() > 1) {
        SetAtScale(canvas, r, style, dx, dy);
        return Placed(r, dx, dy);
    }
    // Maroon lettering has no darker shade to smooth with: its half-tones stay maroon and
    // only the faintest edge turns silver.
    const std::uint8_t levels[4] = {kWhite, kSilver, style.ink == kMaroon ? kMaroon : kGrey,
                                    style.ink};
    for (int gy = 0; gy < r.height; ++gy)
        for (int gx = 0; gx < r.width; ++gx) {
            const int lv = r.level[static_cast<std::size_t>(gy) * r.width + gx];
            if (lv > 0) Darken(canvas, gx + dx, gy + dy, levels[lv]);
        }
    return Placed(r, dx, dy);
}

InkBox DrawSpread(Canvas& canvas, const char* text, TextStyle style, int x0, int x1, int y) {
    // Letter by letter, each on whole pixels: letter spacing in fractions of a pixel would
    // blur the stems into grey.
    style.h = HAlign::Left;
    const QString s = QString::fromUtf8(text);
    std::vector<QByteArray> letters;
    std::vector<int> widths;
    int total = 0;
    for (const QChar ch : s) {
        letters.push_back(QString(ch).toUtf8());
        const int w =
            ch.isSpace() ? 0 : MeasureText(letters.back().constData(), style, 0, y).Width();
        widths.push_back(w);
        total += w;
    }
    const int gaps = static_cast<int>(letters.size()) - 1;
    const double gap = gaps > 0 ? double(x1 - x0 + 1 - total) / gaps : 0.0;
    InkBox all{x1, y, x0, y};
    int before = 0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const int x = x0 + before + static_cast<int>(std::lround(static_cast<double>(i) * gap));
        before += widths[i];
        if (widths[i] == 0) continue;
        const InkBox b = DrawText(canvas, letters[i].constData(), style, x, y);
        all.left = std::min(all.left, b.left);
        all.right = std::max(all.right, b.right);
        all.top = std::min(all.top, b.top);
        all.bottom = std::max(all.bottom, b.bottom);
    }
    return all;
}

}  // namespace artwork
