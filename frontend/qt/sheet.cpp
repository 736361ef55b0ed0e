#include "frontend/qt/sheet.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// The fewest right answers that earn each mark, for the key: "«5» от 18, ...".
QString MarkThresholds(int total) {
    QString text;
    for (int mark = 5; mark >= 3; --mark) {
        int right = 0;
        while (right < total && exam::MarkOf(right, total) < mark) ++right;
        if (exam::MarkOf(right, total) < mark) continue;
        text += QStringLiteral("«%1» от %2 верных; ").arg(mark).arg(right);
    }
    return text + QStringLiteral("иначе «2»");
}

// One table of the paper: a header row, repeated on every page, then a row a task with its
// cells.
template <typename Cells>
QString Table(int padding, const QString& header, const exam::Paper& paper, Cells cells) {
    QString html = QStringLiteral(
                       "<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"%1\" style=\"border-collapse: collapse\">")
                       .arg(padding) +
                   QStringLiteral("<thead>") + header + QStringLiteral("</thead>");
    for (std::size_t i = 0; i < paper.tasks.size(); ++i)
        html += QStringLiteral("<tr><td align=\"center\">%1</td><td>%2</td>%3</tr>")
                    .arg(i + 1)
                    .arg(Html(paper.tasks[i].problem), cells(paper.tasks[i]));
    return html + QStringLiteral("</table>");
}

}  // namespace

QString SheetsHtml(const exam::Paper& paper, const QDate& date) {
    const QString variant = QString::number(paper.variant);
    QString html = QStringLiteral(
                       "<h2>Зачёт по навигационной линейке. Вариант %1</h2>"
                       "<p>Дата: %2</p>"
                       "<p>Фамилия, имя: ______________________________________ "
                       "Группа: ____________</p>"
                       "<p>Решите задачи на линейке и впишите ответы.</p>")
                       .arg(variant, date.toString(QStringLiteral("dd.MM.yyyy")));
    html += Table(7,
                  QStringLiteral("<tr><th width=\"6%\">№</th><th>Задача</th>"
                                 "<th width=\"24%\">Ответ</th></tr>"),
                  paper, [](const tasks::Task&) { return QStringLiteral("<td><br><br></td>"); });

    html += QStringLiteral(
                "<h2 style=\"page-break-before: always\">Ключ к варианту %1</h2>"
                "<p>Задачи: %2; задач: %3. Оценка: %4.</p>")
                .arg(variant, Html(exam::KindsText(paper.kinds)))
                .arg(paper.tasks.size())
                .arg(MarkThresholds(int(paper.tasks.size())));
    html += Table(3,
                  QStringLiteral("<tr><th width=\"6%\">№</th><th>Задача</th>"
                                 "<th width=\"11%\">Ответ</th><th width=\"21%\">Принимается</th>"
                                 "</tr>"),
                  paper, [](const tasks::Task& task) {
                      const exam::AcceptedRange range = exam::AcceptedRangeOf(task);
                      return QStringLiteral("<td>%1</td><td>%2&nbsp;–&nbsp;%3</td>")
                          .arg(Html(tasks::RoundedAnswer(task)), Html(range.lo), Html(range.hi));
                  });
    return html;
}

void PrintSheets(const exam::Paper& paper, const QDate& date, QPagedPaintDevice& device) {
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setHtml(SheetsHtml(paper, date));
    document.print(&device);
}

QString WriteSheetsPdf(const exam::Paper& paper, const QDate& date, const QString& path) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        // The document keeps margins of its own.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Зачёт, вариант %1").arg(paper.variant));
        writer.setCreator(QStringLiteral("Skalor"));
        PrintSheets(paper, date, writer);
    }  // the writer finishes the file as it goes
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.data()) != pdf.data().size() ||
        !file.commit())
        return file.errorString();
    return {};
}
