// skalor-artwork: draws the image set into OUTPUT_DIRECTORY, one <id>.bmp per image, and for
// every further scale K given, the set drawn at K as <id>@K.rle. Run at build time under the
// offscreen platform.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "view/artwork/bmp_writer.h"
#include "view/artwork/image_set.h"
#include "view/artwork/lettering.h"
#include "view/artwork/scaled_writer.h"

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (out) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> scales;
    for (int i = 2; i < argc; ++i) scales.push_back(std::atoi(argv[i]));
    for (int k : scales)
        if (k < 2 || k > 16) argc = 0;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY [K...]   (2 <= K <= 16)\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);  // lettering needs the font database
    if (const char* missing = artwork::LoadFonts()) {
        std::fprintf(stderr, "cannot load the font %s\n", missing);
        return 1;
    }
    for (int id : artwork::kImageIds)
        if (!Write(dir + "/" + std::to_string(id) + ".bmp",
                   artwork::EncodeBmp(artwork::DrawImage(id))))
            return 1;
    for (int k : scales)
        for (int id : artwork::kImageIds)
            if (!Write(dir + "/" + std::to_string(id) + "@" + std::to_string(k) + ".rle",
                       artwork::EncodeRuns(artwork::DrawImage(id, k))))
                return 1;
    return 0;
}
