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

// Debian's packaged fonts, loaded from their files so that no other font on the machine can
// stand in for them.
constexpr const char* kSansFile = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
constexpr const char* kCondensedFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf";

QFont FontFor(Face face) {
    static const bool loaded = [] {
        QFontDatabase::addApplicationFont(kSansFile);
        QFontDatabase::addApplicationFont(kCondensedFile);
        return true;
    }();
    (void)loaded;
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
    if (darkness >= 128) return 3;
    if (darkness >= 80) return 2;
    if (darkness >= 36) return 1;
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

// The text rendered at the origin of its own small grid: levels 0..3 and the baseline row.
struct Rendered {
    int width = 0, height = 0, baseline = 0;
    std::vector<int> level;
    InkBox box;  // in the grid's coordinates
};

Rendered Render(const char* text, const TextStyle& style) {
    QFont font = FontFor(style.face);
    const QString s = QString::fromUtf8(text);
    const QFontMetrics metrics(font);
    const int pad = 4;
    Rendered r;
    r.width = metrics.horizontalAdvance(s) + 2 * pad + 8;
    r.height = metrics.height() + 2 * pad;
    r.baseline = pad + metrics.ascent();
    QImage img(r.width, r.height, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(pad, r.baseline, s);
    }
    r.level.resize(static_cast<std::size_t>(r.width) * r.height);
    r.box = InkBox{r.width, r.height, -1, -1};
    for (int y = 0; y < r.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < r.width; ++x) {
            const int lv = Level(255 - qGray(line[x]));
            r.level[static_cast<std::size_t>(y) * r.width + x] = lv;
            if (lv == 0) continue;
            if (x < r.box.left) r.box.left = x;
            if (x > r.box.right) r.box.right = x;
            if (y < r.box.top) r.box.top = y;
            if (y > r.box.bottom) r.box.bottom = y;
        }
    }
    return r;
}

// Offset from the grid to the canvas for the anchor (x, y).
void Offset(const Rendered& r, const TextStyle& style, int x, int y, int& dx, int& dy) {
    switch (style.h) {
        case HAlign::Left: dx = x - r.box.left; break;
        case HAlign::Centre: dx = x - (r.box.left + r.box.right) / 2; break;
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

}  // namespace

void Darken(Canvas& canvas, int x, int y, std::uint8_t ink) {
    if (Rank(ink) > Rank(canvas.At(x, y))) canvas.Set(x, y, ink);
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
    // Maroon lettering keeps its colour in the core and smooths with silver only.
    const std::uint8_t levels[4] = {kWhite, kSilver, style.ink == kMaroon ? kSilver : kGrey, style.ink};
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
        const int w = ch.isSpace() ? 0 : MeasureText(letters.back().constData(), style, 0, y).Width();
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
