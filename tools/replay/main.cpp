// skalor-replay SCRIPT...: runs each script ("-" for standard input) on a fresh main window
// of the headless platform. Exit 0 when every expect held, 1 when one failed or a frame could
// not be saved, 2 when a script could not be read or parsed. The commands a script may use
// are listed by the usage, from the grammar table in replay_session.cpp.
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "tools/replay/replay_session.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);  // fonts for the training overlays
    if (argc < 2) {
        std::cerr << "usage: skalor-replay SCRIPT...   (\"-\" reads standard input)\n"
                  << "one command a line; blank lines and everything after # are ignored:\n"
                  << ReplayCommands();
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        std::ifstream file;
        if (name != "-") {
            file.open(name, std::ios::binary);
            if (!file) {
                std::cerr << name << ": cannot be read\n";
                return 2;
            }
        }
        CReplaySession session;
        const int result = session.Run(name, name == "-" ? std::cin : file, std::cout, std::cerr);
        if (result == 2) return 2;
        status = std::max(status, result);
    }
    return status;
}
