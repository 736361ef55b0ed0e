// The invariant checker catches each rule broken on purpose: a window is led to a state by
// real events, one more event is checked with a fault planted after it, and the checker must
// abort naming the rule. Without the fault the same event passes.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "resources/ids.h"
#include "tools/fuzz/fuzz_events.h"

namespace {

using Plant = std::function<void(CMainFrame&, CHeadlessHost&)>;

// A fault planted in a part of the state: the part changed and seeded back.
template <class Part, class Change>
Plant Planted(Part CFrameState::*part, Change change) {
    return [part, change](CMainFrame& f, CHeadlessHost&) {
        Part p = f.State().*part;
        change(p);
        f.Seed(p);
    };
}

struct PlantedFault {
    const char* name;
    const char* setup;  // replay lines that lead the window there
    CheckedEvent event;
    const char* line;  // the checked event as a replay line
    Plant plant;
    const char* reported;
};

// clang-format off
const PlantedFault kFaults[] = {
    {"scroll past the hold's limit", "", {CheckedEvent::Tap, {100, 80}}, "tap 100 80",
     Planted(&CFrameState::m_rule, [](CRuleState& r) { r.m_nScroll = kScrollHoldMax + 1; }),
     "scroll within -12..1056"},
    {"scroll below the hold's limit", "", {CheckedEvent::Tap, {100, 80}}, "tap 100 80",
     Planted(&CFrameState::m_rule, [](CRuleState& r) { r.m_nScroll = kScrollHoldMin - 1; }),
     "scroll within -12..1056"},
    {"slide past its limit", "", {CheckedEvent::Tap, {100, 150}}, "tap 100 150",
     Planted(&CFrameState::m_rule, [](CRuleState& r) { r.m_nSlide = -1200; }), "slide within -1199..1199"},
    {"cursor past its limit", "", {CheckedEvent::Tap, {240, 258}}, "tap 240 258",
     Planted(&CFrameState::m_rule, [](CRuleState& r) { r.m_nCursor = 88; }), "cursor within -1133..87"},
    {"a third side", "", {CheckedEvent::Command, {}, ID_SIDE2}, "cmd ID_SIDE2",
     Planted(&CFrameState::m_rule, [](CRuleState& r) { r.m_nSide = 2; }), "side 0 or 1"},
    {"clamp neither on nor off", "", {CheckedEvent::Command, {}, ID_CLAMP}, "cmd ID_CLAMP",
     Planted(&CFrameState::m_rule, [](CRuleState& r) { r.m_bClamp = -1; }), "clamp 0 or 1"},
    {"undo count 100", "", {CheckedEvent::Tap, {100, 80}}, "tap 100 80",
     Planted(&CFrameState::m_undo, [](CUndoHistory& u) { u.m_nUndoCount = 100; }), "undo count within 0..99"},
    {"undo restores the newest entry again", "tap 100 150\ntap 100 150\n",
     {CheckedEvent::Command, {}, ID_UNDO}, "cmd ID_UNDO",
     [](CMainFrame& f, CHeadlessHost&) {
         CRuleState r = f.State().m_rule;
         r.m_nSlide = f.State().m_undo.m_anUndoSlide[99] + 1;
         f.Seed(r);
     },
     "an undo restores exactly the entry that was second-newest"},
    {"undo keeps the count", "tap 100 150\n", {CheckedEvent::Command, {}, ID_TB_UNDO},
     "cmd ID_TB_UNDO", Planted(&CFrameState::m_undo, [](CUndoHistory& u) { u.m_nUndoCount = 1; }),
     "an undo restores exactly the entry that was second-newest"},
    {"a timer left running", "", {CheckedEvent::Tap, {100, 80}}, "tap 100 80",
     [](CMainFrame&, CHeadlessHost& h) { h.SetTimer(TIMER_REPEAT, kRepeatPeriodMs); },
     "no timer without a press under way"},
    {"the hold timer survives a lost capture", "down 100 80\n", {CheckedEvent::CaptureLoss},
     "steal", [](CMainFrame&, CHeadlessHost& h) { h.SetTimer(TIMER_HOLD, kHoldPeriodMs); },
     "no timer without a press under way"},
    {"a wheel timer without a wheel run", "wheel 2\nwait 400\n", {CheckedEvent::Tap, {100, 80}},
     "tap 100 80", [](CMainFrame&, CHeadlessHost& h) { h.SetTimer(TIMER_WHEEL, kWheelRunMs); },
     "the wheel's timer runs exactly while a wheel run does"},
    {"a wheel run's entry pushed twice", "wheel 2\n", {CheckedEvent::Command, {}, ID_UNDO},
     "cmd ID_UNDO",
     [](CMainFrame& f, CHeadlessHost& h) {
         const CRuleState& r = f.State().m_rule;
         Planted(&CFrameState::m_undo, [&](CUndoHistory& u) { u.PushUndo(r.m_nSlide, r.m_nScroll, r.m_nCursor); })(f, h);
     },
     "an undo restores exactly the entry that was second-newest"},
    {"the capture kept after a release", "down 100 150\n", {CheckedEvent::Release, {100, 150}},
     "up 100 150", [](CMainFrame&, CHeadlessHost& h) { h.SetCapture(); },
     "no capture without a captured press"},
    {"the capture taken by a move", "", {CheckedEvent::Move, {100, 80}}, "move 100 80",
     [](CMainFrame&, CHeadlessHost& h) { h.SetCapture(); },
     "no capture without a captured press"},
    {"repeating before the hold timer ticked", "down 100 80\nwait 299\n",
     {CheckedEvent::Wait}, "wait 0",
     [](CMainFrame&, CHeadlessHost& h) { h.SetTimer(TIMER_REPEAT, kRepeatPeriodMs); },
     "repeating only after the hold timer"},
    {"the hold timer on while repeating", "down 100 80\n", {CheckedEvent::Wait}, "wait 310",
     [](CMainFrame&, CHeadlessHost& h) { h.SetTimer(TIMER_HOLD, kHoldPeriodMs); },
     "the hold timer stops once repeating"},
    {"a step of another lesson", "cmd ID_TRAINING\nselect 1\n", {CheckedEvent::Tap, {165, 215}},
     "tap 165 215", [](CMainFrame& f, CHeadlessHost&) { f.SeedLesson(f.State().m_steps.m_nLesson, 0); },
     "a running lesson's step belongs to that lesson"},
    {"a step without a lesson", "", {CheckedEvent::Tap, {100, 80}}, "tap 100 80",
     [](CMainFrame& f, CHeadlessHost&) { f.SeedLesson(0, 0); }, "no lesson, no step"},
    {"the list box gone while the chooser is open", "cmd ID_TRAINING\n",
     {CheckedEvent::Selection}, "select 3",
     [](CMainFrame&, CHeadlessHost& h) { h.DestroyListBox(); },
     "the list box exists exactly while the chooser is open"},
    {"the list box left after closing", "cmd ID_TRAINING\n", {CheckedEvent::Tap, {75, 215}},
     "tap 75 215",
     [](CMainFrame& f, CHeadlessHost& h) {
         CTrainingState t = f.State().m_training;
         t.m_wndLessonList = h.CreateListBox({15, 30, 225, 200}, 1);
         f.Seed(t);
     },
     "the list box exists exactly while the chooser is open"},
    {"a disabled command asks for a repaint", "cmd ID_TRAINING\n",
     {CheckedEvent::Command, {}, ID_SIDE2}, "cmd ID_SIDE2",
     [](CMainFrame&, CHeadlessHost& h) { h.Invalidate(); },
     "a command that its enable rule disables changes nothing"},
    {"a disabled undo drops the newest entry", "", {CheckedEvent::Command, {}, ID_UNDO},
     "cmd ID_UNDO", Planted(&CFrameState::m_undo, [](CUndoHistory& u) { u.m_anUndoCursor[0] = 5; }),
     "a command that its enable rule disables changes nothing"},
    {"a repeat tick pans under the chooser", "cmd ID_TRAINING\n", {CheckedEvent::Wait},
     "wait 400",
     [](CMainFrame& f, CHeadlessHost& h) {
         Planted(&CFrameState::m_rule, [](CRuleState& r) { r.m_nScroll += 20; })(f, h);
         h.Invalidate();
     },
     "training holds the rule"},
    {"a release pushes during a lesson", "cmd ID_TRAINING\ntap 165 215\n",
     {CheckedEvent::Release, {100, 150}}, "up 100 150",
     [](CMainFrame& f, CHeadlessHost& h) {
         const CRuleState& r = f.State().m_rule;
         Planted(&CFrameState::m_undo, [&](CUndoHistory& u) { u.PushUndo(r.m_nSlide, r.m_nScroll, r.m_nCursor); })(f, h);
     },
     "training holds the rule"},
    {"a move without a repaint", "down 100 150\n", {CheckedEvent::Move, {100, 160}},
     "move 100 160", Planted(&CFrameState::m_rule, [](CRuleState& r) { r.m_nCursor -= 1; }),
     "every change of the rule asks for a repaint"},
    // A task's count, verdict and field.
    {"more solved than set", "task 2 1\n", {CheckedEvent::TaskButton}, "answer 4233",
     Planted(&CFrameState::m_tasks, [](CTaskState& t) { t.m_nSolved = 2; }), "tasks solved within 0..set"},
    {"a right answer counted after a wrong one", "task 2 2\ntask 2 1\nanswer 1000\n",
     {CheckedEvent::TaskButton}, "answer 4233",
     Planted(&CFrameState::m_tasks, [](CTaskState& t) { ++t.m_nSolved; t.m_verdict.m_bCounted = 1; }),
     "only a task's first answer, right and before its solution, is counted"},
    {"the answer told at the first wrong one", "task 2 1\n", {CheckedEvent::TaskButton},
     "answer 1000",
     Planted(&CFrameState::m_tasks, [](CTaskState& t) { t.m_verdict.m_strNear = "4250"; }),
     "the answer is told after the solution or a second wrong answer, never before"},
    {"the field left over the solution", "task 2 1\n", {CheckedEvent::TaskButton}, "show",
     [](CMainFrame&, CHeadlessHost& h) { CPanel p = h.Panel(); p.field = true; h.ShowPanel(p); },
     "the answer field exists exactly while a task is open and no solution shows"},
    {"a verdict from a menu command", "task 2 1\n", {CheckedEvent::Command, {}, ID_SIDE2},
     "cmd ID_SIDE2",
     Planted(&CFrameState::m_tasks, [](CTaskState& t) { t.m_verdict.m_nKind = training::Verdict::Invalid; }),
     "the verdict changes only with a press or a key on the task box"},
    {"a new task keeps the last verdict", "task 2 1\nanswer 1000\n", {CheckedEvent::TaskStart},
     "task 2 2",
     Planted(&CFrameState::m_tasks, [](CTaskState& t) { t.m_verdict.m_nKind = training::Verdict::Wrong; }),
     "a new task starts with no verdict and the count as it was"},
};
// clang-format on

class PlantedFaults : public testing::TestWithParam<PlantedFault> {
  protected:
    // Runs the fault's setup and its event; plants the fault when asked; the verdict.
    static std::string Verdict(const PlantedFault& c, bool planted, bool abort) {
        CFuzzRun run;
        std::istringstream setup(c.setup);
        for (std::string line; std::getline(setup, line);)
            for (const FuzzEvent& e : EventsOfLine(line)) EXPECT_EQ(run.Apply(e, run.Line(e)), "");
        CInvariantChecker& checker = run.Checker();
        checker.Before(c.event);
        std::ostringstream out;
        run.Session().RunLine(c.line, out);
        if (planted) c.plant(run.Session().Frame(), run.Session().Host());
        if (abort) checker.AfterOrAbort();
        return checker.After();
    }
};

TEST_P(PlantedFaults, AreCaughtAndNamed) {
    const PlantedFault& c = GetParam();
    // The setup and the event alone break nothing.
    EXPECT_EQ(Verdict(c, false, false), "");
    const std::string verdict = Verdict(c, true, false);
    EXPECT_EQ(verdict.rfind(c.reported, 0), 0u) << verdict;
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(Verdict(c, true, true), std::string("broken invariant: ") + c.reported);
}

INSTANTIATE_TEST_SUITE_P(Checker, PlantedFaults, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<PlantedFault>& param) {
                             std::string name;
                             for (const char* p = param.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

}  // namespace
