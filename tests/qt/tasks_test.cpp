// A task through the real window: the answer field is a line edit over the task box, typing
// and Return check the answer, and the field follows the box and goes with it.
#include <QLineEdit>
#include <QListWidget>

#include "qt_support.h"
#include "resources/ids.h"

namespace {

using Tasks = WindowTest;

TEST_F(Tasks, TheAnswerFieldIsARealLineEditAndReturnChecks) {
    Frame().SetNextTaskSeed(1);  // each run draws from its own seed; this one from 1
    FindCommand(*window, ID_TASKS)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return window->ListWidget() != nullptr; }));
    QListWidget* list = window->ListWidget();
    EXPECT_EQ(list->item(0)->text().toUtf8(), QByteArray(" Умножение чисел"));
    EXPECT_EQ(list->count(), 28);
    Tap(165, 215);  // "Начать" on the first kind: 83 * 51 from the session's first seed
    ASSERT_TRUE(WaitUntil([&] { return window->AnswerWidget() != nullptr; }));
    QLineEdit* field = window->AnswerWidget();
    EXPECT_EQ(field->parentWidget(), &View());
    EXPECT_EQ(field->geometry(),
              MapToView(Frame().State().m_tasks.m_layout.field, View().Origin(), View().Factor()));
    EXPECT_TRUE(WaitUntil([&] { return field->hasFocus(); }));

    QTest::keyClicks(field, "4 233");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(Frame().State().m_tasks.m_verdict.m_nKind, training::Verdict::Right);
    EXPECT_EQ(Frame().State().m_tasks.m_nSolved, 1);
    field->setText("12x");
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(Frame().State().m_tasks.m_verdict.m_nKind, training::Verdict::Invalid);

    // The switch moves the box, and the field with it.
    const CRect flip = Frame().State().m_tasks.m_layout.flip;
    Tap((flip.left + flip.right) / 2, (flip.top + flip.bottom) / 2);
    EXPECT_EQ(field->geometry(),
              MapToView(Frame().State().m_tasks.m_layout.field, View().Origin(), View().Factor()));
    EXPECT_LT(Frame().State().m_tasks.m_layout.box.top, 10);

    // Keys typed into the field are its own, Left among them; Ctrl+E still opens the chooser,
    // which stows the field, and Escape there gives the task back.
    field->setFocus();
    const int32_t slide = Frame().State().m_rule.m_nSlide;
    QTest::keyClick(field, Qt::Key_Left);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, slide);
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(Frame().Current(), Activity::TaskChooser);
    EXPECT_EQ(window->AnswerWidget(), nullptr);
    QTest::keyClick(&View(), Qt::Key_Escape);
    EXPECT_NE(Frame().Current(), Activity::TaskChooser);
    ASSERT_TRUE(WaitUntil([&] { return window->AnswerWidget() != nullptr; }));
    field = window->AnswerWidget();
    EXPECT_EQ(field->text(), QStringLiteral("12x"));  // what it held comes back

    // A click on the rule (below the box, which the switch put at the top) takes the keys from
    // the field: Left moves the slide again.
    ASSERT_LT(Frame().State().m_tasks.m_layout.box.bottom, 200);
    Tap(120, 230);
    ASSERT_TRUE(WaitUntil([&] { return !field->hasFocus(); }));
    const int32_t before = Frame().State().m_rule.m_nSlide;
    QTest::keyClick(&View(), Qt::Key_Left);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, before + 1);
    // A click on the box gives them back.
    Tap(Frame().State().m_tasks.m_layout.text.left + 4,
        Frame().State().m_tasks.m_layout.text.top + 4);
    ASSERT_TRUE(WaitUntil([&] { return field->hasFocus(); }));

    // Escape in the field closes the task.
    ASSERT_TRUE(WaitUntil([&] { return field->hasFocus(); }));
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(Frame().TaskOpen());
    EXPECT_EQ(window->AnswerWidget(), nullptr);
    Frame().StartTask(2, 1);
    window->UpdateWindow();
    ASSERT_TRUE(WaitUntil([&] { return window->AnswerWidget() != nullptr; }));

    // "Закрыть": the box and its field go.
    const CRect close = Frame().State().m_tasks.m_layout.buttons[2];
    Tap((close.left + close.right) / 2, (close.top + close.bottom) / 2);
    EXPECT_EQ(window->AnswerWidget(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return View().findChildren<QLineEdit*>().isEmpty(); }));
}

}  // namespace
