// The program: the application object starts the one window and runs the event loop until
// the window closes.
#include <QApplication>
#include <memory>
#include <optional>

#include "frontend/qt/desktop/command_line.h"
#include "frontend/qt/desktop/identity.h"
#include "frontend/qt/desktop/start_checks.h"
#include "frontend/qt/main_window.h"

class CRuleApp : public QApplication {
  public:
    CRuleApp(int& argc, char** argv) : QApplication(argc, argv) {}

    bool InitInstance();

  private:
    std::unique_ptr<CQtMainWindow> m_pMainWnd;
};

bool CRuleApp::InitInstance() {
    // The per-user settings key the program is filed under. Nothing is ever stored there.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));

    // The window builds its command bar and title, and creates its logic, CMainFrame.
    m_pMainWnd = std::make_unique<CQtMainWindow>();

    m_pMainWnd->show();
    m_pMainWnd->UpdateWindow();  // the first paint now, not when the loop gets to it
    return true;
}

int main(int argc, char** argv) {
    if (const std::optional<int> status = AnswerCommandLine(argc, argv)) return *status;
    SayWhenNoDisplay();
    CRuleApp app(argc, argv);
    DisplayFound();
    SayWhenNoUsableFont();
    SetDesktopIdentity();
    if (!app.InitInstance()) return 1;
    return app.exec();
}
