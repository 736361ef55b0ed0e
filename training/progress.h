// What the program remembers between runs: the window, the rule as it was left, the last
// choices in the choosers, how far each lesson went, how each kind of task went and the
// results of tests. A plain value: whoever holds it changes it through the named entry points
// below, each of which refuses (returns false and changes nothing) a value out of range, so a
// kept record is always one the program could have made. Read from and written as JSON.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "training/verdict.h"

namespace training {

// The window on the desktop: its factor and where it stood on the screen.
struct WindowPlace {
    int32_t factor = 1;
    int32_t x = 0;
    int32_t y = 0;
};
constexpr int32_t kMaxFactor = 8;
constexpr int32_t kFarthestPlace = 100000;  // pixels from the screen's origin, either way

// The rule as it was left: the five values of the rule state.
struct RulePlace {
    int32_t scroll = 0;
    int32_t slide = 0;
    int32_t cursor = 0;
    int32_t side = 0;
    int32_t clamp = 0;
};

// A lesson begun: the furthest step reached (1 is the first) and the day it was finished,
// empty while it is not. A finished lesson has reached its last step.
struct LessonRecord {
    int32_t furthest = 0;
    std::string finishedOn;
};

// A kind of task: tasks set, of which answered right at the first answer, and the day of the
// last one set.
struct KindRecord {
    int32_t set = 0;
    int32_t right = 0;
    std::string last;
};
constexpr int32_t kMaxCount = 1000000000;

// One task of a test: its kind, the answer as typed and its verdict, and the seconds spent.
// The problem itself follows from the test's variant, kinds and count.
struct TestRow {
    uint32_t key = 0;
    std::string answer;
    Verdict verdict = Verdict::None;
    int32_t seconds = 0;
};
constexpr std::size_t kMaxAnswerBytes = 200;
constexpr int32_t kMaxTestSeconds = 24 * 3600;

// A test of several tasks as it ended: one row a task, the score (rows right) and the mark.
struct TestResult {
    std::string date;
    uint32_t variant = 0;
    std::vector<uint32_t> kinds;  // the task kinds chosen, by lesson key
    int32_t count = 0;
    int32_t score = 0;
    int32_t mark = 0;  // 2 to 5
    std::vector<TestRow> rows;
};
constexpr int32_t kMaxTestTasks = 100;

// A day as "YYYY-MM-DD" (years 2000 to 9999), the form every date is kept in.
bool IsDate(const std::string& text);
// The number of steps of lesson key; 0 for a key no lesson has.
int32_t StepsIn(uint32_t key);

bool IsValid(const WindowPlace& place);
bool IsValid(const RulePlace& place);
bool IsValid(uint32_t key, const LessonRecord& record);
bool IsValid(uint32_t key, const KindRecord& record);
bool IsValid(const TestResult& result);

class CProgress {
  public:
    // The window moved or was resized, the program leaves with the rule as it is, the task
    // box went to the other end, a chooser was closed on a choice.
    bool SetWindow(const WindowPlace& place);
    bool SetRule(const RulePlace& place);
    void SetTaskBoxAtBottom(bool atBottom) { m_bTaskBoxAtBottom = atBottom; }
    bool SetLastLesson(uint32_t key);
    bool SetLastKind(uint32_t key);

    // Step number step (1 is the first) of lesson key is shown: kept when it is the furthest.
    bool StepReached(uint32_t key, int32_t step);
    // Lesson key was played to its last step and closed with "Закончить" on date.
    bool LessonFinished(uint32_t key, const std::string& date);
    // A task of kind key is set on date; then its first answer is right.
    bool TaskSet(uint32_t key, const std::string& date);
    bool FirstAnswerRight(uint32_t key);
    bool AddTestResult(const TestResult& result);

    // Whole records, as read back from the file.
    bool SetLesson(uint32_t key, const LessonRecord& record);
    bool SetKind(uint32_t key, const KindRecord& record);

    const std::optional<WindowPlace>& Window() const { return m_window; }
    const std::optional<RulePlace>& Rule() const { return m_rule; }
    bool TaskBoxAtBottom() const { return m_bTaskBoxAtBottom; }
    uint32_t LastLesson() const { return m_nLastLesson; }  // 0: none chosen yet
    uint32_t LastKind() const { return m_nLastKind; }
    const std::map<uint32_t, LessonRecord>& Lessons() const { return m_lessons; }
    const std::map<uint32_t, KindRecord>& Kinds() const { return m_kinds; }
    const std::vector<TestResult>& Tests() const { return m_tests; }

    // Every record of the user's work forgotten; the window, the rule and the choices stay.
    void ForgetWork();

  private:
    std::optional<WindowPlace> m_window;
    std::optional<RulePlace> m_rule;
    bool m_bTaskBoxAtBottom = false;
    uint32_t m_nLastLesson = 0;
    uint32_t m_nLastKind = 0;
    std::map<uint32_t, LessonRecord> m_lessons;
    std::map<uint32_t, KindRecord> m_kinds;
    std::vector<TestResult> m_tests;
};

// What reading the kept bytes found.
enum class Damage {
    None,         // read whole
    Empty,        // no bytes at all
    NotJson,      // not JSON
    CutShort,     // JSON that stops before its end
    WrongShape,   // JSON, but not an object of this program's format
    NewerFormat,  // written by a newer version of the program, in a format this one does not know
    BadValues,    // values of the wrong type or out of range: those records were left out
};

struct ReadOutcome {
    CProgress progress;  // what could be trusted
    Damage damage = Damage::None;
    int64_t format = 0;                 // for NewerFormat: the file's format number
    std::vector<std::string> problems;  // what was wrong and where ("rule.scroll = 5000")
};

constexpr int64_t kFormat = 1;

ReadOutcome ReadProgress(const std::string& bytes);
std::string WriteProgress(const CProgress& progress);

}  // namespace training
