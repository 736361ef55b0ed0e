#include "tests/artwork/generated.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <map>
#include <memory>

#include "view/artwork/bmp_writer.h"
#include "view/artwork/image_set.h"

namespace artwork_test {
namespace {

// Lettering needs a QGuiApplication for the whole run.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_artwork";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

}  // namespace

Bitmap Decode(const std::vector<std::uint8_t>& file) {
    Bitmap bmp;
    if (file.size() < 118 || file[0] != 'B' || file[1] != 'M') {
        ADD_FAILURE() << "not a BMP file";
        return bmp;
    }
    bmp.fileSize = U32(file, 2);
    bmp.dataOffset = U32(file, 10);
    bmp.infoSize = U32(file, 14);
    bmp.width = static_cast<std::int32_t>(U32(file, 18));
    bmp.height = static_cast<std::int32_t>(U32(file, 22));
    bmp.planes = static_cast<int>(U16(file, 26));
    bmp.bitsPerPixel = static_cast<int>(U16(file, 28));
    bmp.compression = U32(file, 30);
    for (int i = 0; i < 16; ++i)
        for (int k = 0; k < 4; ++k) bmp.palette[i][k] = file[14 + bmp.infoSize + 4 * i + k];
    if (bmp.bitsPerPixel != 4 || bmp.width <= 0 || bmp.height <= 0) {
        ADD_FAILURE() << "unexpected pixel format";
        return bmp;
    }
    const std::size_t stride = ((static_cast<std::size_t>(bmp.width) * 4 + 31) / 32) * 4;
    if (file.size() < bmp.dataOffset + stride * bmp.height) {
        ADD_FAILURE() << "pixel data cut short";
        return bmp;
    }
    bmp.pixels.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t row = bmp.dataOffset + stride * (bmp.height - 1 - y);  // bottom-up
        for (int x = 0; x < bmp.width; ++x) {
            const std::uint8_t byte = file[row + x / 2];
            bmp.pixels[static_cast<std::size_t>(y) * bmp.width + x] = (x % 2 == 0) ? byte >> 4 : byte & 0x0f;
        }
    }
    return bmp;
}

const std::vector<std::uint8_t>& FileOf(int id) {
    static std::map<int, std::vector<std::uint8_t>> files;
    auto it = files.find(id);
    if (it == files.end()) it = files.emplace(id, artwork::EncodeBmp(artwork::DrawImage(id))).first;
    return it->second;
}

const Bitmap& ImageOf(int id) {
    static std::map<int, Bitmap> images;
    auto it = images.find(id);
    if (it == images.end()) it = images.emplace(id, Decode(FileOf(id))).first;
    return it->second;
}

}  // namespace artwork_test
