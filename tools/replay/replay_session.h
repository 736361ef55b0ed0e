// Drives the real main window on the headless platform from a script of events and checks.
// The skalor-replay tool is a thin main around this; tests use it in-process.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"

struct ReplayCommand;  // one parsed line

class CReplaySession {
  public:
    CReplaySession();

    // Reads the whole script first, line by line, and runs it only when every line parses.
    // Prints what the script asks for to out and each reason a script cannot run to err.
    // Returns 0 when every expect held, 1 when one failed or a frame could not be saved, 2
    // when the script could not be read or parsed (nothing is run then).
    int Run(const std::string& name, std::istream& script, std::ostream& out, std::ostream& err);

    // One line that is not part of a block; false, with nothing run, when it does not parse.
    bool RunLine(const std::string& line, std::ostream& out);

    std::string StateLine() const;
    CMainFrame& Frame() { return *m_frame; }
    CHeadlessHost& Host() { return m_host; }
    const CSurface& Window() const { return m_window; }

  private:
    friend struct ReplayVerbs;  // the grammar table's handlers

    void Execute(const ReplayCommand& command, std::ostream& out);
    void Wait(int64_t ms);
    void PaintIfInvalid();
    bool Check(const std::string& key, const std::string& expected, std::string& got) const;

    CHeadlessHost m_host;
    std::unique_ptr<CMainFrame> m_frame;
    CSurface m_window;
    std::string m_name;
    int m_nLine = 0;
    bool m_bFailed = false;
};

// Whether a line is a well-formed command on its own (a `repeat` or `end` is, though it
// needs its partner in a script); on failure why holds the reason.
bool ParseReplayLine(const std::string& line, std::string& why);

// The id of a command name (ID_SIDE1, ..., IDOK or a number); false when unknown.
bool CommandId(const std::string& name, int& id);

// Lines longer than this many bytes are refused.
constexpr std::size_t kReplayLineLimit = 4096;

// Every command with what it takes, one a line, from the grammar table: the tool's usage.
std::string ReplayCommands();
