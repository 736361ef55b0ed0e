// The program: the application object starts the one window and runs the event loop until
// the window closes.
#include <QApplication>
#include <QDate>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#include "frontend/qt/desktop/command_line.h"
#include "frontend/qt/desktop/identity.h"
#include "frontend/qt/desktop/progress_file.h"
#include "frontend/qt/desktop/start_checks.h"
#include "frontend/qt/main_window.h"
#include "frontend/qt/sheet.h"

class CRuleApp : public QApplication {
  public:
    CRuleApp(int& argc, char** argv) : QApplication(argc, argv) {}

    bool InitInstance(const std::string& progressFile);

  private:
    std::unique_ptr<CQtMainWindow> m_pMainWnd;
};

bool CRuleApp::InitInstance(const std::string& progressFile) {
    // The per-user settings key the program is filed under. Nothing is ever stored there.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));

    // The window builds its command bar and title, and creates its logic, CMainFrame.
    m_pMainWnd = std::make_unique<CQtMainWindow>();
    // What was kept puts the window, the rule and the choices back as they were left.
    m_pMainWnd->KeepProgressIn(QString::fromStdString(progressFile));

    m_pMainWnd->show();
    m_pMainWnd->UpdateWindow();  // the first paint now, not when the loop gets to it
    // What the store has to tell comes over the window, once it is on the screen.
    QTimer::singleShot(0, m_pMainWnd.get(), [this] { m_pMainWnd->TellProgress(); });
    return true;
}

// The sheets of a variant into a PDF file, on the offscreen platform: no window, no display.
int WriteSheets(const CommandLine& line, int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const training::Paper paper = training::DrawPaper(line.variant, line.kinds, line.count);
    const QString error =
        WriteSheetsPdf(paper, QDate::currentDate(), QString::fromStdString(line.output));
    if (error.isEmpty()) return 0;
    std::fprintf(stderr, "skalor: %s: %s\n", line.output.c_str(), error.toLocal8Bit().constData());
    return 1;
}

int main(int argc, char** argv) {
    // Where progress is kept: --help names it, so it is known before Qt starts.
    const CommandLine line = ReadCommandLine(argc, argv, DefaultProgressPath().toStdString());
    if (const std::optional<int> status = AnswerCommandLine(line, stdout, stderr)) return *status;
    if (line.action == StartAction::Sheet) return WriteSheets(line, argc, argv);
    SayWhenNoDisplay();
    CRuleApp app(argc, argv);
    DisplayFound();
    SayWhenNoUsableFont();
    SetDesktopIdentity();
    if (!app.InitInstance(line.progressFile)) return 1;
    return app.exec();
}
