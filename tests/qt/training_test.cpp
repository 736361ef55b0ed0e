// Training through the real window: the chooser's list widget, starting lesson 2 from it and
// stepping through to the end with the step box's button.
#include <QAccessible>
#include <QBackingStore>
#include <QListWidget>

#include "qt_support.h"
#include "resources/ids.h"
#include "training/step_table.h"

namespace {

class Training : public WindowTest {
  protected:
    QListWidget* OpenChooser() {
        FindCommand(*window, ID_TRAINING)->trigger();
        // The list comes with the first paint after the opening.
        if (!WaitUntil([&] { return window->ListWidget() != nullptr; })) return nullptr;
        return window->ListWidget();
    }
    void PressStepButton() {
        const CRect box = kStepTable[Frame().State().m_steps.m_nStep].rcBox;
        const int cx = box.left + (box.right - box.left + 1) / 2;
        Tap(cx, box.bottom - 25);
    }
};

TEST_F(Training, TheListWidgetLivesOnlyWhileTheChooserIsOpen) {
    EXPECT_EQ(window->ListWidget(), nullptr);
    QListWidget* list = OpenChooser();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->parentWidget(), &View());
    EXPECT_EQ(list->geometry(), MapToView({15, 30, 225, 200}, View().Origin(), View().Factor()));
    ASSERT_EQ(list->count(), 36);
    EXPECT_EQ(list->item(0)->text().toUtf8(), QByteArray(" Обзор шкал Skalor"));
    EXPECT_EQ(list->item(30)->data(Qt::UserRole).toInt(), 32);  // key 32 before key 31
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(FindCommand(*window, ID_TRAINING)->isEnabled());
    // The frame is composed into the window's image under the list; a repaint of the frame
    // leaves the list showing over it, its first title selected.
    window->UpdateWindow();
    const QImage* backing = dynamic_cast<const QImage*>(window->backingStore()->paintDevice());
    ASSERT_NE(backing, nullptr);
    const QRect row5 = list->visualItemRect(list->item(5));
    const QPoint paper =
        list->viewport()->mapTo(window.get(), QPoint(row5.left() + 1, row5.center().y()));
    EXPECT_EQ(backing->pixel(paper), list->palette().color(QPalette::Base).rgb());

    // Clicking a title selects it; the list has the keys while it is open.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(Frame().Current(), Activity::LessonChooser);

    // A press on the panel off its buttons changes nothing.
    Tap(120, 220);
    EXPECT_EQ(window->ListWidget(), list);

    Tap(75, 215);  // "Отменить"
    EXPECT_NE(Frame().Current(), Activity::LessonChooser);
    EXPECT_EQ(window->ListWidget(), nullptr);
    EXPECT_TRUE(View().findChildren<QListWidget*>().isEmpty());
    EXPECT_TRUE(FindCommand(*window, ID_TRAINING)->isEnabled());

    // A new opening starts from the top again.
    list = OpenChooser();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->selectedItems().size(), 1);
}

TEST_F(Training, LessonTwoFromTheChooserToItsEnd) {
    QListWidget* list = OpenChooser();
    ASSERT_NE(list, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    ASSERT_EQ(list->item(1)->text().toUtf8(), QByteArray(" Умножение чисел"));

    Tap(165, 215);  // "Выполнить"
    EXPECT_EQ(Frame().State().m_steps.m_nLesson, 2);
    EXPECT_NE(Frame().Current(), Activity::LessonChooser);
    EXPECT_EQ(window->ListWidget(), nullptr);
    for (int id : {ID_SIDE1, ID_SIDE2, ID_CLAMP, ID_UNDO})
        EXPECT_FALSE(FindCommand(*window, id)->isEnabled()) << id;
    EXPECT_FALSE(FindCommand(*window, ID_TB_UNDO, true)->isEnabled());
    EXPECT_TRUE(FindCommand(*window, ID_TRAINING)->isEnabled());

    // Step 1 leaves the rule alone; a drag on the slide moves nothing while the lesson runs.
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 0);
    Press(60, 150);
    Move(40, 150);
    Release(40, 150);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, 0);

    PressStepButton();  // to step 2
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 536);
    EXPECT_EQ(Frame().State().m_rule.m_nCursor, -578);
    PressStepButton();  // to step 3
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, -141);
    int presses = 0;
    while (Frame().State().m_steps.m_nLesson > 0 && presses++ < 10) PressStepButton();
    EXPECT_EQ(presses, 3);  // steps 4 and 5, then "Закончить"
    EXPECT_EQ(Frame().State().m_steps.m_nLesson, 0);
    EXPECT_EQ(Frame().State().m_rule.m_nScroll, 536);
    EXPECT_EQ(Frame().State().m_rule.m_nSlide, -141);
    EXPECT_EQ(Frame().State().m_rule.m_nCursor, -578);
    EXPECT_EQ(Frame().State().m_undo.m_nUndoCount, 1);
    EXPECT_TRUE(FindCommand(*window, ID_UNDO)->isEnabled());
    EXPECT_TRUE(FindCommand(*window, ID_SIDE2)->isEnabled());
}

// A screen reader reads the client area by its accessible name and description, which follow
// the chooser, each step of a lesson, and the rule freed again.
TEST_F(Training, TheViewIsNamedAndDescribedAsTheLessonGoesOn) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&View());
    ASSERT_NE(view, nullptr);
    const auto said = [&](QAccessible::Text which) {
        window->UpdateWindow();
        return view->text(which).toStdString();
    };
    EXPECT_EQ(said(QAccessible::Name), "Линейка");
    QListWidget* list = OpenChooser();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(said(QAccessible::Name), "Выбор урока");
    EXPECT_EQ(said(QAccessible::Description), "Кнопки: Отменить, Выполнить");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    const std::string title = list->item(1)->text().trimmed().toStdString();
    Tap(165, 215);  // "Выполнить"; the list goes with the chooser
    ASSERT_GT(Frame().State().m_steps.m_nLesson, 0);
    EXPECT_EQ(said(QAccessible::Name), title);
    int steps = 0;
    while (Frame().State().m_steps.m_nLesson > 0 && steps++ < 20) {
        const int32_t step = Frame().State().m_steps.m_nStep;
        const bool last = FindNextStep(kStepTable[step].key, step) <= 0;
        EXPECT_EQ(said(QAccessible::Description),
                  std::string(kStepTable[step].pszText) +
                      "\nКнопки: " + (last ? "Закончить" : "Далее..."));
        PressStepButton();
    }
    EXPECT_EQ(said(QAccessible::Name), "Линейка");
    EXPECT_EQ(said(QAccessible::Description), "");
}

}  // namespace
