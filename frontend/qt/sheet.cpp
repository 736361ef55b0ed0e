#include "frontend/qt/sheet.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

void PrintSheets(const training::Paper& paper, const QDate& date, QPagedPaintDevice& device) {
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setHtml(QString::fromStdString(
        training::SheetsHtml(paper, date.toString(QStringLiteral("dd.MM.yyyy")).toStdString())));
    document.print(&device);
}

QString WriteSheetsPdf(const training::Paper& paper, const QDate& date, const QString& path) {
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
