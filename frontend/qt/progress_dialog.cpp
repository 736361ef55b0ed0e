#include "frontend/qt/progress_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <iterator>

#include "app/main_frame.h"
#include "training/progress_table.h"

namespace {

// A group's heading row spans the table: "Уроки", then "Задачи".
void AddHeading(QTableWidget& table, const char* text) {
    const int row = table.rowCount();
    table.insertRow(row);
    auto* item = new QTableWidgetItem(QString::fromUtf8(text));
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
    table.setItem(row, 0, item);
    table.setSpan(row, 0, 1, table.columnCount());
}

void Fill(QTableWidget& table, const training::CProgress& progress) {
    table.setRowCount(0);
    table.clearSpans();
    bool lessons = false, kinds = false;
    for (const training::ProgressRow& r : training::ProgressRows(progress)) {
        if (r.lesson && !lessons) AddHeading(table, "Уроки"), lessons = true;
        if (!r.lesson && !kinds) AddHeading(table, "Задачи: верно с первого ответа"), kinds = true;
        const int row = table.rowCount();
        table.insertRow(row);
        const std::string cells[] = {r.title, r.count, r.date};
        for (int c = 0; c < int(std::size(cells)); ++c)
            table.setItem(row, c, new QTableWidgetItem(QString::fromStdString(cells[c])));
    }
}

}  // namespace

void ShowProgressDialog(QWidget* parent, CMainFrame& frame) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ProgressDialog"));
    dialog.setWindowTitle(QString::fromUtf8(training::kProgressTitle));
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(0, int(std::size(training::kProgressColumns)), &dialog);
    table->setObjectName(QStringLiteral("ProgressTable"));
    QStringList captions;
    for (const char* c : training::kProgressColumns) captions << QString::fromUtf8(c);
    table->setHorizontalHeaderLabels(captions);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(table);

    // The program's own captions: Qt's standard buttons would speak the toolkit's language.
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    QPushButton* reset = buttons->addButton(QString(), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("ResetProgress"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    const auto refresh = [&] {
        Fill(*table, frame.Progress());
        reset->setText(QString::fromUtf8(frame.CanUndoResetProgress() ? training::kUndoResetCaption
                                                                      : training::kResetCaption));
    };
    QObject::connect(reset, &QPushButton::clicked, &dialog, [&] {
        if (frame.CanUndoResetProgress()) {
            frame.UndoResetProgress();
        } else {
            QMessageBox ask(QMessageBox::Question, QString::fromUtf8(training::kResetCaption),
                            QString::fromUtf8(training::kResetQuestion),
                            QMessageBox::Yes | QMessageBox::No, &dialog);
            ask.button(QMessageBox::Yes)->setText(QStringLiteral("Сбросить"));
            ask.button(QMessageBox::No)->setText(QStringLiteral("Оставить"));
            ask.setDefaultButton(QMessageBox::No);
            const int answer = ask.exec();
            if (answer != QMessageBox::Yes) return;
            frame.ResetProgress();
        }
        refresh();
    });
    refresh();
    dialog.resize(parent ? std::max(parent->width(), 520) : 520, 480);
    dialog.exec();
}
