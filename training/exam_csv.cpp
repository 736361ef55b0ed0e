// The result of a test as CSV for the instructor's spreadsheet.
#include <string>

#include "training/exam.h"

namespace training {

namespace {

// A field quoted where it must be: a comma, a quote, a line end or blanks at its edges.
std::string Field(const std::string& text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// What a learner typed that is no number is shown as text: a leading =, +, - or @ would make
// a spreadsheet run it as a formula.
std::string Typed(const Row& row) {
    const bool number = row.outcome == Verdict::Right || row.outcome == Verdict::Wrong;
    if (!number && !row.answer.empty() &&
        std::string("=+-@\t\r").find(row.answer[0]) != std::string::npos)
        return "'" + row.answer;
    return row.answer;
}

}  // namespace

std::string ResultCsv(const CExam& exam) {
    std::string csv = "\xEF\xBB\xBF";  // the byte order mark: spreadsheets then read UTF-8
    const char* const header[] = {"№",    "Задача",  "Ответ", "Принимается от", "Принимается до",
                                  "Итог", "Время, с"};
    for (const char* name : header) csv += Field(name) + (name == header[6] ? "\r\n" : ",");
    const Paper& paper = exam.GetPaper();
    for (std::size_t i = 0; i < exam.Rows().size(); ++i) {
        const Row& row = exam.Rows()[i];
        const training::Task& task = paper.tasks[i];
        const AcceptedRange range = AcceptedRangeOf(task);
        csv += std::to_string(i + 1) + "," + Field(task.problem) + "," + Field(Typed(row)) + "," +
               Field(range.lo) + "," + Field(range.hi) + "," + OutcomeWord(row.outcome) + "," +
               std::to_string((row.ms + 500) / 1000) + "\r\n";
    }
    return csv;
}

}  // namespace training
