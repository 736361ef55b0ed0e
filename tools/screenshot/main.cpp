// skalor-screenshot FILE.png: the README's picture. The program's window at factor 2 on the
// offscreen platform, menu bar and toolbar included, in the third step of lesson 2 (23 x 12),
// reached as a person reaches it: Training, the second lesson, Run, Next twice.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "frontend/qt/desktop/identity.h"
#include "frontend/qt/main_window.h"
#include "resources/ids.h"

namespace {

void Tap(CQtMainWindow& window, int x, int y) {
    window.StylusDown(0, {x, y});
    window.StylusUp(0, {x, y});
    window.UpdateWindow();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: skalor-screenshot FILE.png\n", stderr);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetDesktopIdentity();
    CQtMainWindow window(2);
    window.show();
    window.UpdateWindow();

    window.Frame().OnCommand(ID_TRAINING);
    // The chooser's panel is painted first, then its list box made.
    QElapsedTimer clock;
    clock.start();
    while (!window.ListWidget() && clock.elapsed() < 5000) QApplication::processEvents();
    QListWidget* list = window.ListWidget();
    if (!list) {
        std::fputs("skalor-screenshot: the lesson chooser did not open\n", stderr);
        return 1;
    }
    list->setCurrentRow(1);
    Tap(window, 165, 215);  // "Выполнить"
    Tap(window, 120, 175);  // "Далее..." of the first step's box
    Tap(window, 120, 215);  // and of the second
    QApplication::processEvents();
    if (window.Frame().State().m_steps.m_nLesson != 2 || !window.grab().toImage().save(argv[1])) {
        std::fprintf(stderr, "skalor-screenshot: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
