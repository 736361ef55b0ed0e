// skalor-screenshot FILE.png: the README's picture. The program's window at factor 2 on the
// offscreen platform, menu bar and toolbar included, in the third step of lesson 2 (23 x 12),
// reached as a person reaches it: Training, the second lesson, Run, Next twice.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <cstdio>

#include "frontend/qt/desktop/identity.h"
#include "frontend/qt/main_window.h"
#include "resources/ids.h"
#include "tools/cli/tool_cli.h"

namespace {

void Tap(CQtMainWindow& window, int x, int y) {
    window.StylusDown(0, {x, y});
    window.StylusUp(0, {x, y});
    window.UpdateWindow();
}

}  // namespace

int main(int argc, char** argv) {
    const toolcli::Tool tool{"skalor-screenshot",
                             "usage: skalor-screenshot FILE.png\n"
                             "writes the README's picture of the window to FILE.png\n",
                             {},
                             1,
                             1};
    const toolcli::Parsed parsed = toolcli::ParseArgs(tool, argc, argv);
    if (!parsed.args) return parsed.status;
    // The picture is always the offscreen platform's, whatever the desktop is.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    toolcli::StartWithoutDisplay(tool);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
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
    if (window.Frame().State().m_steps.m_nLesson != 2) {
        std::fputs("skalor-screenshot: lesson 2 did not start\n", stderr);
        return 1;
    }
    if (!toolcli::WritePng(tool, parsed.args->operands[0], window.grab().toImage())) return 1;
    return toolcli::FinishOutput(tool, 0);
}
