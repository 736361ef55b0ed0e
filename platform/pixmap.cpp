#include "platform/pixmap.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#if defined(__linux__)
#include <sys/mman.h>
#endif

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

CPixmap DecodeRuns(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kHeader = 16;
    if (!data || size < kHeader || data[0] != 'S' || data[1] != 'K' || data[2] != 'R' ||
        data[3] != '1')
        return {};
    const uint32_t width = Le(data + 4, 4), height = Le(data + 8, 4), colours = Le(data + 12, 4);
    if (width == 0 || height == 0 || width > 65536 || height > 65536) return {};
    if (colours == 0 || colours > (size - kHeader) / 4) return {};
    const unsigned char* palette = data + kHeader;
    const unsigned char* p = palette + 4 * std::size_t(colours);
    const unsigned char* end = data + size;
    // LEB128, at most five bytes for 32 bits; false at the end of the data.
    auto next = [&](uint32_t& v) {
        v = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            if (p == end) return false;
            const unsigned char byte = *p++;
            v |= uint32_t(byte & 0x7f) << shift;
            if (!(byte & 0x80)) return true;
        }
        return false;
    };
    // Every pixel is written once, by its run: nothing is cleared first.
    const std::size_t total = std::size_t(width) * height;
    CPixels pixels(total);
    Colour* out = pixels.data();
    std::size_t at = 0;
    while (at < total) {
        uint32_t run = 0, index = 0;
        if (!next(run) || !next(index) || run == 0 || run > total - at || index >= colours)
            return {};
        const unsigned char* bgr = palette + 4 * std::size_t(index);  // 0x00RRGGBB, little-endian
        std::fill_n(out + at, run, Rgb(bgr[2], bgr[1], bgr[0]));
        at += run;
    }
    if (p != end) return {};
    return CPixmap(int(width), int(height), std::move(pixels));
}

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

}  // namespace

void* AllocatePixels(std::size_t bytes) {
    if (bytes == 0) bytes = 1;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= kHugePage) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        if (void* p = std::aligned_alloc(kHugePage, rounded)) {
            madvise(p, rounded, MADV_HUGEPAGE);  // a hint: without it, ordinary pages
            return p;
        }
        throw std::bad_alloc();
    }
#endif
    if (void* p = std::malloc(bytes)) return p;
    throw std::bad_alloc();
}

void FreePixels(void* p, std::size_t /*bytes*/) { std::free(p); }
