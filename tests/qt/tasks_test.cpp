// A task through the real window: its panel stands beside the client area (or below it) with
// real labels, a line edit and push buttons; typing and "Проверить" or Return check the
// answer, and the panel follows the task through a chooser and a shown solution.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "frontend/qt/task_panel.h"
#include "qt_support.h"
#include "resources/ids.h"
#include "training/task_box.h"

namespace {

using Tasks = WindowTest;

TEST_F(Tasks, ThePanelBesideTheRuleHasRealControlsAndChecksTheAnswer) {
    Frame().SetNextTaskSeed(1);  // each run draws from its own seed; this one from 1
    const int narrow = window->width();
    FindCommand(*window, ID_TASKS)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return window->ListWidget() != nullptr; }));
    Tap(165, 215);  // "Начать" on the first kind: 83 × 51 from the session's first seed
    CTaskPanel& panel = window->Panel();
    ASSERT_TRUE(WaitUntil([&] { return panel.isVisible(); }));
    const CTaskState& task = Frame().State().m_tasks;
    EXPECT_EQ(panel.Problem()->text().toStdString(), task.m_task.problem);
    EXPECT_EQ(panel.Count()->text(), QStringLiteral("Решено 0 из 1"));
    const char* const captions[] = {"Проверить", "Показать", "Закрыть"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(panel.Button(i)->text(), QString::fromUtf8(captions[i]));
        EXPECT_TRUE(panel.Button(i)->isEnabled());
    }
    // Beside the client area where the screen is wide enough, else below it: never over it,
    // and the window grows to hold it.
    const QRect rule = View().geometry(), beside = panel.geometry();
    EXPECT_FALSE(rule.intersects(beside));
    EXPECT_TRUE(window->PanelBeside() ? beside.left() >= rule.right()
                                      : beside.top() >= rule.bottom());
    EXPECT_EQ(View().Factor(), 2);
    EXPECT_GT(window->width() + window->height(), narrow + View().height());

    // The field has the keys; "Проверить" checks what it holds and the labels say so.
    QLineEdit* field = panel.Field();
    ASSERT_TRUE(WaitUntil([&] { return field->hasFocus(); }));
    QTest::keyClicks(field, "4 233");
    QTest::mouseClick(panel.Button(0), Qt::LeftButton);
    EXPECT_EQ(task.m_verdict.m_nKind, training::Verdict::Right);
    ASSERT_TRUE(
        WaitUntil([&] { return panel.Count()->text() == QStringLiteral("Решено 1 из 1"); }));
    EXPECT_EQ(panel.Verdict()->text(), QStringLiteral("Верно"));
    EXPECT_TRUE(field->hasFocus());  // a click on a button leaves the keys in the field
    field->setText("12x");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(task.m_verdict.m_nKind, training::Verdict::Invalid);
    ASSERT_TRUE(WaitUntil(
        [&] { return panel.Verdict()->text().toStdString() == VerdictText(task.m_verdict); }));

    // Keys typed into the field are its own, Left among them; Ctrl+E still opens the chooser,
    // which greys the panel, and Escape there gives the task back with what the field held.
    const int32_t slide = Frame().State().m_rule.m_nSlide;
    QTest::keyClick(field, Qt::Key_Left);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, slide);
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(Frame().Current(), Activity::TaskChooser);
    ASSERT_TRUE(WaitUntil([&] { return !field->isVisible(); }));
    EXPECT_FALSE(panel.Button(2)->isEnabled());
    QTest::keyClick(window->ListWidget(), Qt::Key_Escape);
    ASSERT_TRUE(WaitUntil([&] { return field->isVisible() && field->hasFocus(); }));
    EXPECT_EQ(field->text(), QStringLiteral("12x"));

    // A click on the rule, on the cursor's grip row at the bottom, takes the keys from the
    // field: Left moves the slide again. A click into the field gives them back.
    Tap(200, 262);
    ASSERT_TRUE(WaitUntil([&] { return !field->hasFocus(); }));
    const int32_t before = Frame().State().m_rule.m_nSlide;
    QTest::keyClick(&View(), Qt::Key_Left);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, before + 1);
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return field->hasFocus(); }));

    // "Показать" plays the solution over the rule; the problem stays in the panel.
    QTest::mouseClick(panel.Button(1), Qt::LeftButton);
    EXPECT_EQ(Frame().Current(), Activity::Solution);
    ASSERT_TRUE(WaitUntil([&] { return !field->isVisible(); }));
    EXPECT_FALSE(panel.Button(0)->isEnabled());
    EXPECT_EQ(panel.Problem()->text().toStdString(), task.m_task.problem);
    QTest::keyClick(&View(), Qt::Key_Escape);
    ASSERT_TRUE(WaitUntil([&] { return field->isVisible() && field->hasFocus(); }));

    // "Закрыть": the panel goes, and the window is as narrow as before.
    QTest::mouseClick(panel.Button(2), Qt::LeftButton);
    EXPECT_FALSE(Frame().TaskOpen());
    ASSERT_TRUE(WaitUntil([&] { return !panel.isVisible(); }));
    EXPECT_TRUE(WaitUntil([&] { return window->width() == narrow; }))
        << window->width() << " " << narrow << " " << window->sizeHint().width();
}

}  // namespace
