// A test of several tasks ("Зачёт"): the task kinds grouped as the lessons are, the paper of
// a variant (the same tasks from the same variant, kinds and count on every machine), a test
// in progress on the caller's clock, and its result with the mark on the five-point scale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "training/progress.h"
#include "training/task_kinds.h"
#include "training/verdict.h"

namespace training {

// The kinds of one group of lessons; `name` is how a command line writes the group.
struct KindGroup {
    const char* name;
    const char* title;
    const uint32_t* keys;  // task keys, closed by 0
};
extern const KindGroup kKindGroups[];
extern const int kKindGroupCount;

constexpr int kMinTasks = 5;
constexpr int kMaxTasks = 20;
constexpr uint32_t kMinVariant = 1;
constexpr uint32_t kMaxVariant = 99999;

// A list of kinds as a command line writes it: items separated by commas, each a group's
// name, a lesson's number that has a task kind, or "all". Gives the task keys in the lesson
// chooser's order, each once; false with a one-line reason for anything else.
bool ParseKinds(const std::string& list, std::vector<uint32_t>& keys, std::string& error);
// The shortest such list for keys: "all", whole groups by name, the rest by number.
std::string KindsText(const std::vector<uint32_t>& keys);

// The tasks one variant sets.
struct Paper {
    uint32_t variant = 0;
    std::vector<uint32_t> kinds;  // as chosen, in the chooser's order
    std::vector<training::Task> tasks;
};

// Draws the paper of a variant: count tasks (kMinTasks..kMaxTasks) of the chosen kinds,
// every kind once before any comes again, in a mixed order, no two tasks alike. Integer
// arithmetic only chooses kinds and seeds, so every machine draws the same paper.
Paper DrawPaper(uint32_t variant, const std::vector<uint32_t>& kinds, int count);

// A variant from any number the caller has at hand (a clock, a random device).
uint32_t FreshVariant(uint64_t entropy);

// The answers a task accepts, as the bounds a person would type: every value between them,
// both included, is judged right.
struct AcceptedRange {
    std::string lo, hi;
};
AcceptedRange AcceptedRangeOf(const training::Task& task);

const char* OutcomeWord(Verdict outcome);  // as a result table writes it

// One task of a test as it went.
struct Row {
    std::string answer;  // what was typed; for Invalid, the last text that was no number
    Verdict outcome = Verdict::None;
    int64_t ms = 0;  // time spent on it
};

// Where the marks begin, in percent of the tasks solved.
struct MarkScale {
    int five = 90;
    int four = 75;
    int three = 60;
};
int MarkOf(int right, int total, const MarkScale& scale = {});

struct Score {
    int right = 0;
    int total = 0;
    int mark = 2;
};
std::string ScoreText(const Score& score);  // "N из M"

// A test in progress: tasks one after another, the first number typed for a task is its
// answer, times taken from the caller's clock (milliseconds, any origin).
class CExam {
  public:
    CExam(Paper paper, int64_t now);

    const Paper& GetPaper() const { return m_paper; }
    const std::vector<Row>& Rows() const { return m_rows; }
    int Current() const { return m_current; }  // the task shown
    bool Finished() const { return m_finished; }
    int64_t Elapsed(int64_t now) const;  // since the start; frozen at the end

    // Takes text as the current task's answer unless it has one: true when taken. Text that
    // is no number is not taken; the row shows it as Invalid until a number replaces it.
    bool Answer(const std::string& text, int64_t now);
    // On to the next task, the current one left as it stands; after the last, the end.
    void Next(int64_t now);
    // Ends early: the tasks not reached stay unanswered.
    void End(int64_t now);

    Score Result(const MarkScale& scale = {}) const;

    bool operator==(const CExam& other) const;

  private:
    void Leave(int64_t now);

    Paper m_paper;
    std::vector<Row> m_rows;
    int m_current = 0;
    bool m_finished = false;
    int64_t m_start = 0;
    int64_t m_taskStart = 0;
    int64_t m_end = 0;
};

// The sheet of a paper's problems (variant, date as given, a line for the name, room for the
// answers) and, from a page of its own, the answer key with the ranges the check accepts and
// the right answers each mark needs: HTML that a rich text engine or a browser prints.
std::string SheetsHtml(const Paper& paper, const std::string& date);

// The result of a test that ended on date, as HTML to print: variant, kinds, the score and
// the mark, and a row a task with the answer given, the range accepted, verdict and time.
std::string ResultHtml(const CExam& exam, const std::string& date);

// The result as CSV for a spreadsheet: UTF-8 with its byte order mark, a header row, one row
// a task, CRLF line ends.
std::string ResultCsv(const CExam& exam);

// What progress keeps of a test that ended on date: its variant and kinds, a row a task with
// what was typed (cut to what a record holds), the verdict and the whole seconds, the score
// and the mark.
TestResult RecordOfTest(const CExam& exam, const std::string& date);

}  // namespace training

// A test in the window: the one running, or the last one that ended, whose result is shown.
struct CTestState {
    std::optional<training::CExam> m_exam;
    uint8_t m_bFromResult = 0;  // a solution shown from a row of the result: it ends on the rule
    int32_t m_nRow = 0;         // that row, 0 the first
};

bool operator==(const CTestState& a, const CTestState& b);
