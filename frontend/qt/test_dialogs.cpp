#include "frontend/qt/test_dialogs.h"

#include <QCheckBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "frontend/qt/sheet.h"
#include "training/lesson_list.h"

namespace {

QString Title(uint32_t key) {
    for (int i = 0; kLessonList[i].key != 0; ++i)
        if (kLessonList[i].key == key) return QString::fromUtf8(kLessonList[i].pszText).trimmed();
    return QString::number(key);
}

QString Today() { return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")); }

}  // namespace

CTestChoice::CTestChoice(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    for (int g = 0; g < training::kKindGroupCount; ++g) {
        const training::KindGroup& group = training::kKindGroups[g];
        Group entry{new QCheckBox(QString::fromUtf8(group.title), this), {}};
        entry.box->setTristate(false);
        entry.box->setChecked(true);
        QFont bold = entry.box->font();
        bold.setBold(true);
        entry.box->setFont(bold);
        auto* column = new QVBoxLayout;
        column->addWidget(entry.box);
        for (const uint32_t* k = group.keys; *k; ++k) {
            auto* kind = new QCheckBox(Title(*k), this);
            kind->setChecked(true);
            kind->setStyleSheet(QStringLiteral("margin-left: 18px"));
            column->addWidget(kind);
            entry.kinds.emplace_back(kind, *k);
        }
        column->addStretch();
        // The group's box checks or clears its kinds; the kinds show in it whether all are.
        QCheckBox* box = entry.box;
        const auto kinds = entry.kinds;
        connect(box, &QCheckBox::clicked, this, [kinds](bool on) {
            for (const auto& other : kinds) other.first->setChecked(on);
        });
        for (const auto& entryKind : kinds)
            connect(entryKind.first, &QCheckBox::toggled, this, [box, kinds] {
                int on = 0;
                for (const auto& other : kinds) on += other.first->isChecked();
                box->setCheckState(on == 0                   ? Qt::Unchecked
                                   : on == int(kinds.size()) ? Qt::Checked
                                                             : Qt::PartiallyChecked);
            });
        grid->addLayout(column, g / 3, g % 3);
        m_groups.push_back(std::move(entry));
    }
    auto* form = new QFormLayout;
    layout->addLayout(form);
    m_count = new QSpinBox(this);
    m_count->setRange(training::kMinTasks, training::kMaxTasks);
    m_count->setValue(10);
    form->addRow(QStringLiteral("Число задач:"), m_count);
    m_variant = new QLineEdit(this);
    m_variant->setObjectName(QStringLiteral("variant"));
    m_variant->setValidator(
        new QIntValidator(int(training::kMinVariant), int(training::kMaxVariant), m_variant));
    m_variant->setPlaceholderText(QStringLiteral("пусто: новый"));
    form->addRow(QStringLiteral("Вариант:"), m_variant);
}

std::vector<uint32_t> CTestChoice::Kinds() const {
    std::vector<uint32_t> keys;
    for (const Group& group : m_groups)
        for (const auto& [kind, key] : group.kinds)
            if (kind->isChecked()) keys.push_back(key);
    return keys;
}

int CTestChoice::Count() const { return m_count->value(); }

uint32_t CTestChoice::TakeVariant() {
    bool number = false;
    const uint32_t typed = m_variant->text().toUInt(&number);
    if (number && typed >= training::kMinVariant && typed <= training::kMaxVariant) return typed;
    const uint32_t fresh = training::FreshVariant(QRandomGenerator::system()->generate64());
    m_variant->setText(QString::number(fresh));
    return fresh;
}

namespace {

// A dialog around the choice with the given buttons; a press on one with no kinds chosen
// says so and keeps the dialog open.
bool NoKinds(QWidget* parent, const CTestChoice& choice) {
    if (!choice.Kinds().empty()) return false;
    QMessageBox::information(parent, QStringLiteral("Зачёт"),
                             QStringLiteral("Выберите хотя бы один вид задач."));
    return true;
}

}  // namespace

bool ChooseTest(QWidget* parent, uint32_t& variant, std::vector<uint32_t>& kinds, int& count) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Зачёт"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* choice = new CTestChoice(&dialog);
    layout->addWidget(choice);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("Начать"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Отменить"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (!NoKinds(&dialog, *choice)) dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return false;
    variant = choice->TakeVariant();
    kinds = choice->Kinds();
    count = choice->Count();
    return true;
}

void PrintSheetsDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Печать заданий"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* choice = new CTestChoice(&dialog);
    layout->addWidget(choice);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* print =
        buttons->addButton(QStringLiteral("Печать..."), QDialogButtonBox::ActionRole);
    QPushButton* pdf =
        buttons->addButton(QStringLiteral("Сохранить PDF..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    const auto paper = [&] {
        const uint32_t variant = choice->TakeVariant();
        return training::DrawPaper(variant, choice->Kinds(), choice->Count());
    };
    QObject::connect(print, &QPushButton::clicked, &dialog, [&] {
        if (NoKinds(&dialog, *choice)) return;
        const training::Paper p = paper();
        QPrinter printer;
        printer.setDocName(QStringLiteral("Зачёт, вариант %1").arg(p.variant));
        QPrintDialog ask(&printer, &dialog);
        if (ask.exec() == QDialog::Accepted) PrintSheets(p, QDate::currentDate(), printer);
    });
    QObject::connect(pdf, &QPushButton::clicked, &dialog, [&] {
        if (NoKinds(&dialog, *choice)) return;
        const training::Paper p = paper();
        const QString path = QFileDialog::getSaveFileName(
            &dialog, QStringLiteral("Сохранить PDF"),
            QStringLiteral("variant%1.pdf").arg(p.variant), QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty()) return;
        const QString error = WriteSheetsPdf(p, QDate::currentDate(), path);
        if (!error.isEmpty())
            QMessageBox::warning(&dialog, QStringLiteral("Печать заданий"),
                                 QStringLiteral("Не удалось записать %1: %2").arg(path, error));
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.exec();
}

CTestResultDialog::CTestResultDialog(const training::CExam& exam, std::function<void(int)> show,
                                     QWidget* parent)
    : QDialog(parent), m_exam(exam) {
    setWindowTitle(QStringLiteral("Результат зачёта"));
    setAttribute(Qt::WA_DeleteOnClose);
    const training::Score score = exam.Result();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Вариант %1. Решено %2, оценка «%3»")
                                     .arg(exam.GetPaper().variant)
                                     .arg(QString::fromStdString(training::ScoreText(score)))
                                     .arg(score.mark),
                                 this));
    const QStringList header = {QStringLiteral("Задача"),      QStringLiteral("Ответ"),
                                QStringLiteral("Принимается"), QStringLiteral("Итог"),
                                QStringLiteral("Время, с"),    QString()};
    auto* table = new QTableWidget(int(exam.Rows().size()), header.size(), this);
    table->setHorizontalHeaderLabels(header);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(true);
    for (int i = 0; i < int(exam.Rows().size()); ++i) {
        const training::Task& task = exam.GetPaper().tasks[std::size_t(i)];
        const training::Row& row = exam.Rows()[std::size_t(i)];
        const training::AcceptedRange range = training::AcceptedRangeOf(task);
        const QString cells[] = {QString::fromStdString(task.problem),
                                 QString::fromStdString(row.answer),
                                 QString::fromStdString(range.lo + " – " + range.hi),
                                 QString::fromUtf8(training::OutcomeWord(row.outcome)),
                                 QString::number((row.ms + 500) / 1000)};
        for (int c = 0; c < 5; ++c) table->setItem(i, c, new QTableWidgetItem(cells[c]));
        auto* button = new QPushButton(QStringLiteral("Показать"), table);
        connect(button, &QPushButton::clicked, this, [show, i] { show(i); });
        table->setCellWidget(i, 5, button);
    }
    // The problem takes the width left; each row is as tall as its problem then needs.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(table->horizontalHeader(), &QHeaderView::geometriesChanged, table,
            [table] { table->resizeRowsToContents(); });
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* csv =
        buttons->addButton(QStringLiteral("Сохранить CSV..."), QDialogButtonBox::ActionRole);
    QPushButton* print =
        buttons->addButton(QStringLiteral("Печать..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    connect(csv, &QPushButton::clicked, this, &CTestResultDialog::SaveCsv);
    connect(print, &QPushButton::clicked, this, &CTestResultDialog::Print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(760, 480);
}

void CTestResultDialog::SaveCsv() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить CSV"),
                                     QStringLiteral("zachet-%1.csv").arg(m_exam.GetPaper().variant),
                                     QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    const std::string csv = training::ResultCsv(m_exam);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), qint64(csv.size())) != qint64(csv.size()) || !file.commit())
        QMessageBox::warning(
            this, QStringLiteral("Результат зачёта"),
            QStringLiteral("Не удалось записать %1: %2").arg(path, file.errorString()));
}

void CTestResultDialog::Print() {
    QPrinter printer;
    printer.setDocName(QStringLiteral("Зачёт, вариант %1").arg(m_exam.GetPaper().variant));
    QPrintDialog ask(&printer, this);
    if (ask.exec() != QDialog::Accepted) return;
    QTextDocument document;
    document.setHtml(QString::fromStdString(training::ResultHtml(m_exam, Today().toStdString())));
    document.print(&printer);
}
