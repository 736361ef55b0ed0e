// skalor-contact-sheet-writer OUTPUT.png [K]: all fifteen images drawn at scale K (default 3,
// as a window of factor 3 shows them), one under another in a single PNG, each headed by its
// id; K = 1 shows them at their own size. For looking at, not for the program.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "tools/cli/tool_cli.h"
#include "view/artwork/image_set.h"

int main(int argc, char** argv) {
    const toolcli::Tool tool{"skalor-contact-sheet-writer",
                             "usage: skalor-contact-sheet-writer OUTPUT.png [K]\n"
                             "every image of the set drawn at scale K (1 to 16, default 3)\n",
                             {},
                             1,
                             2};
    const toolcli::Parsed parsed = toolcli::ParseArgs(tool, argc, argv);
    if (!parsed.args) return parsed.status;
    const std::vector<std::string>& operands = parsed.args->operands;
    const std::optional<int> scale =
        operands.size() == 2 ? toolcli::WholeNumber(tool, "K", operands[1], 1, 16) : 3;
    if (!scale) return 2;
    const int kScale = *scale;
    toolcli::StartWithoutDisplay(tool);
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
    if (!toolcli::WritePng(tool, operands[0], sheet)) return 1;
    return toolcli::FinishOutput(tool, 0);
}
