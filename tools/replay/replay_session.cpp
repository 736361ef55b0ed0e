#include "tools/replay/replay_session.h"

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <sstream>
#include <tuple>
#include <utility>

#include "platform/file_storage.h"
#include "resources/command_names.h"
#include "resources/ids.h"
#include "resources/images.h"
#include "resources/keys.h"
#include "tools/replay/frame_file.h"
#include "training/chooser.h"
#include "training/exam.h"
#include "training/lesson_list.h"
#include "training/progress_table.h"
#include "training/step_box.h"
#include "training/step_table.h"
#include "training/task_box.h"
#include "training/task_kinds.h"

namespace {

// The keys of the state line, in its order: what expect may check besides enabled.NAME and
// checked.NAME.
// clang-format off
const char* const kStateKeys[] = {
    "scroll", "slide",  "cursor",  "side",   "clamp",    "undo",        "mode",
    "nudge",  "repeat", "capture", "lastx",  "list",     "listcreated", "sel",
    "lesson", "step",   "button",  "timers", "repaints", "exit",        "about",
};
// clang-format on

const char* const kSettable[] = {"scroll", "slide", "cursor", "clamp"};

// Keys that expect may check besides the state line's: the open task's kind (0 when none),
// the last verdict (right, wrong, invalid or -), the session's count, the shown solution's
// step (-1 when none), whether the panel shows the answer field, whether the task counts as solved,
// which way a wrong answer is off (more, less or -) and the answers the check accepts once
// the verdict tells them (LOW..HIGH, - before).
const char* const kTaskKeys[] = {"task",  "verdict", "solved", "set",     "showing",
                                 "field", "counted", "hint",   "accepted"};

// The day a replayed session lives on, so that dates and the names of files kept aside are
// the same from run to run.
training::Stamp FixedNow() { return {2026, 1, 15, 12, 0, 0}; }

// Keys of a test of several tasks: whether one runs (running, ended or - before the first),
// its current task (1 is the first; 0 without a test), its score "N/M" and mark so far, and
// the last result kept, "N/M:MARK" (- while none is).
const char* const kTestKeys[] = {"exam", "examtask", "score", "mark", "kept"};

// A text of several lines on one output line, its lines joined by glue.
std::string OneLine(std::string text, const char* glue) {
    for (std::size_t n; (n = text.find('\n')) != std::string::npos;) text.replace(n, 1, glue);
    return text;
}

// A key held this many auto-repeats is held for over an hour: more is a mistake.
constexpr long kMaxKeyRepeats = 100000;

// The words before any '#'.
std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// A decimal number, the whole word of it, within ±10⁹.
bool Integer(const std::string& s, long& value) {
    if (s.empty()) return false;
    char* end = nullptr;
    value = std::strtol(s.c_str(), &end, 10);
    return end == s.c_str() + s.size() && value >= -1000000000L && value <= 1000000000L;
}

// A word as an error message may show it: bytes outside printable ASCII as \xNN.
std::string Printable(const std::string& word) {
    std::string shown;
    for (const unsigned char c : word) {
        if (c >= 0x20 && c < 0x7f) {
            shown += char(c);
        } else {
            static const char kHex[] = "0123456789abcdef";
            shown += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
        }
    }
    return shown;
}

std::string Nudge(const CFrameState& f) {
    std::string s;
    if (f.m_gesture.m_bNudgeLeft) s += 'L';
    if (f.m_gesture.m_bNudgeRight) s += 'R';
    return s.empty() ? "-" : s;
}

// What follows a verb.
enum class Args {
    Numbers,  // exactly `count` numbers
    Name,     // one word
    Words,    // one word and up to `count` - 1 more, read by the verb's check
    Pairs,    // one or more K=V words
    Text,     // the rest of the line, as it is
};

// How the runner treats a verb.
enum class Role {
    Event,   // handed to the window: refused after the close request, a paint follows
    Output,  // prints or checks, changes nothing
    Open,    // repeat N: the lines up to the matching end, N times
    Close,   // end
};

struct Verb;

}  // namespace

// One parsed line.
struct ReplayCommand {
    const Verb* verb = nullptr;                              // null for a blank line
    std::vector<std::string> words;                          // the verb's words, the verb left out
    std::vector<long> numbers;                               // those words, for a verb of numbers
    std::vector<std::pair<std::string, std::string>> pairs;  // K=V words, split
    std::string text;  // the rest of the line, for a verb of text
    int line = 0;
    std::size_t partner = 0;  // a repeat: the index of its end; an end: of its repeat
};

namespace {

using Check = bool (*)(const ReplayCommand&, std::string& why);
using Handler = void (*)(CReplaySession&, const ReplayCommand&, std::ostream&);

// One row of the grammar: the verb, what it takes (its arity), how the runner treats it,
// what the usage shows after it, further checks made before anything runs, and the handler.
struct Verb {
    const char* word;
    Args args;
    int count;  // Args::Numbers only
    Role role;
    const char* usage;
    Check check;  // may be null
    Handler run;  // null for repeat and end, which the runner carries out itself
};

bool NotNegative(const ReplayCommand& c, std::string& why) {
    if (c.numbers[0] >= 0) return true;
    why = std::string(c.verb->word) + " takes a number of 0 or more";  // time runs forward
    return false;
}

bool KnownCommand(const ReplayCommand& c, std::string& why) {
    int id;
    if (CommandId(c.words[0], id)) return true;
    why = "cmd takes a command name or number: " + Printable(c.words[0]);
    return false;
}

bool TaskKey(const ReplayCommand& c, std::string& why) {
    const long key = c.numbers[0];
    if (key > 0 && key < 1000 && training::HasTaskKind(uint32_t(key)) && c.numbers[1] >= 0)
        return true;
    why = "task takes the key of a lesson with a task kind and a seed of 0 or more";
    return false;
}

// A verdict as the tool writes it: right, wrong, invalid, or - before the first check.
const char* VerdictWord(training::Verdict v) {
    switch (v) {
        case training::Verdict::Right: return "right";
        case training::Verdict::Wrong: return "wrong";
        case training::Verdict::Invalid: return "invalid";
        case training::Verdict::None: break;
    }
    return "-";
}

// A number as a decimal, without a needless exponent or trailing zeros.
std::string Decimal(double v) {
    std::ostringstream s;
    s.precision(10);
    s << v;
    return s.str();
}

// key NAME [N]: a key with modifiers, pressed, N - 1 times repeated and released.
bool KeyWords(const ReplayCommand& c, std::string& why) {
    KeyCode key;
    uint32_t mods;
    long n = 1;
    if (!KeyFromName(c.words[0].c_str(), key, mods)) {
        why =
            "key takes a key such as Left, Ctrl+Shift+Right, PageUp, Return, Escape, Space, "
            "a letter or a digit: " +
            Printable(c.words[0]);
        return false;
    }
    if (c.words.size() > 1 && (!Integer(c.words[1], n) || n < 1 || n > kMaxKeyRepeats)) {
        why = "key takes a count from 1 to " + std::to_string(kMaxKeyRepeats) + ": " +
              Printable(c.words[1]);
        return false;
    }
    return true;
}

// wheel N [Ctrl]
bool WheelWords(const ReplayCommand& c, std::string& why) {
    long n;
    if (!Integer(c.words[0], n)) {
        why = "not a number: " + Printable(c.words[0]);
        return false;
    }
    if (c.words.size() > 1 && c.words[1] != "Ctrl") {
        why = "wheel takes Ctrl or nothing after its notches: " + Printable(c.words[1]);
        return false;
    }
    return true;
}

bool SettableKeys(const ReplayCommand& c, std::string& why) {
    for (const auto& [key, value] : c.pairs) {
        long v;
        bool known = false;
        for (const char* k : kSettable) known |= key == k;
        if (!known || !Integer(value, v)) {
            why = "set takes scroll, slide, cursor or clamp with a number: " +
                  Printable(key + "=" + value);
            return false;
        }
    }
    return true;
}

bool ZoomFactor(const ReplayCommand& c, std::string& why) {
    if (c.numbers[0] >= 1 && c.numbers[0] <= kMaxImageScale) return true;
    why = "zoom takes a factor from 1 to " + std::to_string(kMaxImageScale);
    return false;
}

// exam VARIANT KINDS COUNT | exam end | exam show N
bool ExamWords(const ReplayCommand& c, std::string& why) {
    const std::vector<std::string>& w = c.words;
    long n = 0;
    if (w.size() == 1 && w[0] == "end") return true;
    if (w.size() == 2 && w[0] == "show" && Integer(w[1], n) && n >= 1) return true;
    std::vector<uint32_t> keys;
    std::string error;
    if (w.size() == 3 && Integer(w[0], n) && n >= long(training::kMinVariant) &&
        n <= long(training::kMaxVariant) && training::ParseKinds(w[1], keys, error) &&
        Integer(w[2], n) && n >= training::kMinTasks && n <= training::kMaxTasks)
        return true;
    why =
        "exam takes VARIANT (1 to 99999) KINDS (all, groups, lessons) COUNT (5 to 20), end, "
        "or show N" +
        (error.empty() ? "" : ": " + error);
    return false;
}

bool YesOrNo(const ReplayCommand& c, std::string& why) {
    if (c.words[0] == "yes" || c.words[0] == "no") return true;
    why = "reply takes yes or no: " + Printable(c.words[0]);
    return false;
}

bool CheckableKey(const std::string& key) {
    for (const char* prefix : {"enabled.", "checked."}) {
        const std::size_t length = std::strlen(prefix);
        int id;
        if (key.compare(0, length, prefix) == 0) return CommandId(key.substr(length), id);
    }
    for (const char* k : kStateKeys)
        if (key == k) return true;
    for (const char* k : kTaskKeys)
        if (key == k) return true;
    for (const char* k : kTestKeys)
        if (key == k) return true;
    return false;
}

bool CheckableKeys(const ReplayCommand& c, std::string& why) {
    for (const auto& pair : c.pairs) {
        if (CheckableKey(pair.first)) continue;
        why = "expect knows no key " + Printable(pair.first) +
              " (the state line's keys, the task's and the test's keys, enabled.NAME, "
              "checked.NAME)";
        return false;
    }
    return true;
}

}  // namespace

// The handlers, with the session's inside in reach.
struct ReplayVerbs {
    static CPoint At(const ReplayCommand& c) { return {int(c.numbers[0]), int(c.numbers[1])}; }
    static CPoint Centre(const CRect& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    static void Down(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        s.m_frame->OnLButtonDown(0, At(c));
    }
    static void Move(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        s.m_frame->OnMouseMove(0, At(c));
    }
    static void Up(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        s.m_frame->OnLButtonUp(0, At(c));
    }
    static void Dbl(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        s.m_frame->OnLButtonDblClk(0, At(c));
    }
    static void Tap(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        s.m_frame->OnLButtonDown(0, At(c));
        s.m_frame->OnLButtonUp(0, At(c));
    }
    static void Wait(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        s.Wait(c.numbers[0]);
    }
    static void Cmd(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        int id = 0;
        CommandId(c.words[0], id);
        if (!s.m_frame->OnCommand(id, 0)) out << "disabled " << c.words[0] << "\n";
    }
    static void Select(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        CHeadlessListBox* list = s.m_host.ListBox();
        const long item = c.numbers[0];
        if (!list) {
            out << "no list\n";
        } else if (item >= 0 && item < list->Count()) {
            // A tap on a title selects it, and the list tells its parent so, under its
            // control id, which is IDOK's, with a non-zero notification code.
            list->SetCurSel(int(item));
            s.m_frame->OnCommand(IDC_LESSON_LIST, LBN_SELCHANGE);
        }
    }
    // The press, its auto-repeats and the release, each painted after as the loop would.
    // A long run of repeats goes on in the next slice, from where this one stopped.
    static bool KeyPresses(CReplaySession& s, const ReplayCommand& c, long until) {
        KeyCode key = KEY_NONE;
        uint32_t mods = MOD_NONE;
        KeyFromName(c.words[0].c_str(), key, mods);
        const long presses = c.words.size() > 1 ? std::atol(c.words[1].c_str()) : 1;
        long& i = s.m_nPressesDone;
        for (; i < presses && !s.m_host.Closed(); ++i) {
            if (s.m_nEvents >= until) return false;
            s.m_frame->OnKeyDown(key, mods, i > 0);
            ++s.m_nEvents;
            s.PaintIfInvalid();
        }
        i = 0;
        if (!s.m_host.Closed()) s.m_frame->OnKeyUp(key, mods);
        return true;
    }
    static void Key(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        KeyPresses(s, c, std::numeric_limits<long>::max());
    }
    static void Wheel(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        s.m_frame->OnMouseWheel(std::atol(c.words[0].c_str()),
                                c.words.size() > 1 ? MOD_CTRL : MOD_NONE);
    }
    static void Steal(CReplaySession& s, const ReplayCommand&, std::ostream&) {
        s.m_host.StealCapture();
        s.m_frame->OnCaptureChanged();
    }
    static void Set(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        CRuleState rule = s.m_frame->State().m_rule;
        for (const auto& [key, text] : c.pairs) {
            const int value = int(std::atol(text.c_str()));
            if (key == "scroll") rule.m_nScroll = value;
            if (key == "slide") rule.m_nSlide = value;
            if (key == "cursor") rule.m_nCursor = value;
            if (key == "clamp") rule.m_bClamp = value;
        }
        s.m_frame->Seed(rule);
    }

    static void Task(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        CMainFrame& f = *s.m_frame;
        f.StartTask(uint32_t(c.numbers[0]), uint32_t(c.numbers[1]));
        const training::Task& t = f.State().m_tasks.m_task;
        out << "task " << t.key;
        for (int i = 0; i < t.count; ++i) out << ' ' << Decimal(t.numbers[i]);
        out << " => " << Decimal(t.answer) << " in " << Decimal(t.low) << ".." << Decimal(t.high)
            << "\n";
    }
    // The panel's button for command, when the panel shows it enabled.
    static const CPanel::Button* PanelButton(CReplaySession& s, PanelCommand command) {
        const CPanel& p = s.m_host.Panel();
        for (const CPanel::Button& b : p.buttons)
            if (p.visible && b.command == command && b.enabled) return &b;
        return nullptr;
    }
    // Types into the panel's answer field and presses "Проверить" there.
    static void Answer(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        CMainFrame& f = *s.m_frame;
        if (!s.m_host.Panel().field || !PanelButton(s, PanelCommand::Check)) {
            out << "no task\n";
            return;
        }
        // A click into the field gives it the keys; the typing reaches the window as it goes.
        f.OnPanelFocus(true);
        f.OnPanelEdit(c.text);
        f.OnPanel(PanelCommand::Check, c.text);
        if (f.Current() == Activity::Test) {
            const training::CExam& exam = *f.State().m_test.m_exam;
            const training::Row& row = exam.Rows()[std::size_t(exam.Current())];
            out << "answer " << exam.Current() + 1 << ' ' << VerdictWord(row.outcome) << ' '
                << (row.answer.empty() ? "-" : row.answer) << "\n";
            return;
        }
        const CVerdict& v = f.State().m_tasks.m_verdict;
        out << "verdict " << VerdictWord(v.m_nKind) << ' ' << OneLine(VerdictText(v), " | ")
            << "\n";
    }
    static void Show(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        CMainFrame& f = *s.m_frame;
        if (!PanelButton(s, PanelCommand::Show)) {
            out << "no task\n";
            return;
        }
        f.OnPanel(PanelCommand::Show, s.m_host.Panel().answer);
        out << "show " << f.State().m_steps.m_solution.size() << "\n";
    }
    // The panel's "Закрыть".
    static void Close(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        if (!PanelButton(s, PanelCommand::Close)) {
            out << "no task\n";
            return;
        }
        s.m_frame->OnPanel(PanelCommand::Close, s.m_host.Panel().answer);
    }
    // A tap in the middle of the current step box's button; without one, the panel's
    // "Следующая" of a test of several tasks.
    static void Next(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        CMainFrame& f = *s.m_frame;
        const std::optional<CRect> box = f.StepBoxRect();
        if (!box) {
            if (PanelButton(s, PanelCommand::Next))
                f.OnPanel(PanelCommand::Next, s.m_host.Panel().answer);
            else
                out << "no step\n";
            return;
        }
        const CPoint at{box->left + (box->right - box->left + 1) / 2, box->bottom - 25};
        f.OnLButtonDown(0, at);
        f.OnLButtonUp(0, at);
    }
    // The panel as the host shows it: its title, problem, field, verdict and count, then its
    // buttons, + before an enabled one and - before a grey one.
    static void Panel(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        const CPanel& p = s.m_host.Panel();
        if (!p.visible) {
            out << "panel -\n";
            return;
        }
        const std::string verdict = OneLine(p.verdict, " / ");
        out << "panel " << p.title << " | " << p.problem << " | field=" << p.field
            << (p.fieldKeys ? "* " : " ") << p.answer << " | " << verdict << " | " << p.count
            << " |";
        for (const CPanel::Button& b : p.buttons)
            out << ' ' << (b.enabled ? '+' : '-') << b.caption;
        out << "\n";
    }

    // The session keeps what it remembers in FILE, read now as the program reads it at
    // start-up; a message it has comes as after the first paint.
    static void Store(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        if (s.m_store) {
            out << "store already " << s.m_storage->Where() << "\n";
            return;
        }
        s.m_storage = std::make_unique<CFileStorage>(c.words[0]);
        s.m_store = std::make_unique<training::CProgressStore>(*s.m_storage);
        s.m_frame->UseProgress(*s.m_store, FixedNow);
        s.PaintIfInvalid();
        s.m_frame->TellProgress();
    }
    // The rows of the progress table, one a lesson and a kind: what, key, count, date, title.
    static void Progress(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        for (const training::ProgressRow& row : training::ProgressRows(s.m_frame->Progress()))
            out << (row.lesson ? "lesson " : "kind ") << row.key << " | "
                << (row.count.empty() ? "-" : row.count) << " | "
                << (row.date.empty() ? "-" : row.date) << " | " << row.title << "\n";
    }

    // Starts a test as its dialog does and prints its problems; ends it as "Да" to the
    // question does; plays a task's solution as its row's "Показать".
    static void Exam(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        CMainFrame& f = *s.m_frame;
        if (c.words[0] == "end") {
            if (!f.OnCommand(ID_TEST_END)) out << "no exam\n";
            return;
        }
        if (c.words[0] == "show") {
            if (!f.ShowTestSolution(std::atoi(c.words[1].c_str()) - 1)) out << "no result\n";
            return;
        }
        std::vector<uint32_t> kinds;
        std::string error;
        training::ParseKinds(c.words[1], kinds, error);
        if (!f.StartTest(uint32_t(std::atol(c.words[0].c_str())), kinds,
                         std::atoi(c.words[2].c_str()))) {
            out << "exam refused\n";
            return;
        }
        const training::Paper& paper = f.State().m_test.m_exam->GetPaper();
        out << "exam " << paper.variant << ' ' << training::KindsText(paper.kinds) << ' '
            << paper.tasks.size() << "\n";
        for (std::size_t i = 0; i < paper.tasks.size(); ++i)
            out << "problem " << i + 1 << ' ' << paper.tasks[i].key << ' ' << paper.tasks[i].problem
                << "\n";
    }
    // The answer to the question a message box asks.
    static void Reply(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        const int id = s.m_host.TakeQuestion();
        if (!id) {
            out << "no question\n";
            return;
        }
        if (c.words[0] == "yes") s.m_frame->OnCommand(id);
    }
    // The result of the test as its table shows it, and what is kept of it.
    static void Result(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        const CTestState& test = s.m_frame->State().m_test;
        if (!test.m_exam || !test.m_exam->Finished()) {
            out << "no result\n";
            return;
        }
        const training::CExam& exam = *test.m_exam;
        for (std::size_t i = 0; i < exam.Rows().size(); ++i) {
            const training::Row& row = exam.Rows()[i];
            const training::AcceptedRange range =
                training::AcceptedRangeOf(exam.GetPaper().tasks[i]);
            out << "row " << i + 1 << " | " << exam.GetPaper().tasks[i].problem << " | "
                << (row.answer.empty() ? "-" : row.answer) << " | " << range.lo << " - " << range.hi
                << " | " << training::OutcomeWord(row.outcome) << " | " << (row.ms + 500) / 1000
                << " с\n";
        }
        const training::Score score = exam.Result();
        out << "score " << training::ScoreText(score) << "\nmark " << score.mark << "\n";
        const std::vector<training::TestResult>& tests = s.m_frame->Progress().Tests();
        if (!tests.empty()) {
            const training::TestResult& kept = tests.back();
            out << "kept variant=" << kept.variant << " kinds=" << training::KindsText(kept.kinds)
                << " count=" << kept.count << " score=" << kept.score << " mark=" << kept.mark
                << " valid=" << training::IsValid(kept) << "\n";
        }
    }

    static void State(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        out << s.StateLine() << "\n";
    }
    static void Ui(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        for (const CommandName& c : kCommandNames) {
            const std::optional<CCmdUI> ui = s.m_frame->CommandState(c.id);
            out << c.name << " enabled=" << (ui && ui->enabled)
                << " checked=" << (ui && ui->checked) << "\n";
        }
    }
    // A step's record as `table` prints it.
    static void Record(int index, const LessonStep& s, std::ostream& out) {
        out << "record " << index << ' ' << s.key << ' ' << int(s.bArrow) << ' ' << s.ptArrow.x
            << ' ' << s.ptArrow.y << ' ' << int(s.bState) << ' ' << s.nScroll << ' ' << s.nSlide
            << ' ' << s.nCursor << ' ' << s.nSide << ' ' << s.bClamp << ' ' << s.rcBox.left << ' '
            << s.rcBox.top << ' ' << s.rcBox.right << ' ' << s.rcBox.bottom << ' ' << s.pszText
            << "\n";
    }
    // The current step's text; during a shown solution its record follows, numbered within
    // the solution, so that a script can see where the step's pointer and box stand.
    static void Text(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        const CStepPlayer& steps = s.m_frame->State().m_steps;
        out << (steps.Playing() ? steps.Text() : "-") << "\n";
        if (steps.m_nShowStep >= 0) Record(steps.m_nShowStep, steps.Step(), out);
    }
    // The current step's text as the step box breaks it.
    static void Lines(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        const CStepPlayer& steps = s.m_frame->State().m_steps;
        if (!steps.Playing()) {
            out << "-\n";
            return;
        }
        const std::vector<std::string_view>& lines = steps.Lines();
        for (std::string_view l : lines) out << "line " << l << "\n";
        out << "lines " << lines.size() << "\n";
    }
    static void MessageBox(CReplaySession& s, const ReplayCommand&, std::ostream& out) {
        out << (s.m_host.MessageBoxes() ? s.m_host.LastMessageBox() : "-") << "\n";
    }
    static void Table(CReplaySession&, const ReplayCommand&, std::ostream& out) {
        for (int i = 0; i <= kStepCount; ++i) Record(i, kStepTable[i], out);
    }
    static void Lessons(CReplaySession&, const ReplayCommand&, std::ostream& out) {
        for (int i = 0; kLessonList[i].key != 0; ++i)
            out << "lesson " << i << ' ' << kLessonList[i].key << ' ' << kLessonList[i].pszText
                << "\n";
    }
    static void Echo(CReplaySession&, const ReplayCommand& c, std::ostream& out) {
        out << c.text << "\n";
    }
    static void Frame(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        // Compose afresh, so that a frame after a `set` shows the values set; a paint
        // changes no state.
        s.m_frame->OnPaint(s.m_window);
        s.m_nEvents += 2L * s.m_window.Scale() * s.m_window.Scale();  // the paint and the file
        if (SaveFramePng(s.m_window, c.words[0])) return;
        out << "FAIL " << s.m_name << ':' << s.m_nLine << " frame could not be saved to "
            << c.words[0] << "\n";
        s.m_bFailed = true;
    }
    static void Zoom(CReplaySession& s, const ReplayCommand& c, std::ostream&) {
        // From now on the window is K times finer; what it shows is the same frame.
        s.m_window = CSurface(kClientWidth, kClientHeight, int(c.numbers[0]));
        s.m_frame->OnPaint(s.m_window);
    }
    static void Expect(CReplaySession& s, const ReplayCommand& c, std::ostream& out) {
        for (const auto& [key, expected] : c.pairs) {
            std::string got;
            if (s.Check(key, expected, got)) continue;
            out << "FAIL " << s.m_name << ':' << s.m_nLine << ' ' << key << " expected " << expected
                << " got " << got << "\n";
            s.m_bFailed = true;
        }
    }
};

namespace {

// The grammar, one row a verb. A new command is a row and, unless it is a block, a handler.
// clang-format off
const Verb kVerbs[] = {
    {"down", Args::Numbers, 2, Role::Event, "X Y", nullptr, ReplayVerbs::Down},
    {"move", Args::Numbers, 2, Role::Event, "X Y", nullptr, ReplayVerbs::Move},
    {"up", Args::Numbers, 2, Role::Event, "X Y", nullptr, ReplayVerbs::Up},
    {"dbl", Args::Numbers, 2, Role::Event, "X Y", nullptr, ReplayVerbs::Dbl},
    {"tap", Args::Numbers, 2, Role::Event, "X Y", nullptr, ReplayVerbs::Tap},
    {"wait", Args::Numbers, 1, Role::Event, "MS", NotNegative, ReplayVerbs::Wait},
    {"cmd", Args::Name, 0, Role::Event, "NAME", KnownCommand, ReplayVerbs::Cmd},
    {"select", Args::Numbers, 1, Role::Event, "N", nullptr, ReplayVerbs::Select},
    {"key", Args::Words, 2, Role::Event, "NAME [N]", KeyWords, ReplayVerbs::Key},
    {"wheel", Args::Words, 2, Role::Event, "N [Ctrl]", WheelWords, ReplayVerbs::Wheel},
    {"steal", Args::Numbers, 0, Role::Event, "", nullptr, ReplayVerbs::Steal},
    {"set", Args::Pairs, 0, Role::Event, "K=V ...", SettableKeys, ReplayVerbs::Set},
    {"state", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::State},
    {"ui", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::Ui},
    {"text", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::Text},
    {"lines", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::Lines},
    {"msgbox", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::MessageBox},
    {"table", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::Table},
    {"lessons", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::Lessons},
    {"frame", Args::Name, 0, Role::Output, "FILE", nullptr, ReplayVerbs::Frame},
    {"zoom", Args::Numbers, 1, Role::Output, "K", ZoomFactor, ReplayVerbs::Zoom},
    {"task", Args::Numbers, 2, Role::Event, "KEY SEED", TaskKey, ReplayVerbs::Task},
    {"answer", Args::Text, 0, Role::Event, "TEXT", nullptr, ReplayVerbs::Answer},
    {"show", Args::Numbers, 0, Role::Event, "", nullptr, ReplayVerbs::Show},
    {"next", Args::Numbers, 0, Role::Event, "", nullptr, ReplayVerbs::Next},
    {"close", Args::Numbers, 0, Role::Event, "", nullptr, ReplayVerbs::Close},
    // One line, the panel beside the client area as the host shows it: "panel TITLE | PROBLEM
    // | field=0|1 ANSWER | VERDICT | COUNT | +CAPTION -CAPTION ...", a * after field=1 while
    // the field has the keys, + before an enabled button; "panel -" while there is none.
    {"panel", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::Panel},
    // What the program remembers: kept in FILE from now on (read as at start-up, dated
    // 2026-01-15), and its table.
    {"store", Args::Name, 0, Role::Event, "FILE", nullptr, ReplayVerbs::Store},
    {"progress", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::Progress},
    // A test of several tasks: `answer` and `next` work its box as a task's; the result is
    // printed one `row N | problem | answer | range | verdict | seconds` a task, then its score,
    // mark and what is kept; `reply` answers a question's message box (Escape's in a test).
    {"exam", Args::Words, 3, Role::Event, "VARIANT KINDS COUNT | end | show N", ExamWords,
     ReplayVerbs::Exam},
    {"reply", Args::Name, 0, Role::Event, "yes|no", YesOrNo, ReplayVerbs::Reply},
    {"result", Args::Numbers, 0, Role::Output, "", nullptr, ReplayVerbs::Result},
    {"expect", Args::Pairs, 0, Role::Output, "K=V ...", CheckableKeys, ReplayVerbs::Expect},
    {"echo", Args::Text, 0, Role::Output, "TEXT", nullptr, ReplayVerbs::Echo},
    // Blocks nest; a count of 0 skips the block.
    {"repeat", Args::Numbers, 1, Role::Open, "N", NotNegative, nullptr},
    {"end", Args::Numbers, 0, Role::Close, "", nullptr, nullptr},
};
// clang-format on

// The text after the verb up to any '#', without the blanks around it.
std::string RestOfLine(const std::string& line, const std::string& verb) {
    const std::size_t from = line.find(verb) + verb.size();
    const std::size_t hash = line.find('#');
    std::string text = line.substr(from, hash == std::string::npos ? hash : hash - from);
    const std::size_t first = text.find_first_not_of(" \t");
    text = first == std::string::npos ? "" : text.substr(first);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return text;
}

// Parses a line into c (a blank line leaves c.verb null); false, with why, when it is not a
// well-formed command.
bool Parse(const std::string& line, ReplayCommand& c, std::string& why) {
    if (line.find('\0') != std::string::npos) {
        why = "a NUL byte in the line";
        return false;
    }
    std::vector<std::string> w = Words(line);
    if (w.empty()) return true;
    const std::string verb = w[0];
    w.erase(w.begin());
    const Verb* row = nullptr;
    for (const Verb& v : kVerbs)
        if (verb == v.word) row = &v;
    if (!row) {
        why = "unknown command: " + Printable(verb);
        return false;
    }
    c.verb = row;
    const std::string usage = verb + (*row->usage ? " " : "") + row->usage;
    switch (row->args) {
        case Args::Numbers:
            if (int(w.size()) != row->count) {
                why = verb + " takes " + std::to_string(row->count) + " numbers: " + usage;
                return false;
            }
            for (const std::string& word : w) {
                long value;
                if (!Integer(word, value)) {
                    why = "not a number: " + Printable(word);
                    return false;
                }
                c.numbers.push_back(value);
            }
            break;
        case Args::Name:
            if (w.size() != 1) {
                why = verb + " takes one word: " + usage;
                return false;
            }
            break;
        case Args::Words:
            if (w.empty() || int(w.size()) > row->count) {
                why = verb + " takes " + row->usage;
                return false;
            }
            break;
        case Args::Pairs:
            if (w.empty()) {
                why = verb + " takes K=V pairs: " + usage;
                return false;
            }
            for (const std::string& word : w) {
                const std::size_t eq = word.find('=');
                if (eq == std::string::npos || eq == 0) {
                    why = "not a K=V pair: " + Printable(word);
                    return false;
                }
                c.pairs.emplace_back(word.substr(0, eq), word.substr(eq + 1));
            }
            break;
        case Args::Text: c.text = RestOfLine(line, verb); break;
    }
    c.words = std::move(w);
    return !row->check || row->check(c, why);
}

enum class LineRead { Line, End, TooLong, Unreadable };

// Reads the next line into line, without its end, holding no more than the limit in memory.
LineRead ReadLine(std::istream& in, std::string& buffer, std::string& line) {
    buffer.resize(kReplayLineLimit + 2);
    in.getline(&buffer[0], std::streamsize(buffer.size()));
    if (in.bad()) return LineRead::Unreadable;
    std::size_t length = std::size_t(in.gcount());
    if (in.fail()) {
        if (!in.eof()) return LineRead::TooLong;  // the buffer filled before the line ended
        if (length == 0) return LineRead::End;
    }
    if (!in.eof()) --length;  // the line's end was read too
    if (length > kReplayLineLimit) return LineRead::TooLong;
    line.assign(buffer, 0, length);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return LineRead::Line;
}

// The line with every byte that is not part of well-formed UTF-8 replaced by U+FFFD, one for
// each maximal ill-formed part, as a browser decodes the same bytes: a script reads the same
// in the page as here.
std::string ValidUtf8(const std::string& in) {
    std::string out;
    const std::size_t n = in.size();
    for (std::size_t i = 0; i < n;) {
        const auto byte = [&](std::size_t at) { return at < n ? (unsigned char)in[at] : 0u; };
        const unsigned lead = byte(i);
        std::size_t need = 0;
        unsigned low = 0x80, high = 0xBF;  // the second byte's range
        if (lead < 0x80) {
            out += char(lead);
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) need = 1;
        if (lead >= 0xE0 && lead <= 0xEF)
            need = 2, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
        if (lead >= 0xF0 && lead <= 0xF4)
            need = 3, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
        std::size_t length = 1;
        while (length <= need) {
            const unsigned b = byte(i + length);
            if (length == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) break;
            ++length;
        }
        if (need > 0 && length == need + 1)
            out.append(in, i, length);
        else
            out += "\xEF\xBF\xBD";
        i += need > 0 && length == need + 1 ? length : std::max<std::size_t>(1, length);
    }
    return out;
}

// Passes what is printed on and counts its bytes.
class CountingBuffer : public std::streambuf {
  public:
    CountingBuffer(std::streambuf* to, long& count) : m_to(to), m_count(count) {}

  protected:
    int overflow(int c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        ++m_count;
        return m_to->sputc(char(c));
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        m_count += long(n);
        return m_to->sputn(s, n);
    }
    int sync() override { return m_to->pubsync(); }

  private:
    std::streambuf* m_to;
    long& m_count;
};

}  // namespace

bool CommandId(const std::string& name, int& id) {
    if (IdOfCommand(name.c_str(), id)) return true;
    long value;
    if (!Integer(name, value)) return false;
    id = int(value);
    return true;
}

bool ParseReplayLine(const std::string& line, std::string& why) {
    ReplayCommand c;
    return Parse(line, c, why);
}

std::string ReplayCommands() {
    std::string text;
    for (const Verb& v : kVerbs) {
        if (v.role == Role::Close) continue;  // shown with its repeat
        text += std::string("  ") + v.word + (*v.usage ? " " : "") + v.usage;
        if (v.role == Role::Open) text += " ... end   the lines between, N times; blocks nest";
        text += "\n";
    }
    return text;
}

CReplaySession::CReplaySession()
    : m_frame(std::make_unique<CMainFrame>(m_host)), m_window(kClientWidth, kClientHeight) {
    // Shown at start-up and updated at once: the first paint.
    m_frame->OnPaint(m_window);
}

CReplaySession::~CReplaySession() = default;

void CReplaySession::PaintIfInvalid() {
    if (!m_host.TakeInvalid()) return;
    m_frame->OnPaint(m_window);
    m_nEvents += long(m_window.Scale()) * m_window.Scale();
}

std::string CReplaySession::StateLine() const {
    const CFrameState& f = m_frame->State();
    CHeadlessHost& host = const_cast<CHeadlessHost&>(m_host);
    std::string timers;
    for (const auto& [id, name] :
         {std::make_pair(TIMER_HOLD, "hold"), std::make_pair(TIMER_REPEAT, "repeat"),
          std::make_pair(TIMER_WHEEL, "wheel"), std::make_pair(TIMER_TEST, "test")})
        if (host.TimerRunning(id)) timers += (timers.empty() ? "" : "+") + std::string(name);
    const char* button = !f.m_steps.Playing() ? "-" : f.m_steps.Last() ? "finish" : "next";
    std::ostringstream s;
    s << "state scroll=" << f.m_rule.m_nScroll << " slide=" << f.m_rule.m_nSlide
      << " cursor=" << f.m_rule.m_nCursor << " side=" << f.m_rule.m_nSide
      << " clamp=" << f.m_rule.m_bClamp << " undo=" << f.m_undo.m_nUndoCount
      << " mode=" << f.m_gesture.m_nDragMode << " nudge=" << Nudge(f)
      << " repeat=" << f.m_gesture.m_bRepeating << " capture=" << host.HasCapture()
      << " lastx=" << f.m_gesture.m_nLastX
      << " list=" << int(m_frame->Current() == Activity::LessonChooser)
      << " listcreated=" << int(f.m_training.m_bListCreated)
      << " sel=" << (host.ListBox() ? host.ListBox()->GetCurSel() : -1)
      << " lesson=" << f.m_steps.m_nLesson << " step=" << f.m_steps.m_nStep << " button=" << button
      << " timers=" << (timers.empty() ? "-" : timers) << " repaints=" << host.RepaintRequests()
      << " exit=" << host.Closed() << " about=" << host.MessageBoxes();
    return s.str();
}

bool CReplaySession::Check(const std::string& key, const std::string& expected,
                           std::string& got) const {
    for (const char* prefix : {"enabled.", "checked."}) {
        const std::string p = prefix;
        if (key.compare(0, p.size(), p) != 0) continue;
        int id;
        if (!CommandId(key.substr(p.size()), id)) break;
        const std::optional<CCmdUI> ui = m_frame->CommandState(id);
        got = !ui ? "?" : (p == "enabled." ? ui->enabled : ui->checked) ? "1" : "0";
        return got == expected;
    }
    const CTaskState& t = m_frame->State().m_tasks;
    const CVerdict& v = t.m_verdict;
    const std::string taskValues[] = {std::to_string(m_frame->TaskOpen() ? t.m_task.key : 0),
                                      VerdictWord(t.m_verdict.m_nKind),
                                      std::to_string(t.m_nSolved),
                                      std::to_string(t.m_nSet),
                                      std::to_string(m_frame->State().m_steps.m_nShowStep),
                                      std::to_string(m_host.Panel().field),
                                      std::to_string(t.m_bSolved),
                                      v.m_nSide > 0   ? "more"
                                      : v.m_nSide < 0 ? "less"
                                                      : "-",
                                      v.m_bRevealed ? v.m_strLow + ".." + v.m_strHigh : "-"};
    for (std::size_t i = 0; i < std::size(kTaskKeys); ++i) {
        if (key != kTaskKeys[i]) continue;
        got = taskValues[i];
        return got == expected;
    }
    const CTestState& test = m_frame->State().m_test;
    const std::vector<training::TestResult>& kept = m_frame->Progress().Tests();  // the last: back
    const training::Score score = test.m_exam ? test.m_exam->Result() : training::Score{};
    const std::string scoreText = std::to_string(score.right) + "/" + std::to_string(score.total);
    const std::string testValues[] = {
        !test.m_exam              ? "-"
        : test.m_exam->Finished() ? "ended"
                                  : "running",
        std::to_string(test.m_exam && !test.m_exam->Finished() ? test.m_exam->Current() + 1 : 0),
        test.m_exam ? scoreText : "-", test.m_exam ? std::to_string(score.mark) : "-",
        kept.empty() ? "-"
                     : std::to_string(kept.back().score) + "/" + std::to_string(kept.back().count) +
                           ":" + std::to_string(kept.back().mark)};
    for (std::size_t i = 0; i < std::size(kTestKeys); ++i) {
        if (key != kTestKeys[i]) continue;
        got = testValues[i];
        return got == expected;
    }
    std::istringstream in(StateLine().substr(6));
    for (std::string pair; in >> pair;) {
        const std::size_t eq = pair.find('=');
        if (pair.substr(0, eq) == key) {
            got = pair.substr(eq + 1);
            return got == expected;
        }
    }
    got = "(no such key)";
    return false;
}

void CReplaySession::Wait(int64_t ms) {
    const int64_t until = m_host.Now() + ms;
    // The window's whole state as a tick could change it: every part of the frame's state,
    // the state line but its repaint count, and the timers.
    const auto snapshot = [this] {
        std::string line = StateLine();
        line.erase(line.find(" repaints="), line.find(" exit=") - line.find(" repaints="));
        return std::make_tuple(m_frame->State(), line, m_host.Timers());
    };
    for (int id; m_host.NextTick(until, id);) {
        // A lone timer whose tick leaves all as it was, but for asking for repaints, will do
        // just that at each of its later ticks: those are counted, not run, so that a held
        // press against its limit waits in no time however long the wait.
        const bool alone = m_host.Timers().size() == 1;
        const auto before = alone ? snapshot() : decltype(snapshot()){};
        const int64_t repaints = m_host.RepaintRequests();
        if (OverLimit()) return;  // the runner reports it
        ++m_nEvents;
        m_frame->OnTimer(id);
        if (alone && snapshot() == before)
            m_host.RepeatTicks(id, until, m_host.RepaintRequests() - repaints);
    }
    m_host.SetNow(until);
}

bool CReplaySession::Execute(const ReplayCommand& c, std::ostream& out, long until) {
    if (c.verb->role != Role::Event) {
        c.verb->run(*this, c, out);
        return true;
    }
    if (m_host.Closed()) {
        out << "closed\n";
        return true;
    }
    if (c.verb->run == ReplayVerbs::Key) {
        if (!ReplayVerbs::KeyPresses(*this, c, until)) return false;
    } else {
        c.verb->run(*this, c, out);
    }
    PaintIfInvalid();
    return true;
}

bool CReplaySession::RunLine(const std::string& line, std::ostream& out) {
    ReplayCommand c;
    std::string why;
    if (!Parse(line, c, why) || (c.verb && !c.verb->run)) return false;
    if (c.verb) Execute(c, out);
    return true;
}

bool CReplaySession::Load(const std::string& name, std::istream& in, std::ostream& err) {
    std::vector<ReplayCommand> program;
    std::vector<std::size_t> open;  // repeats still waiting for their end
    std::string buffer, line;
    for (int number = 1;; ++number) {
        const LineRead read = ReadLine(in, buffer, line);
        if (read == LineRead::End) break;
        if (read == LineRead::Unreadable) {
            err << name << ": cannot be read\n";
            return false;
        }
        if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);  // a BOM
        ReplayCommand c;
        std::string why = "line longer than " + std::to_string(kReplayLineLimit) + " bytes";
        if (read == LineRead::TooLong || !Parse(ValidUtf8(line), c, why)) {
            err << name << ':' << number << ": " << why << "\n";
            return false;
        }
        if (!c.verb) continue;
        c.line = number;
        if (c.verb->role == Role::Open) open.push_back(program.size());
        if (c.verb->role == Role::Close) {
            if (open.empty()) {
                err << name << ':' << number << ": end without repeat\n";
                return false;
            }
            c.partner = open.back();
            program[open.back()].partner = program.size();
            open.pop_back();
        }
        program.push_back(std::move(c));
    }
    if (!open.empty()) {
        err << name << ':' << program[open.back()].line << ": repeat without end\n";
        return false;
    }
    m_name = name;
    m_bFailed = false;
    m_program = std::move(program);
    m_nNext = 0;
    m_loops.clear();
    m_nPressesDone = 0;
    m_nEvents = 0;
    m_nPrinted = 0;
    return true;
}

int CReplaySession::Resume(std::ostream& out, std::ostream& err, long budget) {
    CountingBuffer counted(out.rdbuf(), m_nPrinted);
    std::ostream printed(&counted);
    const long start = Spent();
    const long sliceEnd = budget > kReplayEventLimit ? kReplayEventLimit + 1 : start + budget;
    while (m_nNext < m_program.size()) {
        if (Spent() >= sliceEnd) return -1;
        const ReplayCommand& c = m_program[m_nNext];
        m_nLine = c.line;
        ++m_nEvents;
        bool done = true;
        if (c.verb->role == Role::Open) {
            if (c.numbers[0] == 0)
                m_nNext = c.partner;
            else
                m_loops.emplace_back(m_nNext, c.numbers[0]);
        } else if (c.verb->role == Role::Close) {
            if (--m_loops.back().second > 0)
                m_nNext = m_loops.back().first;
            else
                m_loops.pop_back();
        } else {
            // A key's repeats stop at the slice's end and go on in the next.
            const long until = std::min(sliceEnd, kReplayEventLimit + 1) - (Spent() - m_nEvents);
            done = Execute(c, printed, until);
        }
        if (done) ++m_nNext;
        if (OverLimit()) {
            printed.flush();
            err << m_name << ':' << m_nLine << ": stopped: the script runs more than "
                << kReplayEventLimit << " events\n";
            return 2;
        }
    }
    return m_bFailed ? 1 : 0;
}

int CReplaySession::Run(const std::string& name, std::istream& in, std::ostream& out,
                        std::ostream& err) {
    if (!Load(name, in, err)) return 2;
    int status;
    while ((status = Resume(out, err, std::numeric_limits<long>::max())) < 0) continue;
    return status;
}
