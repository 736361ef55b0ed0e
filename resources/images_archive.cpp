// The page's image set: the tar of the generator's files that the page unpacks and hands over.
#include <cstdlib>
#include <cstring>
#include <list>
#include <string>
#include <vector>

#include "resources/images.h"

namespace {

struct ArchivedImage {
    EmbeddedImage image;
    int scale;
};

std::list<std::vector<unsigned char>> g_archives;  // a list: the images point into them
std::vector<ArchivedImage> g_images;

// "<id>.bmp" is the image at scale 1, "<id>@<k>.rle" the one at scale k.
bool ParseName(const std::string& name, int& id, int& scale) {
    char* end = nullptr;
    id = int(std::strtol(name.c_str(), &end, 10));
    if (end == name.c_str()) return false;
    if (std::strcmp(end, ".bmp") == 0) {
        scale = 1;
        return true;
    }
    if (*end != '@') return false;
    const char* k = end + 1;
    scale = int(std::strtol(k, &end, 10));
    return end != k && std::strcmp(end, ".rle") == 0 && scale >= 2 && scale <= kMaxPageScale;
}

const EmbeddedImage* Find(int id, int scale) {
    for (const ArchivedImage& a : g_images)
        if (a.image.id == id && a.scale == scale) return &a.image;
    return nullptr;
}

}  // namespace

bool AddImageArchive(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kBlock = 512;  // a tar's headers and its files' padding
    std::vector<unsigned char>& archive = g_archives.emplace_back(data, data + size);
    std::vector<ArchivedImage> found;
    for (std::size_t at = 0; at + kBlock <= size;) {
        const char* header = reinterpret_cast<const char*>(archive.data() + at);
        if (header[0] == '\0') {  // the end blocks
            g_images.insert(g_images.end(), found.begin(), found.end());
            return true;
        }
        const std::string name(header, strnlen(header, 100));
        const std::string octal(header + 124, strnlen(header + 124, 12));
        char* end = nullptr;
        const std::size_t length = std::strtoul(octal.c_str(), &end, 8);
        if (end == octal.c_str() || length > size - at - kBlock) break;
        int id = 0, scale = 0;
        const char type = header[156];
        if ((type == '0' || type == '\0') && ParseName(name, id, scale))
            found.push_back({{id, archive.data() + at + kBlock, length}, scale});
        at += kBlock + (length + kBlock - 1) / kBlock * kBlock;
    }
    g_archives.pop_back();
    return false;
}

bool SetImageArchive(const unsigned char* data, std::size_t size) {
    g_images.clear();
    g_archives.clear();
    return AddImageArchive(data, size);
}

const EmbeddedImage* FindEmbeddedImage(int id) { return Find(id, 1); }

const EmbeddedImage* FindScaledImage(int id, int scale) { return Find(id, scale); }
