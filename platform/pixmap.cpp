#include "platform/pixmap.h"

namespace {

uint32_t Le(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

}  // namespace

CPixmap DecodeBmp(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kFileHeader = 14;
    if (!data || size < kFileHeader + 40 || data[0] != 'B' || data[1] != 'M') return {};
    const unsigned char* info = data + kFileHeader;
    const uint32_t infoSize = Le(info, 4);
    const int32_t width = int32_t(Le(info + 4, 4));
    const int32_t height = int32_t(Le(info + 8, 4));  // positive: rows stored bottom-up
    const uint32_t bits = Le(info + 14, 2);
    const uint32_t compression = Le(info + 16, 4);
    uint32_t colours = Le(info + 32, 4);
    const uint32_t offset = Le(data + 10, 4);
    if (infoSize < 40 || width <= 0 || height <= 0 || bits != 4 || compression != 0) return {};
    if (width > 65536 || height > 65536) return {};

    if (colours == 0) colours = 16;
    const std::size_t paletteAt = kFileHeader + infoSize;
    if (colours > 16 || paletteAt + 4 * std::size_t(colours) > size) return {};
    Colour palette[16] = {};
    for (uint32_t i = 0; i < colours; ++i) {
        const unsigned char* q = data + paletteAt + 4 * i;
        palette[i] = Rgb(q[2], q[1], q[0]);
    }

    const std::size_t stride = ((std::size_t(width) * 4 + 31) / 32) * 4;
    if (offset > size || stride * height > size - offset) return {};

    CPixmap image(width, height);
    for (int32_t y = 0; y < height; ++y) {
        const unsigned char* row = data + offset + stride * (height - 1 - y);
        Colour* out = image.Row(y);
        for (int32_t x = 0; x < width; ++x) out[x] = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
    }
    return image;
}
