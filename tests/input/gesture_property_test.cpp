// Random sessions of the stylus, the keys and the wheel on the headless window. After every event
// and every timer tick the rule, the undo history, the timers and the repaint requests must obey
// the rules below; a failing session is shrunk and printed as a replay script with its seed.
//
// SKALOR_PROPERTY_SEED and SKALOR_PROPERTY_RUNS override the first seed and the number of
// sessions; session i uses seed + i, so one failing session can be rerun on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "input/keys.h"
#include "platform/headless/headless_host.h"
#include "resources/command_names.h"
#include "resources/ids.h"
#include "resources/keys.h"
#include "tests/support/seed_rule.h"

namespace {

// Key is a press, its auto-repeats and the release, as the replay tool's line; the checks
// run after each of its parts, KeyDown and KeyUp.
enum class Kind { Down, Move, Up, Dbl, Wait, Cmd, Steal, Key, Wheel, KeyDown, KeyUp };

struct Event {
    Kind kind;
    int a = 0, b = 0;  // the point, the milliseconds, the command id, key and modifiers, or
                       // the notches and whether Ctrl is held
    int n = 0;         // Key: presses, the first and its repeats; KeyDown: 1 for a repeat
};

struct Session {
    int32_t scroll = 0, slide = 0, cursor = 0, clamp = 0;  // the starting fixture
    std::vector<Event> events;
};

void SlideTo1300(CMainFrame& f) {
    SeedRule(f, [](CRuleState& r) { r.m_nSlide = 1300; });
}

std::string Script(const Session& s) {
    std::ostringstream out;
    out << "set scroll=" << s.scroll << " slide=" << s.slide << " cursor=" << s.cursor
        << " clamp=" << s.clamp << "\n";
    for (const Event& e : s.events) {
        switch (e.kind) {
            case Kind::Down: out << "down " << e.a << ' ' << e.b; break;
            case Kind::Move: out << "move " << e.a << ' ' << e.b; break;
            case Kind::Up: out << "up " << e.a << ' ' << e.b; break;
            case Kind::Dbl: out << "dbl " << e.a << ' ' << e.b; break;
            case Kind::Wait: out << "wait " << e.a; break;
            case Kind::Cmd: out << "cmd " << NameOfCommand(e.a); break;
            case Kind::Steal: out << "steal"; break;
            case Kind::Key:
                out << "key " << KeyName(KeyCode(e.a), uint32_t(e.b)) << ' ' << e.n;
                break;
            case Kind::Wheel: out << "wheel " << e.a << (e.b ? " Ctrl" : ""); break;
            case Kind::KeyDown:
            case Kind::KeyUp: break;
        }
        out << "\n";
    }
    return out.str();
}

// ---- Generating sessions: points and values near the edges that matter. ----

class Generator {
  public:
    explicit Generator(uint32_t seed) : m_rng(seed) {}

    Session Make() {
        Session s;
        s.scroll = Pick({0, 0, Int(-11, 1055), Int(-11, -1), Int(1040, 1055)});
        s.slide = Pick({0, Int(-1199, 1199), Int(1170, 1199), Int(-1199, -1170)});
        s.cursor = Pick({0, Int(-1133, 87), Int(70, 87), Int(-1133, -1110),
                         Int(-1133, 87) /* often out of sight */});
        s.clamp = Chance(4);
        // Now and then a long session with few undos, long enough to fill the history.
        m_bLong = Chance(60);
        const int n = m_bLong ? Int(1200, 2000) : Int(1, 60);
        while (int(s.events.size()) < n) AddGesture(s);
        return s;
    }

  private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool Chance(int oneIn) { return Int(1, oneIn) == 1; }
    int Pick(std::initializer_list<int> values) {
        return values.begin()[Int(0, int(values.size()) - 1)];
    }

    CPoint Point() {
        const int y = Pick({Int(55, 108), Int(102, 197), Int(190, 254), Int(248, 268), Int(3, 52),
                            Int(17, 37), Int(0, 267)});
        const int x = Pick({Int(0, 239), Int(0, 239), Int(115, 124), Int(0, 5), Int(233, 239),
                            Int(80, 160), Int(-5, 245)});
        return {x, y};
    }

    Event KeyGesture() {
        static const struct {
            KeyCode key;
            uint32_t mods;
        } keys[] = {
            // clang-format off
            {KEY_LEFT, MOD_NONE},  {KEY_RIGHT, MOD_NONE},  {KEY_LEFT, MOD_SHIFT},
            {KEY_RIGHT, MOD_SHIFT}, {KEY_LEFT, MOD_CTRL},  {KEY_RIGHT, MOD_CTRL},
            {KEY_LEFT, MOD_CTRL | MOD_SHIFT}, {KEY_RIGHT, MOD_CTRL | MOD_SHIFT},
            {KEY_PAGEUP, MOD_NONE}, {KEY_PAGEDOWN, MOD_NONE}, {KEY_HOME, MOD_NONE},
            {KEY_END, MOD_NONE},   {KeyLetter('Z'), MOD_CTRL}, {KeyLetter('L'), MOD_CTRL},
            {KEY_RETURN, MOD_NONE}, {KEY_ESCAPE, MOD_NONE}, {KEY_SPACE, MOD_NONE},
            {KEY_DOWN, MOD_NONE},  {KEY_UP, MOD_NONE},    {KeyLetter('A'), MOD_ALT},
            // rare: slow side switches, and the chooser
            {KeyLetter('2'), MOD_CTRL}, {KeyLetter('1'), MOD_CTRL}, {KeyLetter('T'), MOD_CTRL},
            // clang-format on
        };
        const int last = int(std::size(keys)) - 1;
        const int pick = Chance(m_bLong ? 400 : 30) ? Int(last - 2, last) : Int(0, last - 3);
        return {Kind::Key, keys[pick].key, int(keys[pick].mods),
                Pick({1, 1, 2, Int(1, 8), Int(20, 70)})};
    }

    void AddGesture(Session& s) {
        switch (Int(0, 12)) {
            case 10:
            case 11: s.events.push_back(KeyGesture()); break;
            case 12: {  // a run of notches, now and then with Ctrl, and a pause
                const int notches = Int(1, 4);
                for (int i = 0; i < notches; ++i) {
                    s.events.push_back(
                        {Kind::Wheel, Pick({1, -1, 2, -3, Int(-40, 40)}), Chance(8)});
                    if (Chance(2)) s.events.push_back({Kind::Wait, Pick({1, 100, 399, 400, 401})});
                }
                break;
            }
            case 0:
            case 1:
            case 2:
            case 3: {  // a press, some moves and waits, a release
                CPoint p = Point();
                s.events.push_back({Kind::Down, p.x, p.y});
                const int steps = Int(0, 6);
                for (int i = 0; i < steps; ++i) {
                    if (Chance(3)) {
                        s.events.push_back(
                            {Kind::Wait, Pick({1, 10, 50, 290, 300, 310, 320, 700})});
                    } else {
                        p.x += Pick({0, 1, -1, Int(-4, 4), Int(-25, 25), Int(-300, 300)});
                        if (Chance(4)) p.y += Int(-20, 20);
                        s.events.push_back({Kind::Move, p.x, p.y});
                    }
                    if (Chance(25)) s.events.push_back({Kind::Steal});
                    if (Chance(30)) s.events.push_back(Command());
                }
                if (!Chance(15)) s.events.push_back({Kind::Up, p.x, p.y});
                break;
            }
            case 4: {  // a double tap, as the platform delivers it
                const CPoint p = Chance(2) ? CPoint{Int(0, 239), Int(250, 266)} : Point();
                s.events.push_back({Kind::Down, p.x, p.y});
                s.events.push_back({Kind::Up, p.x, p.y});
                s.events.push_back({Kind::Dbl, p.x, p.y});
                s.events.push_back({Kind::Up, p.x, p.y});
                break;
            }
            case 5:
            case 6: s.events.push_back(Command()); break;
            case 7: s.events.push_back({Kind::Wait, Int(0, 400)}); break;
            case 8: {  // stray events out of order
                const CPoint p = Point();
                const Kind kinds[] = {Kind::Move, Kind::Up, Kind::Dbl, Kind::Steal, Kind::Down};
                s.events.push_back({kinds[Int(0, 4)], p.x, p.y});
                break;
            }
            case 9: s.events.push_back({Kind::Wait, Pick({300, 310, 1000})}); break;
        }
    }

    Event Command() {
        // Side switches reload the images and are slow under the sanitizers; the chooser
        // blocks the rest of a session. Both are rare.
        int id = Pick({ID_UNDO, ID_UNDO, ID_TB_UNDO, ID_CLAMP});
        if (m_bLong && !Chance(8)) id = ID_CLAMP;
        if (m_bLong) return {Kind::Cmd, id};
        if (Chance(60)) id = Pick({ID_SIDE1, ID_SIDE2});
        if (Chance(150)) id = ID_TRAINING;
        return {Kind::Cmd, id};
    }

    std::mt19937 m_rng;
    bool m_bLong = false;
};

// ---- Running a session and checking it. ----

struct Range {
    int64_t low, high;
};

constexpr Range kAny{INT32_MIN, INT32_MAX};

struct Snapshot {
    CRuleState rule;
    CUndoHistory undo;
    CGestureState gesture;
    bool capture, hold, repeat, training;
    int64_t repaints;
    bool wheel;        // the wheel run's timer
    bool pending;      // a key press or wheel run has moved the rule, not yet recorded
    bool undoEnabled;  // as the menu shows it
};

// Called after each handler, before the checks: lets a test break the window on purpose.
using Sabotage = std::function<void(const Event&, CMainFrame&, CHeadlessHost&)>;

class Runner {
  public:
    // With a window, sessions run on it after a reset (fast); without, each on a new one.
    explicit Runner(CHeadlessHost* host = nullptr, CMainFrame* frame = nullptr,
                    Sabotage sabotage = nullptr)
        : m_host(host), m_frame(frame), m_sabotage(std::move(sabotage)) {}

    // Empty when every check held; else what failed, at which event.
    std::string Run(const Session& s) {
        std::unique_ptr<CHeadlessHost> ownHost;
        std::unique_ptr<CMainFrame> ownFrame;
        CHeadlessHost* host = m_host;
        CMainFrame* frame = m_frame;
        if (!frame) {
            ownHost = std::make_unique<CHeadlessHost>();
            ownFrame = std::make_unique<CMainFrame>(*ownHost);
            host = ownHost.get();
            frame = ownFrame.get();
        } else {
            Reset(*host, *frame);
        }
        h = host;
        f = frame;
        SeedRule(*f, [&s](CRuleState& r) {
            r.m_nScroll = s.scroll;
            r.m_nSlide = s.slide;
            r.m_nCursor = s.cursor;
            r.m_bClamp = s.clamp;
        });
        // The fixture stores values that drags accept.
        m_range[0] = {kScrollMin, kScrollMax};
        m_range[1] = {kSlideMin, kSlideMax};
        m_range[2] = {kCursorMin, kCursorMax};
        m_bLessonValues = false;
        m_start.reset();
        m_error.clear();
        for (std::size_t i = 0; i < s.events.size() && m_error.empty(); ++i) {
            m_at = i;
            Deliver(s.events[i]);
        }
        return m_error;
    }

  private:
    static void Reset(CHeadlessHost& host, CMainFrame& frame) {
        host.ReleaseCapture();
        host.KillTimer(TIMER_HOLD);
        host.KillTimer(TIMER_REPEAT);
        host.KillTimer(TIMER_WHEEL);
        if (frame.State().m_rule.m_nSide != 0) frame.OnSide1();
        host.DestroyListBox();
        frame.Seed(CRuleState{});
        frame.Seed(CUndoHistory{});
        frame.Seed(CGestureState{});
        frame.Seed(CTrainingState{});
        frame.Seed(CActivity{});
        frame.Seed(CKeyGesture{});
        host.TakeInvalid();
    }

    Snapshot Take() const {
        return {f->State().m_rule,
                f->State().m_undo,
                f->State().m_gesture,
                h->HasCapture(),
                h->TimerRunning(TIMER_HOLD),
                h->TimerRunning(TIMER_REPEAT),
                f->Blocked(),
                h->RepaintRequests(),
                h->TimerRunning(TIMER_WHEEL),
                f->PendingChange(),
                f->CommandState(ID_UNDO)->enabled};
    }

    void Fail(const std::string& what) {
        if (!m_error.empty()) return;
        std::ostringstream s;
        s << "event " << m_at + 1 << ": " << what << "  [scroll=" << f->State().m_rule.m_nScroll
          << " slide=" << f->State().m_rule.m_nSlide << " cursor=" << f->State().m_rule.m_nCursor
          << " clamp=" << f->State().m_rule.m_bClamp << " undo=" << f->State().m_undo.m_nUndoCount
          << " mode=" << f->State().m_gesture.m_nDragMode << "]";
        m_error = s.str();
    }

    void Deliver(const Event& e) {
        switch (e.kind) {
            case Kind::Wait: {
                const int64_t until = h->Now() + e.a;
                for (int id; m_error.empty() && h->NextTick(until, id);) {
                    const Snapshot before = Take();
                    f->OnTimer(id);
                    if (m_sabotage) m_sabotage(e, *f, *h);
                    Check(e, before, id, false);
                }
                h->SetNow(until);
                break;
            }
            case Kind::Cmd: {
                const Snapshot before = Take();
                const bool ran = f->OnCommand(e.a, 0);
                if (m_sabotage) m_sabotage(e, *f, *h);
                Check(e, before, 0, ran);
                break;
            }
            case Kind::Key: {
                const KeyCode key = KeyCode(e.a);
                const uint32_t mods = uint32_t(e.b);
                // A move key's press with its repeats records one entry at the release when,
                // and only when, the rule then differs from the rule at the press.
                const bool moves = IsMoveKey(key, mods) && !Take().training;
                CRuleState atPress;
                for (int i = 0; i < e.n && m_error.empty(); ++i) {
                    const Snapshot before = Take();
                    if (i == 0) atPress = before.rule;
                    f->OnKeyDown(key, mods, i > 0);
                    if (m_sabotage) m_sabotage(e, *f, *h);
                    Check({Kind::KeyDown, e.a, e.b, i > 0}, before, 0, false);
                    Paint();
                }
                if (!m_error.empty()) break;
                const Snapshot before = Take();
                f->OnKeyUp(key, mods);
                if (m_sabotage) m_sabotage(e, *f, *h);
                Check({Kind::KeyUp, e.a, e.b}, before, 0, false);
                bool pushed = f->State().m_undo.m_nUndoCount != before.undo.m_nUndoCount;
                for (int i = 0; i < 100; ++i)
                    pushed |=
                        f->State().m_undo.m_anUndoSlide[i] != before.undo.m_anUndoSlide[i] ||
                        f->State().m_undo.m_anUndoScroll[i] != before.undo.m_anUndoScroll[i] ||
                        f->State().m_undo.m_anUndoCursor[i] != before.undo.m_anUndoCursor[i];
                if (moves && pushed != !SameOffsets(atPress, f->State().m_rule))
                    Fail(pushed ? "a key recorded a press that changed nothing"
                                : "a key's press that moved the rule recorded nothing");
                break;
            }
            case Kind::Wheel: {
                const Snapshot before = Take();
                f->OnMouseWheel(e.a, e.b ? MOD_CTRL : MOD_NONE);
                if (m_sabotage) m_sabotage(e, *f, *h);
                Check(e, before, 0, false);
                break;
            }
            default: {
                const Snapshot before = Take();
                const CPoint p{e.a, e.b};
                if (e.kind == Kind::Down) f->OnLButtonDown(0, p);
                if (e.kind == Kind::Move) f->OnMouseMove(0, p);
                if (e.kind == Kind::Up) f->OnLButtonUp(0, p);
                if (e.kind == Kind::Dbl) f->OnLButtonDblClk(0, p);
                if (e.kind == Kind::Steal) {
                    h->StealCapture();
                    f->OnCaptureChanged();
                }
                if (m_sabotage) m_sabotage(e, *f, *h);
                Check(e, before, 0, false);
                break;
            }
        }
        Paint();
    }

    // The replay tool paints after every event; only training's paints change state.
    void Paint() {
        if (h->TakeInvalid() && f->Blocked()) f->OnPaint(m_window);
    }

    static bool SameOffsets(const CRuleState& x, const CRuleState& y) {
        return x.m_nSlide == y.m_nSlide && x.m_nScroll == y.m_nScroll && x.m_nCursor == y.m_nCursor;
    }
    static CRuleState Newest(const CUndoHistory& u) {
        CRuleState r;
        r.m_nSlide = u.m_anUndoSlide[99];
        r.m_nScroll = u.m_anUndoScroll[99];
        r.m_nCursor = u.m_anUndoCursor[99];
        return r;
    }

    // The range a writer may leave each offset in: 0 scroll, 1 slide, 2 cursor.
    void CheckWrite(int field, int32_t before, int32_t now, Range allowed, const char* writer) {
        if (before == now) return;
        m_range[field] = allowed;
        if (now < allowed.low || now > allowed.high) {
            static const char* const names[] = {"scroll", "slide", "cursor"};
            Fail(std::string(names[field]) + " " + std::to_string(now) + " is outside what " +
                 writer + " may store");
        }
    }

    void Check(const Event& e, const Snapshot& b, int tick, bool commandRan) {
        const Snapshot a = Take();
        const bool training = b.training || a.training;
        const int64_t ds = int64_t(a.rule.m_nSlide) - b.rule.m_nSlide;
        const int64_t dc = int64_t(a.rule.m_nCursor) - b.rule.m_nCursor;
        const bool ruleChanged = ds || dc || a.rule.m_nScroll != b.rule.m_nScroll ||
                                 a.rule.m_nSide != b.rule.m_nSide ||
                                 a.rule.m_bClamp != b.rule.m_bClamp;

        // Repaints: at most one per handler (a lesson's step that turns the side asks twice),
        // and one for every change of the rule.
        const int64_t repaints = a.repaints - b.repaints;
        if (repaints > 1 && !training)
            Fail(std::to_string(repaints) + " repaint requests from one handler");
        if (ruleChanged && repaints != 1) Fail("the rule changed without a repaint request");

        // A key press or a wheel run that moved the rule is recorded first by every other event
        // and command, by the release of its key and by the wheel's timer: that entry is taken
        // as made before the event's own change.
        const bool keyEvent =
            e.kind == Kind::KeyDown || e.kind == Kind::KeyUp || e.kind == Kind::Wheel;
        const bool flushes = !keyEvent
                                 ? e.kind != Kind::Wait && e.kind != Kind::Steal
                                 : (e.kind == Kind::KeyDown && !e.n) || e.kind == Kind::KeyUp ||
                                       (e.kind == Kind::Wheel && e.b);
        // Which gesture of the keys or the wheel runs, and whether it moved the rule, is kept
        // here apart from the window's own record.
        const bool ends = flushes || tick == TIMER_WHEEL;
        const bool pending = m_start && !SameOffsets(*m_start, b.rule);
        CUndoHistory flushed = b.undo;
        if (pending && ends) flushed.PushUndo(b.rule.m_nSlide, b.rule.m_nScroll, b.rule.m_nCursor);
        if (ends) m_start.reset();
        const bool busy = b.capture || b.gesture.m_bRepeating;
        if (e.kind == Kind::KeyDown && !e.n && !b.training && !busy &&
            IsMoveKey(KeyCode(e.a), uint32_t(e.b)))
            m_start = b.rule;
        if (e.kind == Kind::Wheel && !e.b && e.a && !b.training && !busy && !m_start)
            m_start = b.rule;
        if ((flushes || tick == TIMER_WHEEL) && (a.pending || a.wheel) &&
            !(e.kind == Kind::KeyDown || e.kind == Kind::Wheel))
            Fail("a key press or wheel run outlived an event that ends it");
        if (tick == TIMER_WHEEL && (a.pending || a.wheel))
            Fail("the wheel's timer did not end its run");

        // The undo history: pushes, undos and the count.
        const CUndoHistory& ub = flushed;
        const CUndoHistory& ua = a.undo;
        if (ua.m_nUndoCount < 0 || ua.m_nUndoCount > 99)
            Fail("undo count " + std::to_string(ua.m_nUndoCount));
        auto same = [](const CUndoHistory& x, int i, const CUndoHistory& y, int j) {
            return x.m_anUndoSlide[i] == y.m_anUndoSlide[j] &&
                   x.m_anUndoScroll[i] == y.m_anUndoScroll[j] &&
                   x.m_anUndoCursor[i] == y.m_anUndoCursor[j];
        };
        auto newestIsState = [&] {
            return ua.m_anUndoSlide[99] == a.rule.m_nSlide &&
                   ua.m_anUndoScroll[99] == a.rule.m_nScroll &&
                   ua.m_anUndoCursor[99] == a.rule.m_nCursor;
        };
        bool historyChanged = ua.m_nUndoCount != ub.m_nUndoCount;
        for (int i = 0; i < 100 && !historyChanged; ++i) historyChanged = !same(ua, i, ub, i);
        const bool undoKey = e.kind == Kind::KeyDown && !e.n && e.a == KeyLetter('Z') &&
                             e.b == int(MOD_CTRL) && b.undoEnabled;
        const bool undo =
            (e.kind == Kind::Cmd && (e.a == ID_UNDO || e.a == ID_TB_UNDO) && commandRan) || undoKey;
        bool pushed = false;
        if (undo) {
            if (ub.m_nUndoCount == 0) Fail("undo ran with nothing to undo");
            if (ua.m_nUndoCount != ub.m_nUndoCount - 1) Fail("undo did not lower the count by 1");
            for (int i = 0; i < 99; ++i)
                if (!same(ua, i + 1, ub, i)) Fail("undo did not shift the history up by one");
            if (!same(ua, 0, ub, 0)) Fail("undo changed the oldest entry");
            if (!newestIsState()) Fail("after an undo the rule is not the newest entry");
            if (a.rule.m_nSide != b.rule.m_nSide || a.rule.m_bClamp != b.rule.m_bClamp)
                Fail("undo changed the side or the clamp");
            if (a.gesture.m_nDragMode != b.gesture.m_nDragMode ||
                a.gesture.m_bNudgeLeft != b.gesture.m_bNudgeLeft ||
                a.gesture.m_bNudgeRight != b.gesture.m_bNudgeRight)
                Fail("undo changed the gesture");
        } else if (historyChanged) {
            pushed = true;
            if (ua.m_nUndoCount != std::min(ub.m_nUndoCount + 1, 99))
                Fail("a push did not raise the count by 1, capped at 99");
            for (int i = 0; i < 99; ++i)
                if (!same(ua, i, ub, i + 1)) Fail("a push did not shift the history down by one");
            if (!newestIsState()) Fail("after a push the rule is not the newest entry");
        }
        // A fresh press that recorded the last one's entry may move the rule after it.
        if (!undo && !pushed && pending && ends && !SameOffsets(Newest(ua), a.rule) &&
            !(keyEvent && SameOffsets(Newest(ua), b.rule)))
            Fail("the entry of a key press or wheel run is not the rule it left");
        if (b.pending != pending)
            Fail("the window's record of a key or wheel change is not the rule's");

        // Who pushes: every captured release exactly once, the fetch, and training's presses;
        // opening the chooser ends a captured gesture as its release would.
        const bool capturedRelease = e.kind == Kind::Up && b.capture;
        const bool chooserEnds =
            e.kind == Kind::Cmd && e.a == ID_TRAINING && commandRan && b.capture;
        if ((capturedRelease || chooserEnds) && !pushed)
            Fail("a captured release pushed no undo entry");
        if (pushed && !(capturedRelease || chooserEnds || e.kind == Kind::Dbl ||
                        ((e.kind == Kind::Down || e.kind == Kind::KeyDown) && training)))
            Fail("an undo entry was pushed by an event that must not push");

        // Capture and timers.
        if (e.kind == Kind::Up && (a.capture || a.hold || a.repeat || a.gesture.m_bRepeating))
            Fail("a release left the capture, a timer or the repeat flag");
        if (e.kind == Kind::Up && capturedRelease &&
            (a.gesture.m_bNudgeLeft || a.gesture.m_bNudgeRight))
            Fail("a captured release left a nudge flag");
        if (e.kind == Kind::Move && !b.gesture.m_bRepeating && (a.hold || a.repeat))
            Fail("a move left a timer running");
        if (e.kind == Kind::Move && b.gesture.m_bRepeating &&
            (ds || dc || a.rule.m_nScroll != b.rule.m_nScroll))
            Fail("a move dragged while repeating");
        const bool inClient = e.a >= 0 && e.a < kClientWidth && e.b >= 0 && e.b < kClientHeight;
        if (e.kind == Kind::Down && !b.training && inClient && (!a.hold || a.gesture.m_bRepeating))
            Fail("a press did not start the hold afresh");
        if (e.kind == Kind::Down && !inClient &&
            (a.hold || a.repeat || a.gesture.m_bRepeating || a.capture != b.capture ||
             a.rule != b.rule))
            Fail("a press outside the window reached the rule or left a timer");
        if (a.gesture.m_bRepeating && a.hold) Fail("the hold timer runs on while repeating");
        if (tick == TIMER_REPEAT && !a.gesture.m_bRepeating)
            Fail("a repeat tick did not set repeating");
        if (e.kind == Kind::Steal && ruleChanged) Fail("losing the capture moved the rule");
        if (e.kind == Kind::Steal && (a.hold || a.repeat || a.gesture.m_bRepeating))
            Fail("losing the capture left the hold or the repeat running");
        if (e.kind == Kind::Wheel && !e.b && e.a && !training && !b.capture &&
            !b.gesture.m_bRepeating && !a.wheel)
            Fail("a notch that pans left no wheel timer");

        // The keys and the wheel: nothing under the stylus; a key moves one part, clamped the
        // slide and the cursor together; the wheel only the view.
        if (keyEvent && !training && !undo) {
            if ((b.capture || b.gesture.m_bRepeating) &&
                (ds || dc || a.rule.m_nScroll != b.rule.m_nScroll))
                Fail("a key or the wheel moved the rule under the stylus");
            if (b.rule.m_bClamp && ds != dc)
                Fail("clamped, a key moved the slide and the cursor apart");
            if (!b.rule.m_bClamp && ds && dc) Fail("a key moved the slide and the cursor together");
            if (e.kind == Kind::Wheel && (ds || dc))
                Fail("the wheel moved the slide or the cursor");
            if (e.kind == Kind::KeyUp && (ds || dc || a.rule.m_nScroll != b.rule.m_nScroll))
                Fail("a key's release moved the rule");
        }
        if (!b.capture && a.capture && e.kind != Kind::Down && e.kind != Kind::Dbl)
            Fail("the capture was taken by an event that is no press");

        // Clamp: a slide step carries the cursor by the same amount, or the slide moves alone.
        const bool slideMode =
            b.gesture.m_nDragMode == DRAG_SLIDE || b.gesture.m_nDragMode == DRAG_MAPSLIDE;
        if (!training && !undo && slideMode &&
            (e.kind == Kind::Move || tick || e.kind == Kind::Up)) {
            if (b.rule.m_bClamp && ds != dc) Fail("clamped, the slide and the cursor moved apart");
            if (!b.rule.m_bClamp && dc) Fail("unclamped, a slide step moved the cursor");
        }

        // Ranges, by writer.
        if (training) {
            // Lesson steps store their values unchecked, and a lesson's end pushes them.
            m_bLessonValues = true;
            for (Range& r : m_range) r = kAny;
        } else if (undo && m_bLessonValues) {
            for (Range& r : m_range) r = kAny;
        } else if (undo) {
            // Restored as pushed: a value one of the writers below stored before.
            CheckWrite(0, b.rule.m_nScroll, a.rule.m_nScroll, {kScrollHoldMin, kScrollHoldMax},
                       "undo");
            CheckWrite(1, b.rule.m_nSlide, a.rule.m_nSlide, {kSlideMin, kSlideMax}, "undo");
            CheckWrite(2, b.rule.m_nCursor, a.rule.m_nCursor, {kCursorMin, kCursorMax}, "undo");
        } else if (tick) {
            CheckWrite(0, b.rule.m_nScroll, a.rule.m_nScroll, {kScrollHoldMin, kScrollHoldMax},
                       "the repeat");
            CheckWrite(1, b.rule.m_nSlide, a.rule.m_nSlide, {kSlideMin, kSlideMax}, "the repeat");
            CheckWrite(2, b.rule.m_nCursor, a.rule.m_nCursor, {kCursorMin, kCursorMax},
                       "the repeat");
        } else if (e.kind == Kind::Move) {
            CheckWrite(0, b.rule.m_nScroll, a.rule.m_nScroll, {kScrollMin, kScrollMax}, "a drag");
            CheckWrite(1, b.rule.m_nSlide, a.rule.m_nSlide, {kSlideMin, kSlideMax}, "a drag");
            CheckWrite(2, b.rule.m_nCursor, a.rule.m_nCursor, {kCursorMin, kCursorMax}, "a drag");
        } else if (keyEvent) {
            CheckWrite(0, b.rule.m_nScroll, a.rule.m_nScroll, {kScrollMin, kScrollMax},
                       "a key or the wheel");
            CheckWrite(1, b.rule.m_nSlide, a.rule.m_nSlide, {kSlideMin, kSlideMax}, "a key");
            CheckWrite(2, b.rule.m_nCursor, a.rule.m_nCursor, {kCursorMin, kCursorMax}, "a key");
        } else if (e.kind == Kind::Up || e.kind == Kind::Dbl) {
            CheckWrite(0, b.rule.m_nScroll, a.rule.m_nScroll, {1, 0}, "a nudge or the fetch");
            CheckWrite(1, b.rule.m_nSlide, a.rule.m_nSlide, {kSlideMin, kSlideMax}, "a nudge");
            CheckWrite(2, b.rule.m_nCursor, a.rule.m_nCursor, {kCursorMin, kCursorMax},
                       "a nudge or the fetch");
        } else {
            // Presses, side and clamp commands and the capture's loss move no offset.
            CheckWrite(0, b.rule.m_nScroll, a.rule.m_nScroll, {1, 0}, "this event");
            CheckWrite(1, b.rule.m_nSlide, a.rule.m_nSlide, {1, 0}, "this event");
            CheckWrite(2, b.rule.m_nCursor, a.rule.m_nCursor, {1, 0}, "this event");
        }
        const int32_t now[3] = {a.rule.m_nScroll, a.rule.m_nSlide, a.rule.m_nCursor};
        for (int i = 0; i < 3; ++i)
            if (now[i] < m_range[i].low || now[i] > m_range[i].high)
                Fail("an offset left the range of its last writer");
    }

    CHeadlessHost* m_host;
    CMainFrame* m_frame;
    Sabotage m_sabotage;
    CHeadlessHost* h = nullptr;
    CMainFrame* f = nullptr;
    CSurface m_window{240, 268};
    Range m_range[3] = {};
    bool m_bLessonValues = false;
    std::optional<CRuleState> m_start;  // the rule as a running key press or wheel run found it
    std::size_t m_at = 0;
    std::string m_error;
};

// The shortest session still failing that removing events and zeroing the fixture can find.
Session Shrink(Session s, const std::function<bool(const Session&)>& fails) {
    for (std::size_t chunk = std::max<std::size_t>(s.events.size() / 2, 1); chunk > 0; chunk /= 2) {
        for (std::size_t at = 0; at < s.events.size();) {
            Session t = s;
            const std::size_t end = std::min(at + chunk, t.events.size());
            t.events.erase(t.events.begin() + long(at), t.events.begin() + long(end));
            if (fails(t))
                s = t;
            else
                at += chunk;
        }
    }
    for (int32_t Session::*field :
         {&Session::scroll, &Session::slide, &Session::cursor, &Session::clamp}) {
        Session t = s;
        t.*field = 0;
        if (fails(t)) s = t;
    }
    return s;
}

uint32_t EnvOr(const char* name, uint32_t otherwise) {
    const char* v = std::getenv(name);
    return v && *v ? uint32_t(std::strtoul(v, nullptr, 10)) : otherwise;
}

TEST(GestureProperties, RandomSessionsKeepRangesHistoryTimersAndRepaints) {
    const uint32_t first = EnvOr("SKALOR_PROPERTY_SEED", 20261207u);
    const uint32_t runs = EnvOr("SKALOR_PROPERTY_RUNS", 3000u);
    CHeadlessHost host;
    CMainFrame frame(host);
    Runner runner(&host, &frame);
    for (uint32_t i = 0; i < runs; ++i) {
        const uint32_t seed = first + i;
        const Session session = Generator(seed).Make();
        if (runner.Run(session).empty()) continue;
        // Confirm on a new window, as the replay tool would start, then shrink.
        const std::string error = Runner().Run(session);
        // Each candidate runs on a new window, as the replay tool starts.
        const Session small =
            Shrink(session, [](const Session& t) { return !Runner().Run(t).empty(); });
        ADD_FAILURE() << "seed " << seed << " (SKALOR_PROPERTY_SEED=" << seed
                      << " SKALOR_PROPERTY_RUNS=1): "
                      << (error.empty() ? "fails only after a reset" : error)
                      << "\nshortest failing script (" << Runner().Run(small) << "):\n"
                      << Script(small);
        return;
    }
}

// The checker itself must catch broken rules, and shrink a failing session to the events
// that matter: a broken release fails on its own, a lost push needs a captured gesture.
TEST(GestureProperties, TheCheckerCatchesBrokenRulesAndShrinksThem) {
    auto onRelease = [](void (*breakIt)(CMainFrame&, CHeadlessHost&)) -> Sabotage {
        return [breakIt](const Event& e, CMainFrame& f, CHeadlessHost& h) {
            if (e.kind == Kind::Up) breakIt(f, h);
        };
    };
    auto history = std::make_shared<CUndoHistory>();
    const struct {
        const char* name;
        Sabotage sabotage;
        const char* reported;
        std::vector<Kind> shortest;
    } cases[] = {
        // clang-format off
        {"slide past its limit",
         onRelease([](CMainFrame& f, CHeadlessHost& h) { SlideTo1300(f); h.Invalidate(); }),
         "slide 1300 is outside what a nudge may store", {Kind::Up}},
        {"a key past the slide's limit",
         [](const Event& e, CMainFrame& f, CHeadlessHost&) {
             // With a key that moves the slide, so that its repaint covers this change too.
             if (e.kind == Kind::Key && e.b == int(MOD_NONE) && (e.a == KEY_LEFT || e.a == KEY_RIGHT))
                 SlideTo1300(f);
         },
         "slide 1300 is outside what a key may store", {Kind::Key}},
        {"a wheel run never recorded",
         [](const Event& e, CMainFrame& f, CHeadlessHost&) {
             if (e.kind != Kind::Wheel) return;
             CKeyGesture keys = f.State().m_keys;
             keys.m_start = f.State().m_rule;
             f.Seed(keys);
         },
         "the window's record of a key or wheel change is not the rule's", {Kind::Wheel, Kind::Wheel}},
        {"undo count past 99", onRelease([](CMainFrame& f, CHeadlessHost&) {
             CUndoHistory undo = f.State().m_undo;
             undo.m_nUndoCount = 100;
             f.Seed(undo);
         }),
         "undo count 100", {Kind::Up}},
        {"two repaints", onRelease([](CMainFrame&, CHeadlessHost& h) { h.Invalidate(); h.Invalidate(); }),
         "2 repaint requests", {Kind::Up}},
        {"capture kept", onRelease([](CMainFrame&, CHeadlessHost& h) { h.SetCapture(); }),
         "left the capture", {Kind::Up}},
        {"push lost",
         [history](const Event& e, CMainFrame& f, CHeadlessHost&) {
             // Every release is undone to the history as the event before left it.
             if (e.kind == Kind::Up)
                 f.Seed(*history);
             else
                 *history = f.State().m_undo;
         },
         "a captured release pushed no undo entry", {Kind::Down, Kind::Up}},
        // clang-format on
    };
    for (const auto& c : cases) {
        auto fails = [&](const Session& t) {
            *history = CUndoHistory{};
            return Runner(nullptr, nullptr, c.sabotage).Run(t);
        };
        Session s;
        for (uint32_t seed = 1; s.events.empty() || fails(s).empty(); ++seed) {
            ASSERT_LT(seed, 200u) << c.name << ": no random session fails";
            s = Generator(seed).Make();
        }
        const Session small = Shrink(s, [&](const Session& t) { return !fails(t).empty(); });
        EXPECT_NE(fails(small).find(c.reported), std::string::npos)
            << c.name << ": " << fails(small);
        std::vector<Kind> kinds;
        for (const Event& e : small.events) kinds.push_back(e.kind);
        EXPECT_EQ(kinds, c.shortest) << c.name << "\n" << Script(small);
        EXPECT_EQ(Script(small).rfind("set scroll=0 slide=0 cursor=0 clamp=0\n", 0), 0u) << c.name;
        // Unbroken, the same session passes.
        EXPECT_EQ(Runner().Run(s), "") << c.name;
    }
}

}  // namespace
