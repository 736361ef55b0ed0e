// The sheets of a variant for a class as HTML: the desktop prints it with its rich text
// engine, the page with the browser's print view.
#include <string>

#include "training/exam.h"

namespace training {

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// The fewest right answers that earn each mark: "«5» от 18 верных; ...".
std::string MarkThresholds(int total) {
    std::string text;
    for (int mark = 5; mark >= 3; --mark) {
        int right = 0;
        while (right < total && MarkOf(right, total) < mark) ++right;
        if (MarkOf(right, total) < mark) continue;
        text += "«" + std::to_string(mark) + "» от " + std::to_string(right) + " верных; ";
    }
    return text + "иначе «2»";
}

// One table of the paper: a header row, repeated on every page it runs onto, then a row a
// task: its number, its problem and the cells `cells` gives it.
template <typename Cells>
std::string Table(int padding, const std::string& header, const Paper& paper, Cells cells) {
    std::string html = "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"" +
                       std::to_string(padding) +
                       "\" style=\"border-collapse: collapse\"><thead><tr><th width=\"6%\">№</th>"
                       "<th>Задача</th>" +
                       header + "</tr></thead>";
    for (std::size_t i = 0; i < paper.tasks.size(); ++i)
        html += "<tr><td align=\"center\">" + std::to_string(i + 1) + "</td><td>" +
                Escaped(paper.tasks[i].problem) + "</td>" + cells(paper.tasks[i]) + "</tr>";
    return html + "</table>";
}

}  // namespace

std::string SheetsHtml(const Paper& paper, const std::string& date) {
    const std::string variant = std::to_string(paper.variant);
    std::string html = "<h2>Зачёт по навигационной линейке. Вариант " + variant +
                       "</h2><p>Дата: " + Escaped(date) +
                       "</p><p>Фамилия, имя: ________________________________ "
                       "Группа: ____________</p><p>Решите задачи на линейке и впишите ответы.</p>";
    html += Table(7, "<th width=\"24%\">Ответ</th>", paper,
                  [](const training::Task&) { return std::string("<td><br><br></td>"); });

    html += "<h2 style=\"page-break-before: always\">Ключ к варианту " + variant +
            "</h2><p>Задачи: " + Escaped(KindsText(paper.kinds)) +
            "; задач: " + std::to_string(paper.tasks.size()) +
            ". Оценка: " + MarkThresholds(int(paper.tasks.size())) + ".</p>";
    html += Table(3, "<th width=\"11%\">Ответ</th><th width=\"21%\">Принимается</th>", paper,
                  [](const training::Task& task) {
                      const AcceptedRange range = AcceptedRangeOf(task);
                      return "<td>" + Escaped(training::RoundedAnswer(task)) + "</td><td>" +
                             Escaped(range.lo) + "&nbsp;–&nbsp;" + Escaped(range.hi) + "</td>";
                  });
    return html;
}

std::string ResultHtml(const CExam& exam, const std::string& date) {
    const Paper& paper = exam.GetPaper();
    const Score score = exam.Result();
    std::string html = "<h2>Зачёт по навигационной линейке. Вариант " +
                       std::to_string(paper.variant) + "</h2><p>Дата: " + Escaped(date) +
                       ". Задачи: " + Escaped(KindsText(paper.kinds)) +
                       ". Время: " + std::to_string((exam.Elapsed(0) + 500) / 1000) + " с.</p>";
    html += "<p><b>Решено " + ScoreText(score) + ", оценка «" + std::to_string(score.mark) +
            "»</b></p>";
    html += Table(3,
                  "<th width=\"12%\">Ответ</th><th width=\"20%\">Принимается</th>"
                  "<th width=\"10%\">Итог</th><th width=\"8%\">Время, с</th>",
                  paper, [&, i = std::size_t(0)](const training::Task& task) mutable {
                      const Row& row = exam.Rows()[i++];
                      const AcceptedRange range = AcceptedRangeOf(task);
                      return "<td>" + Escaped(row.answer) + "</td><td>" + Escaped(range.lo) +
                             "&nbsp;–&nbsp;" + Escaped(range.hi) + "</td><td>" +
                             OutcomeWord(row.outcome) + "</td><td align=\"right\">" +
                             std::to_string((row.ms + 500) / 1000) + "</td>";
                  });
    return html;
}

}  // namespace training
