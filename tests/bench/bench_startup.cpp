// Start-up to the first frame: the program's window built at a given factor, shown and
// painted once, then the process ends. Run it many times side by side with another build,
// for example:
//   for i in $(seq 20); do /usr/bin/time -f "%e %M" ./bench_startup 3; done
#include <QApplication>
#include <memory>
#include <string>

#include "frontend/qt/main_window.h"
#include "resources/images.h"
#include "tools/cli/tool_cli.h"

int main(int argc, char** argv) {
    const std::string usage =
        "usage: bench_startup K\n"
        "starts the window at factor K (1 to " +
        std::to_string(kMaxImageScale) + "), paints its first frame, ends\n";
    const toolcli::Tool tool{"bench_startup", usage.c_str(), {}, 1, 1};
    const toolcli::Parsed parsed = toolcli::ParseArgs(tool, argc, argv);
    if (!parsed.args) return parsed.status;
    const std::optional<int> factor =
        toolcli::WholeNumber(tool, "K", parsed.args->operands[0], 1, kMaxImageScale);
    if (!factor) return 2;
    toolcli::StartWithoutDisplay(tool);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    auto window = std::make_unique<CQtMainWindow>(*factor);
    window->show();
    window->UpdateWindow();  // the first frame, as the program paints it at start-up
    QApplication::processEvents();
    return 0;
}
