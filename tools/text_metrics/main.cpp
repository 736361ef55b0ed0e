// skalor-text-metrics OUT.cpp: writes the desktop's measures of the fonts that lesson texts
// are broken in, as a table for the page.
#include <QGuiApplication>

#include "tools/cli/tool_cli.h"
#include "tools/text_metrics/measure.h"
#include "training/chooser.h"
#include "training/step_box.h"

int main(int argc, char** argv) {
    const toolcli::Tool tool{"skalor-text-metrics",
                             "usage: skalor-text-metrics OUT.cpp\n"
                             "writes the font measures of the lesson texts as C++ for the page\n",
                             {},
                             1,
                             1};
    const toolcli::Parsed parsed = toolcli::ParseArgs(tool, argc, argv);
    if (!parsed.args) return parsed.status;
    toolcli::StartWithoutDisplay(tool);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const std::string source =
        MeasuresSource({MeasureFont(kStepTextFontHeight), MeasureFont(kCaptionFontHeight)});
    if (!toolcli::WriteOutput(tool, parsed.args->operands[0], source)) return 1;
    return toolcli::FinishOutput(tool, 0);
}
