// A test of several tasks through the real window: its dialog starts the variant typed, the
// panel's answer field takes the first number, Escape asks and "Да" ends the test, and the result's
// table has a row a task whose "Показать" plays that task's solution.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "frontend/qt/task_panel.h"
#include "frontend/qt/test_dialogs.h"
#include "qt_support.h"
#include "resources/ids.h"

namespace {

using Exam = WindowTest;

// Does to the next modal dialog what act does, from the event loop of its exec().
void OnNextModal(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(50, [act] {
        if (QWidget* modal = QApplication::activeModalWidget()) act(modal);
    });
}

QPushButton* ButtonNamed(QWidget* in, const char* caption) {
    for (QPushButton* b : in->findChildren<QPushButton*>())
        if (b->text() == QString::fromUtf8(caption)) return b;
    return nullptr;
}

TEST_F(Exam, FromTheDialogToTheResultsSolution) {
    OnNextModal([](QWidget* dialog) {
        // Only the turns: two kinds, five tasks of variant 17.
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (box->text() != QStringLiteral("Развороты") && box->font().bold() &&
                box->isChecked())
                box->click();
        dialog->findChild<QLineEdit*>(QStringLiteral("variant"))->setText(QStringLiteral("17"));
        ButtonNamed(dialog, "Начать")->click();
    });
    FindCommand(*window, ID_TEST)->trigger();
    ASSERT_EQ(Frame().Current(), Activity::Test);
    const training::CExam& exam = *Frame().State().m_test.m_exam;
    EXPECT_EQ(exam.GetPaper().variant, 17u);
    EXPECT_EQ(exam.GetPaper().kinds, (std::vector<uint32_t>{35, 36}));
    EXPECT_EQ(exam.Rows().size(), 10u);  // the dialog's count at first
    EXPECT_FALSE(FindCommand(*window, ID_TASKS)->isEnabled());

    // The task stands in the same panel as a practice task, in the test's words.
    CTaskPanel& panel = window->Panel();
    QLineEdit* field = panel.Field();
    ASSERT_TRUE(WaitUntil([&] { return field->isVisible() && field->hasFocus(); }));
    EXPECT_EQ(panel.Button(1)->text(), QStringLiteral("Следующая"));
    EXPECT_TRUE(panel.Count()->text().startsWith(QStringLiteral("Задача 1 из 10, 0:0")));
    const std::string right = training::AcceptedRangeOf(exam.GetPaper().tasks[0]).lo;
    QTest::keyClicks(field, QString::fromStdString(right));
    QTest::keyClick(field, Qt::Key_Return);
    // Taken: no second try, the field goes and "Проверить" greys.
    ASSERT_TRUE(WaitUntil([&] { return !field->isVisible(); }));
    EXPECT_FALSE(panel.Button(0)->isEnabled());
    EXPECT_EQ(panel.Verdict()->text(), QString::fromStdString("Ответ принят: " + right));
    if (const QString shots = qEnvironmentVariable("SKALOR_EXAM_SHOTS"); !shots.isEmpty())
        window->grab().save(QDir(shots).filePath(QStringLiteral("exam-panel.png")));
    field->setText(QStringLiteral("1"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(exam.Rows()[0].outcome, training::Verdict::Right);
    EXPECT_EQ(exam.Rows()[0].answer, right);

    // Escape asks; "Нет" goes on, "Да" ends the test and shows its result.
    int asked = 0;
    const auto answer = [&](QMessageBox::StandardButton which) {
        OnNextModal([&, which](QWidget* box) {
            ++asked;
            static_cast<QMessageBox*>(box)->button(which)->click();
        });
        QTest::keyClick(field, Qt::Key_Escape);
    };
    answer(QMessageBox::No);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Frame().Current(), Activity::Test);
    answer(QMessageBox::Yes);
    ASSERT_TRUE(WaitUntil([&] { return Frame().Current() == Activity::RuleFree; }));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Frame().Progress().Tests().back().score, 1);  // kept with the progress

    CTestResultDialog* result = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        result = window->findChild<CTestResultDialog*>();
        return result && result->isVisible();
    }));
    auto* table = result->findChild<QTableWidget*>();
    ASSERT_EQ(table->rowCount(), 10);
    EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("верно"));
    EXPECT_EQ(table->item(1, 3)->text(), QStringLiteral("нет ответа"));
    static_cast<QPushButton*>(table->cellWidget(3, 5))->click();
    EXPECT_EQ(Frame().Current(), Activity::Solution);
    EXPECT_EQ(Frame().State().m_steps.m_nShowStep, 0);
}

}  // namespace
