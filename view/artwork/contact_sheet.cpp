// skalor-contact-sheet-writer OUTPUT.png [K]: all fifteen images drawn at scale K (default 3,
// as a window of factor 3 shows them), one under another in a single PNG, each headed by its
// id; K = 1 shows them at their own size. For looking at, not for the program.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "view/artwork/image_set.h"

int main(int argc, char** argv) {
    const int kScale = argc == 3 ? std::atoi(argv[2]) : 3;
    if ((argc != 2 && argc != 3) || kScale < 1 || kScale > 16) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [K]   (1 <= K <= 16)\n", argv[0]);
        return 2;
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    constexpr int kGap = 24, kMargin = 8;

    std::vector<std::pair<int, artwork::Canvas>> images;
    int width = 0, height = kMargin;
    for (int id : artwork::kImageIds) {
        images.emplace_back(id, artwork::DrawImage(id, kScale));
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
        p.drawImage(kMargin, y,
                    QImage(reinterpret_cast<const uchar*>(c.DeviceBits()), c.DeviceWidth(),
                           c.DeviceHeight(), c.DeviceWidth() * 4, QImage::Format_RGB32));
        y += c.Height() * kScale + kMargin;
    }
    p.end();
    return sheet.save(argv[1]) ? 0 : 1;
}
