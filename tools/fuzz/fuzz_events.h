// A fuzzer input read as events for the main window, and the way back and forth between such
// inputs and replay scripts. Each event kind is one row of a table: a leading byte picks the
// row, the row's argument bytes follow. An event is applied as the replay tool applies the
// line it stands for, so a finding is a replay script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tools/fuzz/invariants.h"
#include "tools/replay/replay_session.h"

struct FuzzEvent {
    int row;               // index into the event table
    int32_t a = 0, b = 0;  // the row's arguments: a point, milliseconds, an index, a value
};

// The events an input holds; a last row whose argument bytes are cut off is dropped.
std::vector<FuzzEvent> DecodeEvents(const uint8_t* data, std::size_t size);

// The bytes that decode to event.
void EncodeEvent(const FuzzEvent& event, std::vector<uint8_t>& out);

// The events a replay script line stands for; none for checks, output commands and the
// commands no row carries. Values beyond what a row can hold are brought to its nearest.
std::vector<FuzzEvent> EventsOfLine(const std::string& line);

// The events of a whole replay script, its repeat blocks unrolled; false, with why, when a
// line does not parse or a block is not closed.
bool EventsOfScript(const std::string& script, std::vector<FuzzEvent>& events, std::string& why);

// A fresh main window on the headless host, driven by events and checked after each.
class CFuzzRun {
  public:
    CFuzzRun();

    // The replay line that event stands for in the window's present state; empty when it
    // stands for nothing now (a step button while no lesson runs).
    std::string Line(const FuzzEvent& event);

    // Runs line (from Line) as the replay tool does, painting when a repaint is pending, then
    // checks every invariant. The broken one, or an empty string.
    std::string Apply(const FuzzEvent& event, const std::string& line);

    // Runs every event of an input that stands for a line, up to the close request or the
    // first broken invariant, writing each line to script when given. The broken invariant,
    // or an empty string; LastLine() is the line after which it broke.
    std::string Run(const uint8_t* data, std::size_t size, std::ostream* script = nullptr);
    const std::string& LastLine() const { return m_strLast; }
    uint64_t Events() const { return m_nEvents; }  // lines run so far

    bool Closed() { return m_session.Host().Closed(); }
    CReplaySession& Session() { return m_session; }
    CInvariantChecker& Checker() { return m_checker; }

  private:
    CReplaySession m_session;
    CInvariantChecker m_checker;
    std::ostream m_sink;  // the tool's own output ("disabled ...") is not wanted
    std::string m_strLast;
    uint64_t m_nEvents = 0;
};
