// Drives the real main window on the headless platform from a script of events and checks.
// The skalor-replay tool is a thin main around this; tests use it in-process.
#pragma once

#include <istream>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"

struct ReplayCommand;  // one parsed line

// Lines longer than this many bytes are refused.
constexpr std::size_t kReplayLineLimit = 4096;

// A script is stopped, with exit status 2, once it has spent more events than this: each
// command run and each round of a repeat is one, each key press and timer tick one, a paint
// or a saved frame at zoom K is K * K, and each 128 bytes printed one. Blocks nest, so a few
// lines can ask for any number of rounds; no script a person writes comes near it.
constexpr long kReplayEventLimit = 100000;

class CReplaySession {
  public:
    CReplaySession();
    ~CReplaySession();

    // Reads the whole script first, line by line, and runs it only when every line parses.
    // Prints what the script asks for to out and each reason a script cannot run to err.
    // Returns 0 when every expect held, 1 when one failed or a frame could not be saved, 2
    // when the script could not be read or parsed (nothing is run then) or was stopped at the
    // event limit.
    int Run(const std::string& name, std::istream& script, std::ostream& out, std::ostream& err);

    // Run in slices, for a caller that must not be held up long (the page): Load reads and
    // parses the script (false, with the reasons on err, when it cannot run); each Resume
    // then runs until it has spent about `budget` events and returns -1 while the script
    // goes on, else what Run returns. Run is Load and one Resume without a budget.
    bool Load(const std::string& name, std::istream& script, std::ostream& err);
    int Resume(std::ostream& out, std::ostream& err, long budget);

    // One line that is not part of a block; false, with nothing run, when it does not parse.
    bool RunLine(const std::string& line, std::ostream& out);

    std::string StateLine() const;
    CMainFrame& Frame() { return *m_frame; }
    CHeadlessHost& Host() { return m_host; }
    const CSurface& Window() const { return m_window; }

  private:
    friend struct ReplayVerbs;  // the grammar table's handlers

    // False while the command has more to do in a later slice (a key's auto-repeats).
    bool Execute(const ReplayCommand& command, std::ostream& out,
                 long until = std::numeric_limits<long>::max());
    long Spent() const { return m_nEvents + m_nPrinted / 128; }
    bool OverLimit() const { return Spent() > kReplayEventLimit; }
    void Wait(int64_t ms);
    void PaintIfInvalid();
    bool Check(const std::string& key, const std::string& expected, std::string& got) const;

    CHeadlessHost m_host;
    // What the session remembers, once a script names its file; they outlive the window.
    std::unique_ptr<IStorage> m_storage;
    std::unique_ptr<training::CProgressStore> m_store;
    std::unique_ptr<CMainFrame> m_frame;
    CSurface m_window;
    std::string m_name;
    int m_nLine = 0;
    bool m_bFailed = false;

    // The loaded script and where its run stands.
    std::vector<ReplayCommand> m_program;
    std::size_t m_nNext = 0;                            // the command to run next
    std::vector<std::pair<std::size_t, long>> m_loops;  // a running repeat: its index, rounds left
    long m_nPressesDone = 0;  // of the key command under way, across slices
    long m_nEvents = 0;       // spent so far, but for printing
    long m_nPrinted = 0;      // bytes printed
};

// Whether a line is a well-formed command on its own (a `repeat` or `end` is, though it
// needs its partner in a script); on failure why holds the reason.
bool ParseReplayLine(const std::string& line, std::string& why);

// The id of a command name (ID_SIDE1, ..., IDOK or a number); false when unknown.
bool CommandId(const std::string& name, int& id);

// Every command with what it takes, one a line, from the grammar table: the tool's usage.
std::string ReplayCommands();
