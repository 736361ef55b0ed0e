#include "tools/fuzz/invariants.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "input/rule_moves.h"
#include "resources/ids.h"
#include "training/step_table.h"

namespace {

// Collects the first broken rule: its name, then what was seen.
class Verdict {
  public:
    void Require(bool holds, const char* rule, const std::string& seen) {
        if (holds || !m_text.empty()) return;
        m_text = std::string(rule) + " (" + seen + ")";
    }
    std::string Take() { return std::move(m_text); }

  private:
    std::string m_text;
};

std::string Values(std::initializer_list<std::pair<const char*, int64_t>> values) {
    std::ostringstream s;
    for (const auto& v : values) s << (s.tellp() > 0 ? " " : "") << v.first << '=' << v.second;
    return s.str();
}

}  // namespace

bool CInvariantChecker::Snapshot::operator==(const Snapshot& o) const {
    return rule == o.rule && undo == o.undo && gesture == o.gesture && activity == o.activity &&
           listCreated == o.listCreated && lesson == o.lesson && step == o.step &&
           listBox == o.listBox && capture == o.capture && hold == o.hold && repeat == o.repeat &&
           closed == o.closed && repaints == o.repaints && messageBoxes == o.messageBoxes;
}

CInvariantChecker::CInvariantChecker(const CMainFrame& frame, const CHeadlessHost& host)
    : m_frame(frame), m_host(host) {}

CInvariantChecker::Snapshot CInvariantChecker::Take() const {
    const CFrameState& f = m_frame.State();
    CHeadlessHost& host = const_cast<CHeadlessHost&>(m_host);
    return {f.m_rule,
            f.m_undo,
            f.m_gesture,
            m_frame.Current(),
            f.m_training.m_bListCreated,
            f.m_steps.m_nLesson,
            f.m_steps.m_nStep,
            host.ListBox(),
            m_host.HasCapture(),
            m_host.TimerRunning(TIMER_HOLD),
            m_host.TimerRunning(TIMER_REPEAT),
            m_host.Closed(),
            m_host.RepaintRequests(),
            m_host.MessageBoxes()};
}

void CInvariantChecker::Before(const CheckedEvent& event) {
    m_event = event;
    m_before = Take();
    m_bBlocked = m_frame.Blocked();
    m_keysBefore = m_frame.State().m_keys;
    const CTaskState& t = m_frame.State().m_tasks;
    m_verdictBefore = t.m_verdict;
    m_nSetBefore = t.m_nSet;
    m_nSolvedBefore = t.m_nSolved;
    m_nWrongBefore = t.m_nWrong;
    m_bEnabled = false;
    if (event.kind == CheckedEvent::Command) {
        const std::optional<CCmdUI> ui = m_frame.CommandState(event.id);
        m_bEnabled = ui && ui->enabled;
    }
}

std::string CInvariantChecker::CheckState() const {
    Verdict v;
    const CFrameState& f = m_frame.State();
    const CRuleState& r = f.m_rule;
    v.Require(InRange(r.m_nScroll, kScrollHoldMin, kScrollHoldMax), "scroll within -12..1056",
              Values({{"scroll", r.m_nScroll}}));
    v.Require(InRange(r.m_nSlide, kSlideMin, kSlideMax), "slide within -1199..1199",
              Values({{"slide", r.m_nSlide}}));
    v.Require(InRange(r.m_nCursor, kCursorMin, kCursorMax), "cursor within -1133..87",
              Values({{"cursor", r.m_nCursor}}));
    v.Require(r.m_nSide == 0 || r.m_nSide == 1, "side 0 or 1", Values({{"side", r.m_nSide}}));
    v.Require(r.m_bClamp == 0 || r.m_bClamp == 1, "clamp 0 or 1", Values({{"clamp", r.m_bClamp}}));

    const int32_t count = f.m_undo.m_nUndoCount;
    v.Require(InRange(count, 0, CUndoHistory::kMaxUndo), "undo count within 0..99",
              Values({{"undo", count}}));

    const CStepPlayer& t = f.m_steps;
    if (t.m_nLesson > 0)
        v.Require(t.m_nStep >= 0 && t.m_nStep < kStepCount &&
                      int64_t(kStepTable[t.m_nStep].key) == t.m_nLesson,
                  "a running lesson's step belongs to that lesson",
                  Values({{"lesson", t.m_nLesson}, {"step", t.m_nStep}}));
    else
        v.Require(t.m_nLesson == 0 && t.m_nStep == -1, "no lesson, no step",
                  Values({{"lesson", t.m_nLesson}, {"step", t.m_nStep}}));

    // The one list box is the lesson chooser's or the task chooser's.
    CHeadlessHost& host = const_cast<CHeadlessHost&>(m_host);
    const CTrainingState& c = f.m_training;
    const CTaskState& k = f.m_tasks;
    const bool lessons = m_frame.Current() == Activity::LessonChooser && c.m_bListCreated;
    const bool tasks = m_frame.Current() == Activity::TaskChooser && k.m_bChooserCreated;
    const IListBox* list = host.ListBox();
    v.Require((list != nullptr) == (lessons || tasks) &&
                  c.m_wndLessonList == (lessons ? list : nullptr) &&
                  k.m_wndTaskList == (tasks ? list : nullptr),
              "the list box exists exactly while the chooser is open, after its first paint",
              Values({{"activity", int(m_frame.Current())},
                      // clang-format off
                      {"listcreated", c.m_bListCreated},
                      {"listbox", list != nullptr},
                      {"held", c.m_wndLessonList != nullptr}}));
    // clang-format on

    // The task's answer field, its count and what its verdict tells.
    const bool boxShown =
        m_frame.Current() == Activity::Task || m_frame.Current() == Activity::Test;
    v.Require(host.Panel().field == boxShown,
              "the answer field exists exactly while a task is open and no solution shows",
              Values({{"activity", int(m_frame.Current())}, {"field", host.Panel().field}}));
    v.Require(0 <= k.m_nSolved && k.m_nSolved <= k.m_nSet, "tasks solved within 0..set",
              Values({{"solved", k.m_nSolved}, {"set", k.m_nSet}}));
    const CVerdict& verdict = k.m_verdict;
    v.Require(verdict.m_bRevealed == (k.m_bShown || k.m_nWrong >= 2) &&
                  (verdict.m_bRevealed || (verdict.m_strNear.empty() && verdict.m_strLow.empty() &&
                                           verdict.m_strHigh.empty())),
              "the answer is told after the solution or a second wrong answer, never before",
              Values({{"revealed", verdict.m_bRevealed},
                      // clang-format off
                      {"shown", k.m_bShown},
                      {"wrong", k.m_nWrong}}));
    // clang-format on

    const CGestureState& g = f.m_gesture;
    const bool hold = m_host.TimerRunning(TIMER_HOLD), repeat = m_host.TimerRunning(TIMER_REPEAT);
    v.Require(m_bPressed || (!hold && !repeat), "no timer without a press under way",
              Values({{"hold", hold}, {"repeat", repeat}}));
    v.Require(m_bCapturedPress || !m_host.HasCapture(), "no capture without a captured press",
              Values({{"capture", m_host.HasCapture()}, {"pressed", m_bPressed}}));
    const int64_t held = m_host.Now() - m_nPressAt;
    v.Require(!(repeat || g.m_bRepeating) || (m_bPressed && held >= kHoldPeriodMs),
              "repeating only after the hold timer",
              Values({{"repeat", repeat}, {"repeating", g.m_bRepeating}, {"held ms", held}}));
    v.Require(!(g.m_bRepeating && hold), "the hold timer stops once repeating",
              Values({{"repeating", g.m_bRepeating}, {"hold", hold}}));
    const bool wheel = m_host.TimerRunning(TIMER_WHEEL);
    v.Require(wheel == (f.m_keys.m_nKind == KEYGESTURE_WHEEL),
              "the wheel's timer runs exactly while a wheel run does",
              Values({{"wheel timer", wheel}, {"gesture", f.m_keys.m_nKind}}));
    return v.Take();
}

std::string CInvariantChecker::After() {
    const Snapshot now = Take();
    const Snapshot& was = m_before;
    const CheckedEvent& e = m_event;

    // The press under way, as this event leaves it.
    bool press = false, release = false;
    switch (e.kind) {
        case CheckedEvent::Press: press = true; break;
        case CheckedEvent::Release: release = true; break;
        case CheckedEvent::Tap:
        case CheckedEvent::TaskButton: press = release = true; break;
        case CheckedEvent::DoubleTap:
            // The fetch is no press; otherwise the double tap is a press and its release.
            press = release = !FetchCursor(was.rule, e.point);
            break;
        case CheckedEvent::CaptureLoss: release = true; break;
        default: break;
    }
    if (press && !m_bBlocked) {
        m_bPressed = true;
        m_bCapturedPress = now.capture;
        m_nPressAt = m_host.Now();
    }
    if (release) m_bPressed = m_bCapturedPress = false;

    const std::string state = CheckState();
    if (!state.empty()) return state;
    Verdict v;

    // A key press or wheel run that moved the rule is recorded by the event that ends it,
    // before the event's own change: the history as the event itself found it.
    const CKeyGesture& k = m_keysBefore;
    const CKeyGesture& kNow = m_frame.State().m_keys;
    const bool pending =
        k.m_nKind != KEYGESTURE_NONE &&
        (k.m_start.m_nSlide != was.rule.m_nSlide || k.m_start.m_nScroll != was.rule.m_nScroll ||
         k.m_start.m_nCursor != was.rule.m_nCursor);
    const bool goesOn =
        kNow.m_nKind == k.m_nKind && kNow.m_nKey == k.m_nKey && kNow.m_start == k.m_start;
    Snapshot found = was;
    if (pending && !goesOn)
        found.undo.PushUndo(was.rule.m_nSlide, was.rule.m_nScroll, was.rule.m_nCursor);

    if (e.kind == CheckedEvent::Command && !m_bEnabled)
        v.Require(now == found, "a command that its enable rule disables changes nothing",
                  Values({{"id", e.id}}));

    if (e.kind == CheckedEvent::Command && m_bEnabled && (e.id == ID_UNDO || e.id == ID_TB_UNDO)) {
        const CUndoHistory& u = found.undo;
        bool shifted = now.undo.m_nUndoCount == u.m_nUndoCount - 1 &&
                       now.undo.m_anUndoSlide[0] == u.m_anUndoSlide[0];
        for (int i = 0; i + 1 < CUndoHistory::kEntries && shifted; ++i)
            shifted = now.undo.m_anUndoSlide[i + 1] == u.m_anUndoSlide[i] &&
                      now.undo.m_anUndoScroll[i + 1] == u.m_anUndoScroll[i] &&
                      now.undo.m_anUndoCursor[i + 1] == u.m_anUndoCursor[i];
        v.Require(shifted && now.rule.m_nSlide == u.m_anUndoSlide[98] &&
                      now.rule.m_nScroll == u.m_anUndoScroll[98] &&
                      now.rule.m_nCursor == u.m_anUndoCursor[98],
                  "an undo restores exactly the entry that was second-newest",
                  Values({{"slide", now.rule.m_nSlide},
                          // clang-format off
                          {"scroll", now.rule.m_nScroll},
                          {"cursor", now.rule.m_nCursor},
                          {"undo", now.undo.m_nUndoCount},
                          {"second-newest slide", u.m_anUndoSlide[98]},
                          {"scroll", u.m_anUndoScroll[98]},
                          {"cursor", u.m_anUndoCursor[98]},
                          {"undo before", u.m_nUndoCount}}));
        // clang-format on
    }

    // While the chooser is open or a lesson runs, only training's own presses and the fetch
    // of the cursor may move the rule or push onto its history.
    const bool trainingsOwn = e.kind == CheckedEvent::Press || e.kind == CheckedEvent::Tap ||
                              e.kind == CheckedEvent::DoubleTap || e.kind == CheckedEvent::Key ||
                              e.kind == CheckedEvent::Fixture ||
                              e.kind == CheckedEvent::TaskStart ||
                              e.kind == CheckedEvent::TaskButton;
    if (m_bBlocked && !trainingsOwn)
        v.Require(now.rule == was.rule && now.undo == found.undo,
                  "training holds the rule: no drag, nudge, repeat or push while it runs",
                  Values({{"scroll", now.rule.m_nScroll},
                          // clang-format off
                          {"slide", now.rule.m_nSlide},
                          {"cursor", now.rule.m_nCursor},
                          {"undo", now.undo.m_nUndoCount}}));
    // clang-format on

    // A task's score: its first number checked before its solution shows, counted once.
    const CTaskState& t = m_frame.State().m_tasks;
    if (t.m_nSet != m_nSetBefore) {
        v.Require(t.m_verdict == CVerdict{} && t.m_nSolved == m_nSolvedBefore && t.m_nWrong == 0 &&
                      !t.m_bShown,
                  "a new task starts with no verdict and the count as it was",
                  Values({{"verdict", int(t.m_verdict.m_nKind)}, {"solved", t.m_nSolved}}));
        m_bDecided = false;
    } else {
        const bool checks = e.kind == CheckedEvent::TaskButton || e.kind == CheckedEvent::Key ||
                            e.kind == CheckedEvent::Press || e.kind == CheckedEvent::Tap ||
                            e.kind == CheckedEvent::DoubleTap;
        v.Require(checks || t.m_verdict == m_verdictBefore,
                  "the verdict changes only with a press or a key on the task box",
                  Values({{"verdict before", int(m_verdictBefore.m_nKind)},
                          {"after", int(t.m_verdict.m_nKind)}}));
        const int32_t counted = t.m_nSolved - m_nSolvedBefore;
        v.Require(counted == 0 ||
                      (counted == 1 && !m_bDecided &&
                       t.m_verdict.m_nKind == training::Verdict::Right && t.m_verdict.m_bCounted),
                  "only a task's first answer, right and before its solution, is counted",
                  Values({{"counted", counted}, {"decided before", m_bDecided}}));
        const int32_t wrong = t.m_nWrong - m_nWrongBefore;
        v.Require(wrong == 0 || (wrong == 1 && t.m_verdict.m_nKind == training::Verdict::Wrong),
                  "each wrong answer is one wrong verdict", Values({{"wrong", wrong}}));
    }
    if (t.m_bShown || t.m_verdict.m_nKind == training::Verdict::Right ||
        t.m_verdict.m_nKind == training::Verdict::Wrong)
        m_bDecided = true;

    if (e.kind != CheckedEvent::Fixture)
        v.Require(now.rule == was.rule || now.repaints > was.repaints,
                  "every change of the rule asks for a repaint",
                  Values({{"repaints", now.repaints}}));
    return v.Take();
}

void CInvariantChecker::AfterOrAbort() {
    const std::string broken = After();
    if (!broken.empty()) AbortBrokenInvariant(broken);
}

void AbortBrokenInvariant(const std::string& what) {
    std::fprintf(stderr, "broken invariant: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}
