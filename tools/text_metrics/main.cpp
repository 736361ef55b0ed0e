// skalor-text-metrics OUT.cpp: writes the desktop's measures of the fonts that lesson texts
// are broken in, as a table for the page.
#include <QGuiApplication>
#include <fstream>
#include <iostream>

#include "tools/text_metrics/measure.h"
#include "training/chooser.h"
#include "training/step_box.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: skalor-text-metrics OUT.cpp\n";
        return 2;
    }
    const std::string source =
        MeasuresSource({MeasureFont(kStepTextFontHeight), MeasureFont(kCaptionFontHeight)});
    std::ofstream out(argv[1], std::ios::binary);
    out << source;
    return out.good() ? 0 : 1;
}
