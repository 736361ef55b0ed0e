// The BMP decoder on files laid out here byte by byte: a 4-bit image whose every pixel has its
// own palette entry, read back pixel by pixel, and the forms and faults it refuses.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/pixmap.h"

namespace {

constexpr int kWidth = 5, kHeight = 3;  // odd width: the last byte of a row holds one pixel
constexpr std::size_t kStride = 4;      // 5 pixels = 3 bytes, padded to 4

// Palette entry i, with red, green and blue all different so that a swapped channel shows.
Colour Entry(int i) { return Rgb(16 * i + 1, 250 - 3 * i, 7 * i); }

// The index of the pixel at (x, y), top row first: every pixel a different entry.
int IndexAt(int x, int y) { return 1 + y * kWidth + x; }

void Put(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// BITMAPFILEHEADER (14 bytes), BITMAPINFOHEADER (40), 16 palette entries as B, G, R, 0, then
// the rows bottom-up, two pixels a byte with the left one in the high nibble.
std::vector<unsigned char> FourBitFile() {
    const std::size_t offset = 14 + 40 + 16 * 4;
    std::vector<unsigned char> f(offset + kStride * kHeight, 0);
    f[0] = 'B', f[1] = 'M';
    Put(f, 2, std::uint32_t(f.size()), 4);
    Put(f, 10, std::uint32_t(offset), 4);
    Put(f, 14, 40, 4);  // header size
    Put(f, 18, kWidth, 4);
    Put(f, 22, kHeight, 4);  // positive: bottom-up
    Put(f, 26, 1, 2);        // planes
    Put(f, 28, 4, 2);        // bits per pixel
    Put(f, 30, 0, 4);        // no compression
    Put(f, 34, std::uint32_t(kStride * kHeight), 4);
    Put(f, 46, 16, 4);  // colours used
    for (int i = 0; i < 16; ++i) {
        const Colour c = Entry(i);
        f[54 + 4 * i] = static_cast<unsigned char>(c);
        f[55 + 4 * i] = static_cast<unsigned char>(c >> 8);
        f[56 + 4 * i] = static_cast<unsigned char>(c >> 16);
    }
    for (int y = 0; y < kHeight; ++y) {
        unsigned char* row = &f[offset + kStride * (kHeight - 1 - y)];
        row[0] = static_cast<unsigned char>(IndexAt(0, y) << 4 | IndexAt(1, y));
        row[1] = static_cast<unsigned char>(IndexAt(2, y) << 4 | IndexAt(3, y));
        row[2] = static_cast<unsigned char>(IndexAt(4, y) << 4 | 0xF);  // low nibble: past the edge
        row[3] = 0xEE;                                                  // padding
    }
    return f;
}

TEST(DecodeBmp, FourBitsEveryPixelFromItsNibbleAndRowByTheBottomUpOrder) {
    const std::vector<unsigned char> f = FourBitFile();
    const CPixmap image = DecodeBmp(f.data(), f.size());
    ASSERT_EQ(image.Width(), kWidth);
    ASSERT_EQ(image.Height(), kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            EXPECT_EQ(image.Pixel(x, y), Entry(IndexAt(x, y))) << "at " << x << ", " << y;

    std::vector<unsigned char> all = f;  // "colours used" 0 means the whole palette
    Put(all, 46, 0, 4);
    EXPECT_EQ(DecodeBmp(all.data(), all.size()).Pixel(4, 2), Entry(15));
}

TEST(DecodeBmp, RefusesOtherFormsAndDamagedFiles) {
    const std::vector<unsigned char> good = FourBitFile();
    struct Case {
        const char* what;
        std::size_t at;  // field to overwrite, or the length to cut the file to when bytes == 0
        std::uint32_t value;
        int bytes;
    };
    // clang-format off
    const Case cases[] = {
        {"not BM", 0, 'B' | 'A' << 8, 2},
        {"8 bits a pixel", 28, 8, 2},
        {"24 bits a pixel", 28, 24, 2},
        {"rows stored top-down", 22, std::uint32_t(-kHeight), 4},
        {"run-length encoded", 30, 2, 4},
        {"zero width", 18, 0, 4},
        {"width too large", 18, 70000, 4},
        {"header too small", 14, 12, 4},
        {"more than 16 colours", 46, 17, 4},
        {"rows start past the end", 10, std::uint32_t(good.size() + 1), 4},
        {"file cut inside the headers", 53, 0, 0},
        {"file cut inside the palette", 100, 0, 0},
        {"file cut one byte short of the last row", good.size() - 1, 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<unsigned char> f = good;
        if (c.bytes == 0)
            f.resize(c.at);
        else
            Put(f, c.at, c.value, c.bytes);
        EXPECT_TRUE(DecodeBmp(f.data(), f.size()).IsNull()) << c.what;
    }
    EXPECT_TRUE(DecodeBmp(nullptr, good.size()).IsNull());
}

}  // namespace
