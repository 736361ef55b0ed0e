// The dialogs of a test of several tasks ("Зачёт"): the choice of kinds, count and variant
// that starts a test or prints a variant's sheets, and the result of the test that ended.
#pragma once

#include <QDialog>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "training/exam.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

// The kinds grouped as the lessons are, a box for each group and each kind in it; the number
// of tasks; the variant, whose empty field means a fresh one.
class CTestChoice : public QWidget {
  public:
    explicit CTestChoice(QWidget* parent = nullptr);

    std::vector<uint32_t> Kinds() const;
    int Count() const;
    // The variant typed, or a fresh one, then shown in the field so that it can be noted.
    uint32_t TakeVariant();

  private:
    struct Group {
        QCheckBox* box;
        std::vector<std::pair<QCheckBox*, uint32_t>> kinds;
    };
    std::vector<Group> m_groups;
    QSpinBox* m_count = nullptr;
    QLineEdit* m_variant = nullptr;
};

// "Зачёт": true with the test's paper chosen when the user starts it.
bool ChooseTest(QWidget* parent, uint32_t& variant, std::vector<uint32_t>& kinds, int& count);

// "Печать заданий": the choice, then a printer or a PDF file.
void PrintSheetsDialog(QWidget* parent);

// The result: its table, a row's "Показать" calls show(row); CSV and printing.
class CTestResultDialog : public QDialog {
  public:
    CTestResultDialog(const training::CExam& exam, std::function<void(int)> show, QWidget* parent);

  private:
    void SaveCsv();
    void Print();

    training::CExam m_exam;
};
