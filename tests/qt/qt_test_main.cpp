// GoogleTest under a QApplication on the offscreen platform, with a watchdog that closes a
// modal dialog nobody answers instead of hanging the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    int stuckFor = 0;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&stuckFor] {
        QWidget* modal = QApplication::activeModalWidget();
        stuckFor = modal ? stuckFor + 1 : 0;
        if (stuckFor < 20) return;  // a second: no test waits that long for its own box
        ADD_FAILURE() << "an unexpected modal window: " << modal->windowTitle().toStdString();
        modal->close();
        stuckFor = 0;
    });
    watchdog.start(50);
    return RUN_ALL_TESTS();
}
