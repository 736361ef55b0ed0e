// The rules the main window keeps whatever events reach it, checked after every event. The
// checker watches one window on the headless host: it is told what each event is, looks at
// the window before and after it, and names the first rule that broke.
#pragma once

#include <cstdint>
#include <string>

#include "app/main_frame.h"
#include "platform/headless/headless_host.h"

// What an event is, as far as the rules care.
struct CheckedEvent {
    enum Kind {
        Press,      // down
        Release,    // up
        Tap,        // down then up at the same point
        DoubleTap,  // the fetch of the cursor, or a press then a release
        Move,
        Wait,         // the clock runs on and timers tick
        Command,      // id: a command as a menu or toolbar gives it
        CaptureLoss,  // another window takes the stylus capture
        Selection,    // a tap on a title of the list box
        Key,          // a key's press, its auto-repeats and its release
        Wheel,        // notches of the wheel
        Fixture,      // values stored straight into the rule
        TaskStart,    // a task opened as the task chooser opens it
        TaskButton,   // a press and release on a button of the task box or the step box
    };
    Kind kind;
    CPoint point;
    int id = 0;
};

class CInvariantChecker {
  public:
    CInvariantChecker(const CMainFrame& frame, const CHeadlessHost& host);

    // Call before the event is applied.
    void Before(const CheckedEvent& event);
    // Call after the event (and the paint it asked for); the first broken rule, with what
    // was seen, or an empty string.
    std::string After();
    // As After, but a broken rule aborts the process with the rule's name on stderr.
    void AfterOrAbort();

    // The rules that look at the present state alone (ranges, the history's count, the
    // lesson's step, the list box, timers and capture against the press under way).
    std::string CheckState() const;

    struct Snapshot {
        CRuleState rule;
        CUndoHistory undo;
        CGestureState gesture;
        Activity activity;
        uint8_t listCreated;
        int32_t lesson, step;
        const IListBox* listBox;
        bool capture, hold, repeat, closed;
        int64_t repaints;
        int messageBoxes;
        bool operator==(const Snapshot& o) const;
    };

  private:
    Snapshot Take() const;

    const CMainFrame& m_frame;
    const CHeadlessHost& m_host;
    CheckedEvent m_event{CheckedEvent::Fixture, {}, 0};
    Snapshot m_before{};
    bool m_bBlocked = false;   // training held the rule before the event
    CKeyGesture m_keysBefore;  // the key press or wheel run under way before the event
    bool m_bEnabled = false;   // the event is a command its update rule enabled
    // The press under way: one that reached the rule's gesture handling and that no release
    // or loss of the capture has ended yet.
    bool m_bPressed = false;
    bool m_bCapturedPress = false;
    int64_t m_nPressAt = 0;
    // The open task as the event found it, and whether its score was decided before: a
    // number checked or the solution shown.
    CVerdict m_verdictBefore;
    int32_t m_nSetBefore = 0, m_nSolvedBefore = 0, m_nWrongBefore = 0;
    bool m_bDecided = false;
};

// Aborts with "broken invariant: WHAT" on stderr.
[[noreturn]] void AbortBrokenInvariant(const std::string& what);
