// The sheets the program writes from the command line hold the problems the same variant
// draws here and sets in the window's test (skalor-replay's `exam`), in order, and after them
// the key with each answer and its accepted range: the PDF's text as pdftotext reads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "training/exam.h"

namespace {

// Text without its blanks and line ends, which the page's layout puts where it likes.
std::string Squeezed(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\xC2\xA0") == 0) {
            ++i;
            continue;
        }
        if (text[i] != ' ' && text[i] != '\n' && text[i] != '\r' && text[i] != '\f' &&
            text[i] != '\t')
            out += text[i];
    }
    return out;
}

// A row of the key: the problem, then its range, with the answer's cell somewhere between
// (the text takes it in where its first line ends). The position after the row, or npos.
std::size_t FindKeyRow(const std::string& text, std::size_t from, const training::Task& task) {
    const training::AcceptedRange range = training::AcceptedRangeOf(task);
    const std::string bounds = Squeezed(range.lo + "–" + range.hi);
    const std::string answer = Squeezed(training::RoundedAnswer(task));
    const std::size_t end = text.find(bounds, from);
    if (end == std::string::npos) {
        ADD_FAILURE() << "no range " << bounds << " for " << task.problem;
        return end;
    }
    const std::string row = text.substr(from, end - from);
    for (std::size_t at = row.find(answer); at != std::string::npos;
         at = row.find(answer, at + 1)) {
        const std::string rest = row.substr(0, at) + row.substr(at + answer.size());
        if (rest.find(Squeezed(task.problem)) != std::string::npos) return end + bounds.size();
    }
    // Where the problem takes more lines than the range, the answer's cell may follow it.
    const std::size_t after = end + bounds.size();
    if (text.compare(after, answer.size(), answer) == 0 &&
        row.find(Squeezed(task.problem)) != std::string::npos)
        return after + answer.size();
    ADD_FAILURE() << "no row " << task.problem << " | " << answer << " | " << bounds;
    return std::string::npos;
}

// Finds each piece after the one before: the position after the last, or npos.
std::size_t FindInOrder(const std::string& text, std::size_t from,
                        const std::vector<std::string>& pieces) {
    if (from == std::string::npos) return from;
    for (const std::string& piece : pieces) {
        const std::size_t at = text.find(Squeezed(piece), from);
        if (at == std::string::npos) {
            ADD_FAILURE() << "not found in order: " << piece;
            return std::string::npos;
        }
        from = at + Squeezed(piece).size();
    }
    return from;
}

}  // namespace

TEST(Sheet, ThePdfSetsTheVariantsProblemsAndItsKey) {
    struct Case {
        const char* variant;
        const char* kinds;
        const char* count;
    };
    const Case cases[] = {{"17", "all", "20"}, {"4242", "wind,35", "7"}, {"99999", "arith", "5"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("variant ") + c.variant + " of " + c.kinds);
        const std::string pdf = "sheet_" + std::string(c.variant) + ".pdf";
        const std::string txt = pdf + ".txt";
        std::remove(pdf.c_str());
        const std::string command = std::string(SKALOR_BINARY) + " --sheet " + c.variant +
                                    " --kinds " + c.kinds + " --count " + c.count + " -o " + pdf +
                                    " && pdftotext -enc UTF-8 " + pdf + " " + txt;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream in(txt);
        std::stringstream read;
        read << in.rdbuf();
        const std::string text = Squeezed(read.str());

        std::vector<uint32_t> kinds;
        std::string error;
        ASSERT_TRUE(training::ParseKinds(c.kinds, kinds, error));
        const training::Paper paper =
            training::DrawPaper(uint32_t(std::atoi(c.variant)), kinds, std::atoi(c.count));
        // The test the window starts with the same choice sets the same problems.
        const std::string test = "test_" + std::string(c.variant) + ".txt";
        const std::string replay = "echo exam " + std::string(c.variant) + " " + c.kinds + " " +
                                   c.count + " | " + SKALOR_REPLAY + " - > " + test;
        ASSERT_EQ(std::system(replay.c_str()), 0) << replay;
        std::ifstream testOut(test);
        std::vector<std::string> problems;
        for (std::string line; std::getline(testOut, line);)
            if (line.compare(0, 8, "problem ") == 0)
                problems.push_back(line.substr(line.find(' ', line.find(' ', 8) + 1) + 1));
        ASSERT_EQ(problems.size(), paper.tasks.size());
        std::vector<std::string> sheet{std::string("Вариант ") + c.variant, "Фамилия, имя"};
        for (std::size_t i = 0; i < paper.tasks.size(); ++i) {
            EXPECT_EQ(problems[i], paper.tasks[i].problem);
            sheet.push_back(problems[i]);
        }
        std::size_t at = FindInOrder(text, 0, sheet);
        at = FindInOrder(text, at, {std::string("Ключ к варианту ") + c.variant});
        for (const training::Task& task : paper.tasks)
            if (at != std::string::npos) at = FindKeyRow(text, at, task);
    }
}
