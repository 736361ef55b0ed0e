// Start-up to the first frame: the program's window built at a given factor, shown and
// painted once, then the process ends. Run it many times side by side with another build,
// for example:
//   for i in $(seq 20); do /usr/bin/time -f "%e %M" ./bench_startup 3; done
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "frontend/qt/main_window.h"

int main(int argc, char** argv) {
    const int factor = argc > 1 ? std::atoi(argv[1]) : 0;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    auto window = std::make_unique<CQtMainWindow>(factor);
    window->show();
    window->UpdateWindow();  // the first frame, as the program paints it at start-up
    QApplication::processEvents();
    return 0;
}
