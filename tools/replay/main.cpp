// skalor-replay SCRIPT...: runs each script ("-" for standard input) on a fresh main window
// of the headless platform. Exit 0 when every expect held, 1 when one failed, a frame could
// not be saved or the output was lost, 2 when the command line or a script could not be read
// or parsed. The commands a script may use are listed by the usage, from the grammar table in
// replay_session.cpp.
#include <QGuiApplication>
#include <algorithm>
#include <fstream>
#include <iostream>

#include "tools/cli/tool_cli.h"
#include "tools/replay/replay_session.h"

int main(int argc, char** argv) {
    const std::string usage =
        "usage: skalor-replay SCRIPT...   (\"-\" reads standard input)\n"
        "one command a line; blank lines and everything after # are "
        "ignored:\n" +
        ReplayCommands();
    const toolcli::Tool tool{"skalor-replay", usage.c_str(), {}, 1, -1};
    const toolcli::Parsed parsed = toolcli::ParseArgs(tool, argc, argv);
    if (!parsed.args) return parsed.status;
    toolcli::StartWithoutDisplay(tool);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);  // fonts for the training overlays
    int status = 0;
    for (const std::string& name : parsed.args->operands) {
        std::ifstream file;
        if (name != "-") {
            file.open(name, std::ios::binary);
            if (!file) {
                std::cerr << name << ": cannot be read\n";
                return toolcli::FinishOutput(tool, 2);
            }
        }
        CReplaySession session;
        const int result = session.Run(name, name == "-" ? std::cin : file, std::cout, std::cerr);
        if (result == 2) return toolcli::FinishOutput(tool, 2);
        status = std::max(status, result);
    }
    return toolcli::FinishOutput(tool, status);
}
