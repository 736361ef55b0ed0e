// The main window's logic: it owns the rule, its undo history, the images and pens, the
// gesture state and the training state for the whole run, and handles every event and
// command. It knows nothing of the toolkit: the window it lives in is an IWindowHost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/frame_state.h"
#include "model/position_rules.h"
#include "platform/host.h"
#include "platform/surface.h"
#include "training/progress.h"
#include "training/progress_store.h"
#include "view/image_set.h"
#include "view/rule_painter.h"

// What the window shows in words, for whoever cannot see it: a screen reader reads it, and a
// front end lays real buttons over the drawn ones. Texts are the drawn ones, UTF-8.
struct CNarration {
    struct Button {
        std::string caption;
        CRect rect;  // client coordinates; a press at its centre does what the button does
    };
    std::string heading;  // what is open: a chooser, a lesson's title, a task; empty: the rule
    std::string text;     // a step's text, or a task's problem with its verdict and count
    std::vector<Button> buttons;  // in the order the keyboard reaches them
    bool operator==(const CNarration& o) const;
};

// Enable and check state of one command, as its update rule sets it.
struct CCmdUI {
    bool enabled = true;
    bool checked = false;
    void Enable(bool on = true) { enabled = on; }
    void SetCheck(bool on) { checked = on; }
};

// The state is the window's own: it changes only through the events, the commands and, for
// tests and tools, the seeds below; everyone else reads it through State().
class CMainFrame : private CFrameState {
  public:
    explicit CMainFrame(IWindowHost& host);
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;
    ~CMainFrame();

    // Window events.
    void OnPaint(CSurface& window);  // compose a frame on the window's (off-screen) surface
    void OnLButtonDown(unsigned flags, CPoint point);
    void OnMouseMove(unsigned flags, CPoint point);
    void OnLButtonUp(unsigned flags, CPoint point);
    void OnLButtonDblClk(unsigned flags, CPoint point);
    void OnTimer(int id);
    // Another window took the stylus capture (or the window lost the pointer): the release
    // may now land elsewhere, so nothing may go on repeating.
    void OnCaptureChanged();

    // The keyboard and the wheel. key is the toolkit's key translated, mods the modifiers
    // held, repeat an auto-repeat of a key still down; notches count wheel steps, positive
    // toward the user. OnKeyDown and OnMouseWheel return whether the window used the event;
    // the toolkit may do its own with one that it did not (Ctrl and the wheel zoom the window).
    bool OnKeyDown(KeyCode key, uint32_t mods, bool repeat);
    void OnKeyUp(KeyCode key, uint32_t mods);
    bool OnMouseWheel(int64_t notches, uint32_t mods);
    // The keys go to another window now: a key held down will not be released here.
    void OnKillFocus();

    // Commands, routed through the command map. OnCommand carries out a command only while
    // its update rule enables it, and only IDOK with notification code 0; it returns whether
    // the command ran. CommandState is the update rule's verdict; nullopt for an id the map
    // does not know.
    bool OnCommand(int id, int notifyCode = 0);
    std::optional<CCmdUI> CommandState(int id) const;

    // The side switch: shows the side and loads its images when the side changes. Lesson steps
    // set the side through it too, so it may run whatever the update rules say.
    void OnSide1();
    void OnSide2();

    // What the window is doing now, and whether that holds the rule: a lesson, a chooser or a
    // shown solution does; an open task does not.
    Activity Current() const { return m_activity.m_nNow; }
    bool Blocked() const { return !RulesOf(Current()).ruleFree; }
    // A task is open: its panel is beside the rule, through its solution and a chooser.
    bool TaskOpen() const;
    // Its field and buttons are what runs, beneath a chooser or not: not its solution.
    bool TaskBoxShown() const;
    // A key press or a run of wheel notches has moved the rule and awaits its undo entry.
    bool PendingChange() const;
    const CImageSet& Images() const { return m_images; }

    // The state of the whole run, each part with its own type.
    const CFrameState& State() const { return *this; }

    // Test fixtures: a part of the state stored as given, unchecked, with no repaint request
    // and no undo entry. The replay tool's `set`, the fuzzer's planted faults and the tests
    // use them; the program never does.
    void Seed(const CRuleState& rule) { m_rule = rule; }
    void Seed(const CUndoHistory& undo) { m_undo = undo; }
    void Seed(const CGestureState& gesture) { m_gesture = gesture; }
    void Seed(const CKeyGesture& keys) { m_keys = keys; }
    void Seed(const CTrainingState& training) { m_training = training; }
    void Seed(const CActivity& activity) { m_activity = activity; }
    void Seed(const CTaskState& tasks) { m_tasks = tasks; }
    // A lesson's key and its step (a shown solution's steps are its own to make).
    void SeedLesson(int32_t lesson, int32_t step) {
        m_steps.m_nLesson = lesson;
        m_steps.m_nStep = step;
    }

    // Practice tasks. StartTask opens the task of lesson key's kind drawn from seed, as the
    // task chooser does with a fresh seed; the others are the panel's buttons.
    void StartTask(uint32_t key, uint32_t seed);
    // The seed the chooser draws its next task from, counting on from it: the program starts
    // it at random, tests at a number of theirs.
    void SetNextTaskSeed(uint32_t seed) { m_tasks.m_nNextSeed = seed; }
    training::Verdict OnTaskCheck();
    void OnTaskShow();
    void CloseTask();
    // The help's press on a scale's name: the side that carries the scale, and the view on
    // its stretch (the whole of it where it fits the window, else its start). Refused, false,
    // while something holds the rule; a changed view is one undo entry.
    bool ShowScale(model::Scale scale);

    // The panel beside the client area: what it shows now (handed to the host at each paint
    // that changes it), and what its controls report. OnPanel carries out an enabled
    // button's command with the field's text as it stands; OnPanelEdit takes the text the user
    // typed; OnPanelFocus says whether the field has the keys.
    CPanel Panel() const;
    void OnPanel(PanelCommand command, const std::string& field);
    void OnPanelEdit(const std::string& text);
    void OnPanelFocus(bool field);

    // What the program remembers. UseProgress reads the store once, at start-up, and puts the
    // rule, the side and the choosers' last choices back as they were
    // kept; from then on each change worth keeping is recorded and stored, dated by now (the
    // user's clock; a tool gives a fixed one). Without a store nothing is kept. The store
    // outlives the window.
    void UseProgress(training::CProgressStore& store, training::Stamp (*now)());
    // After the first paint: what the store has to tell (a damaged file kept aside, a folder
    // that cannot be written), once, in a message box.
    void TellProgress();
    const training::CProgress& Progress() const { return m_progress; }
    // The front end's part: the window moved or was resized. Stored at once.
    void KeepWindow(const training::WindowPlace& place);
    // The window goes (the close request or the window's own close button): the rule as it
    // is now, stored.
    void KeepAtExit();
    // "Сбросить прогресс": the lessons, tasks and tests forgotten; the window, the rule and
    // the choices stay. Until the program exits UndoResetProgress brings them back.
    void ResetProgress();
    bool CanUndoResetProgress() const { return m_progressBeforeReset.has_value(); }
    void UndoResetProgress();
    // A test of several tasks: the paper of variant for kinds and count, its tasks one after
    // another in the panel beside a free rule. Refused, false, while something holds the
    // window that a test may not replace (a chooser, a test) or for no kinds.
    bool StartTest(uint32_t variant, const std::vector<uint32_t>& kinds, int count);
    // The solution of row's task of the test that ended, played as lesson steps; it ends on
    // the free rule. Refused while a test runs or something holds the window.
    bool ShowTestSolution(int row);

    // The current step box's button (a lesson's or a shown solution's), for the step tools.
    std::optional<CRect> StepBoxRect() const;
    // The chooser, step box or task now shown, in words.
    CNarration Narration() const;

  private:
    struct CommandRoute;
    static const CommandRoute kCommandMap[];
    static const CommandRoute* FindRoute(int id);

    // Command handlers and update rules: they run only through OnCommand and CommandState,
    // after the update rule has enabled the command.
    void OnUndo();
    void OnClamp();
    void OnTraining();
    void OnTasks();
    void OnAbout();
    void OnKeys();
    void OnHelpScales();
    void OnProgress();
    void OnExit();
    void OnTest();
    void OnTestEnd();
    void OnPrintSheets();

    void OnUpdateSide1(CCmdUI& ui) const;
    void OnUpdateSide2(CCmdUI& ui) const;
    void OnUpdateUndo(CCmdUI& ui) const;
    void OnUpdateClamp(CCmdUI& ui) const;
    void OnUpdateTraining(CCmdUI& ui) const;
    void OnUpdateTasks(CCmdUI& ui) const;
    void OnUpdateAlways(CCmdUI& ui) const;
    void OnUpdateTestEnd(CCmdUI& ui) const;
    void OnUpdatePrintSheets(CCmdUI& ui) const;

    // The activity: a chooser opens over what runs and gives the window back to it; SetBase
    // changes what runs, beneath a chooser when one is open.
    void OpenChooser(Activity chooser);
    void SetBase(Activity base);

    // The keys of a chooser's list, given that list and how the chooser closes.
    bool OnChooserKey(IListBox* list, void (CMainFrame::*close)(int32_t), KeyCode key, bool repeat);
    bool OnTaskKey(KeyCode key, bool repeat);
    // The chooser's answer: 0 closes it, a lesson key starts that lesson, -1 does nothing.
    void CloseChooser(int32_t answer);

    // The step player's part: a lesson's or a shown solution's step box takes a press on its
    // button and Return, Enter, Space and Escape; each step puts the rule where it says; the
    // end leaves the rule there, undoable, and gives the window back (to the free rule after
    // a lesson, to the task's box after its solution).
    void OnStepPress(CPoint point);
    bool OnStepKey(KeyCode key, bool repeat);
    void AdvanceSteps();
    void FinishSteps();
    void ApplyStep(const LessonStep& step);
    // A stylus gesture holds the capture or a press-and-hold repeats: the keys keep off.
    bool StylusBusy() const;
    // Ends a key press or a wheel run, with its undo entry when it changed the rule. Every
    // other event and command calls it first.
    void EndKeyGesture();

    // Practice: the task chooser closing; whether the panel's field has the keys now.
    void CloseTaskChooser(int32_t answer);  // as CloseChooser
    bool FieldHasKeys() const;
    void PublishPanel();
    // The task's score, decided once: by the first number checked before the solution shows.
    void ScoreFirstAnswer(bool right);
    // From here on the verdict tells the right answer and the range the check accepts.
    void RevealAnswer();
    // Puts task in the panel, its field empty and with the keys, on the task's side.
    void PutTask(const training::Task& task);

    // The test: the panel's buttons and keys while it runs, its current task put in the
    // panel, and its end, which keeps its result and shows it.
    bool OnTestKey(KeyCode key, bool repeat);
    void OnTestAnswer();
    void OnTestNext();
    void PutTestTask();
    void FinishTest();

    // The activity's part of a paint: a chooser's panel or a step box over the composed rule,
    // then, once the frame is on the window, the chooser's list box at its first paint and the
    // panel beside the client area when it changed.
    void PaintActivity(CSurface& dc);
    void AfterPaintActivity();
    // Ends a gesture under way without its nudge: timers stopped, and a captured one pushes
    // its position and lets the capture go.
    void EndGesture();

    // Progress: a change recorded, then stored; a failed store is told once.
    void StoreProgress();
    std::string Today() const;
    // What is kept, for the choosers' marks and last choices; null while nothing is kept, and
    // then a chooser opens on its first item as it always did.
    const training::CProgress* KeptProgress() const { return m_pStore ? &m_progress : nullptr; }
    // The lesson's step now shown, counted from 1.
    void KeepLessonStep();

    IWindowHost& m_host;
    CPanel m_panelShown;  // as the host was last given it
    CImageSet m_images;
    const CRulePens m_pens;
    training::CProgress m_progress;
    training::CProgressStore* m_pStore = nullptr;
    training::Stamp (*m_pNow)() = nullptr;
    std::optional<training::CProgress> m_progressBeforeReset;
};
