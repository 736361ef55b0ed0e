#include "view/artwork/bmp_writer.h"

namespace artwork {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& image) {
    constexpr std::uint32_t kFileHeader = 14;
    constexpr std::uint32_t kInfoHeader = 40;
    constexpr std::uint32_t kPaletteBytes = 16 * 4;
    const auto width = static_cast<std::uint32_t>(image.Width());
    const auto height = static_cast<std::uint32_t>(image.Height());
    const std::uint32_t stride = ((width * 4 + 31) / 32) * 4;  // two pixels a byte, 4-byte rows
    const std::uint32_t offBits = kFileHeader + kInfoHeader + kPaletteBytes;
    const std::uint32_t imageBytes = stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(offBits + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + imageBytes);
    Put32(out, 0);  // two reserved words
    Put32(out, offBits);

    Put32(out, kInfoHeader);
    Put32(out, width);
    Put32(out, height);  // positive: rows bottom-up
    Put16(out, 1);       // planes
    Put16(out, 4);       // bits per pixel
    Put32(out, 0);       // BI_RGB
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi, in pixels per metre
    Put32(out, 2835);
    Put32(out, 16);  // colours used
    Put32(out, 0);   // all important

    for (const Rgb& c : kPalette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }

    for (int y = image.Height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint8_t ink = image.At(x, y) & 0x0f;
            row[static_cast<std::size_t>(x / 2)] |=
                (x % 2 == 0) ? static_cast<std::uint8_t>(ink << 4) : ink;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace artwork
