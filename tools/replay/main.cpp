// skalor-replay SCRIPT...: runs each script ("-" for standard input) on a fresh main window
// of the headless platform. Exit 0 when every expect held, 1 when one failed, 2 when a
// script could not be read or parsed.
#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/replay/replay_session.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);  // fonts for the training overlays
    if (argc < 2) {
        std::cerr << "usage: skalor-replay SCRIPT...   (\"-\" reads standard input)\n";
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        std::stringstream text;
        if (name == "-") {
            text << std::cin.rdbuf();
        } else {
            std::ifstream file(name, std::ios::binary);
            if (!file) {
                std::cout << name << ": cannot be read\n";
                return 2;
            }
            text << file.rdbuf();
        }
        CReplaySession session;
        const int result = session.Run(name, text.str(), std::cout);
        if (result == 2) return 2;
        status = std::max(status, result);
    }
    return status;
}
