// Drives the real main window on the headless platform from a script of events and checks.
// The skalor-replay tool is a thin main around this; tests use it in-process.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"

class CReplaySession {
public:
    CReplaySession();

    // Runs the script on this session's window; prints to out. Returns 0 when every expect
    // held, 1 when one failed, 2 when the script could not be parsed (nothing is run then).
    int Run(const std::string& name, const std::string& script, std::ostream& out);

    // One line, already known to parse; false when it is not a command.
    bool RunLine(const std::string& line, std::ostream& out);

    std::string StateLine() const;
    CMainFrame& Frame() { return *m_frame; }
    CHeadlessHost& Host() { return m_host; }
    const CSurface& Window() const { return m_window; }

private:
    void Event(const std::vector<std::string>& words, std::ostream& out);
    void PaintIfInvalid();
    bool Check(const std::string& key, const std::string& expected, std::string& got) const;

    CHeadlessHost m_host;
    std::unique_ptr<CMainFrame> m_frame;
    CSurface m_window;
    std::string m_name;
    int m_nLine = 0;
    bool m_bFailed = false;
};

// Whether a line is a well-formed command; on failure why holds the reason.
bool ParseReplayLine(const std::string& line, std::string& why);

// The id of a command name (ID_SIDE1, ..., IDOK or a number); false when unknown.
bool CommandId(const std::string& name, int& id);
