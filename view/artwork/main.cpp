// skalor-artwork: draws the image set into the directory given as its one argument, one
// <id>.bmp per image. Run at build time under the offscreen platform.
#include <QGuiApplication>
#include <cstdio>
#include <fstream>
#include <string>

#include "view/artwork/bmp_writer.h"
#include "view/artwork/image_set.h"
#include "view/artwork/lettering.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);  // lettering needs the font database
    if (const char* missing = artwork::LoadFonts()) {
        std::fprintf(stderr, "cannot load the font %s\n", missing);
        return 1;
    }
    for (int id : artwork::kImageIds) {
        const auto bytes = artwork::EncodeBmp(artwork::DrawImage(id));
        const std::string path = dir + "/" + std::to_string(id) + ".bmp";
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
