#include "view/artwork/scaled_writer.h"

#include <unordered_map>

namespace artwork {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutVarint(std::vector<std::uint8_t>& out, std::uint32_t v) {
    while (v >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(v | 0x80));
        v >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(v));
}

}  // namespace

std::vector<std::uint8_t> EncodeRuns(const Canvas& image) {
    const std::size_t count = static_cast<std::size_t>(image.DeviceWidth()) * image.DeviceHeight();
    const std::uint32_t* px = image.DeviceBits();
    std::vector<std::uint32_t> colours;
    std::unordered_map<std::uint32_t, std::uint32_t> index;
    for (std::size_t i = 0; i < count; ++i)
        if (index.emplace(px[i], static_cast<std::uint32_t>(colours.size())).second)
            colours.push_back(px[i]);

    std::vector<std::uint8_t> out = {'S', 'K', 'R', '1'};
    Put32(out, static_cast<std::uint32_t>(image.DeviceWidth()));
    Put32(out, static_cast<std::uint32_t>(image.DeviceHeight()));
    Put32(out, static_cast<std::uint32_t>(colours.size()));
    for (std::uint32_t c : colours) Put32(out, c);
    for (std::size_t i = 0; i < count;) {
        std::size_t j = i + 1;
        while (j < count && px[j] == px[i]) ++j;
        PutVarint(out, static_cast<std::uint32_t>(j - i));
        PutVarint(out, index[px[i]]);
        i = j;
    }
    return out;
}

}  // namespace artwork
