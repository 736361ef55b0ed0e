// skalor-contact-sheet-writer: all fifteen images, enlarged three times, one under another in
// a single PNG, each headed by its id. For looking at, not for the program.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "view/artwork/image_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    constexpr int kScale = 3, kGap = 24, kMargin = 8;

    std::vector<std::pair<int, artwork::Canvas>> images;
    int width = 0, height = kMargin;
    for (int id : artwork::kImageIds) {
        images.emplace_back(id, artwork::DrawImage(id));
        const artwork::Canvas& c = images.back().second;
        width = std::max(width, c.Width() * kScale + 2 * kMargin);
        height += kGap + c.Height() * kScale + kMargin;
    }

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(96, 112, 128));
    QPainter p(&sheet);
    p.setPen(Qt::white);
    int y = kMargin;
    for (const auto& [id, c] : images) {
        p.drawText(kMargin, y + kGap - 6, QString::number(id));
        y += kGap;
        for (int py = 0; py < c.Height(); ++py)
            for (int px = 0; px < c.Width(); ++px) {
                const artwork::Rgb rgb = artwork::kPalette[c.At(px, py)];
                p.fillRect(kMargin + px * kScale, y + py * kScale, kScale, kScale, QColor(rgb.r, rgb.g, rgb.b));
            }
        y += c.Height() * kScale + kMargin;
    }
    p.end();
    return sheet.save(argv[1]) ? 0 : 1;
}
