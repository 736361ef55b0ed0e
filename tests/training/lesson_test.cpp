// Running a lesson: starting it, its step button, and what a running lesson shares with the
// chooser.
#include <gtest/gtest.h>

#include "tests/support/seed_rule.h"
#include "training/lesson_list.h"
#include "training/step_box.h"
#include "training/step_table.h"
#include "training_rig.h"

namespace {

int Position(uint32_t key) {
    for (int i = 0; kLessonList[i].key != 0; ++i)
        if (kLessonList[i].key == key) return i;
    return -1;
}

bool SameImage(const CPixmap& a, const CPixmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

TEST(Lesson, Lesson1FromSide2InClampModeStartsOnSide1WithClampOff) {
    TrainingRig w;
    w.Command(ID_SIDE2);
    w.Command(ID_CLAMP);
    SeedRule(w.frame, [](CRuleState& r) {
        r.m_nScroll = 700;
        r.m_nSlide = -300;
        r.m_nCursor = -500;
    });
    w.Start(Position(1));
    EXPECT_EQ(w.frame.State().m_steps.m_nLesson, 1);
    EXPECT_EQ(w.frame.State().m_steps.m_nStep, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nSide, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_bClamp, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nScroll, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nSlide, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nCursor, 0);
    EXPECT_EQ(w.frame.State().m_undo.m_nUndoCount, 0);
    EXPECT_NE(w.frame.Current(), Activity::LessonChooser);
    EXPECT_EQ(w.host.ListBox(), nullptr);
    // The side went through the side switch: side 1's images are loaded again.
    CImageSet side1;
    side1.LoadScale(0, 1);
    EXPECT_TRUE(SameImage(w.frame.Images().m_bmpTop, side1.m_bmpTop));
    EXPECT_TRUE(SameImage(w.frame.Images().m_bmpSlide, side1.m_bmpSlide));
    EXPECT_TRUE(SameImage(w.frame.Images().m_bmpMiniBottom, side1.m_bmpMiniBottom));
    // While it runs the rule's commands are grey, the chooser can still be opened.
    for (int id : {ID_SIDE1, ID_SIDE2, ID_CLAMP, ID_UNDO, ID_TB_UNDO})
        EXPECT_FALSE(w.frame.CommandState(id)->enabled) << id;
    EXPECT_TRUE(w.frame.CommandState(ID_TRAINING)->enabled);
}

TEST(Lesson, AStepSwitchesSidesThroughTheSideSwitch) {
    // Lesson 23's third step shows side 2: the images follow.
    TrainingRig w;
    w.Start(Position(23));
    w.Next();
    w.Next();
    ASSERT_EQ(w.frame.State().m_rule.m_nSide, 1);
    CImageSet side2;
    side2.LoadScale(1, 1);
    EXPECT_TRUE(SameImage(w.frame.Images().m_bmpBottom, side2.m_bmpBottom));
    EXPECT_TRUE(SameImage(w.frame.Images().m_bmpMiniTop, side2.m_bmpMiniTop));
}

TEST(Lesson, StepButtonAcceptsItsInsideLessTheLeftColumnAndTopRow) {
    // Lesson 2's first box is (30, 70, 210, 200): cx 120, button drawn over x 80..159,
    // y 160..189.
    const int32_t step = FindNextStep(2, -1);
    const CRect& box = kStepTable[step].rcBox;
    ASSERT_EQ(box.left, 30);
    ASSERT_EQ(box.top, 70);
    ASSERT_EQ(box.right, 210);
    ASSERT_EQ(box.bottom, 200);
    EXPECT_EQ(HitTestStepButton(81, 161, step), 1);
    EXPECT_EQ(HitTestStepButton(159, 189, step), 1);
    EXPECT_EQ(HitTestStepButton(120, 175, step), 1);
    EXPECT_EQ(HitTestStepButton(80, 170, step), -1);
    EXPECT_EQ(HitTestStepButton(160, 170, step), -1);
    EXPECT_EQ(HitTestStepButton(120, 160, step), -1);
    EXPECT_EQ(HitTestStepButton(120, 190, step), -1);
    // cx = left + (right - left + 1) / 2 rounds down: lesson 23's first box
    // (25, 80, 210, 200) has 186 columns, cx 118, button drawn over x 78..157.
    const int32_t l23 = FindNextStep(23, -1);
    ASSERT_EQ(kStepTable[l23].rcBox.left, 25);
    ASSERT_EQ(kStepTable[l23].rcBox.right, 210);
    ASSERT_EQ(kStepTable[l23].rcBox.bottom, 200);
    EXPECT_EQ(HitTestStepButton(79, 161, l23), 1);
    EXPECT_EQ(HitTestStepButton(157, 189, l23), 1);
    EXPECT_EQ(HitTestStepButton(78, 170, l23), -1);
    EXPECT_EQ(HitTestStepButton(158, 170, l23), -1);
}

TEST(Lesson, AdvancingKeepsClampModeUnlessTheStepSetsIt) {
    // Only the start clears clamp mode; a step without state leaves it.
    TrainingRig w;
    w.Start(Position(2));
    SeedRule(w.frame, [](CRuleState& r) { r.m_bClamp = 1; });
    w.Next();  // step 2 sets a state with clamp 0
    EXPECT_EQ(w.frame.State().m_rule.m_bClamp, 0);
    w.Next();
    SeedRule(w.frame, [](CRuleState& r) { r.m_bClamp = 1; });
    w.Next();  // step 4 carries no state
    EXPECT_EQ(w.frame.State().m_rule.m_bClamp, 1);
    EXPECT_EQ(w.frame.State().m_rule.m_nSlide, -141);
}

TEST(Lesson, CancelInTheChooserReturnsToTheRunningLessonAtTheSameStep) {
    TrainingRig w;
    w.Start(Position(2));
    w.Next();
    w.Next();
    const int32_t step = w.frame.State().m_steps.m_nStep;
    w.Command(ID_TRAINING);
    EXPECT_EQ(w.frame.State().m_steps.m_nLesson, 2);
    EXPECT_EQ(w.frame.State().m_steps.m_nStep, step);
    // Step 3's button (x 90..169, y 210..239) shows below the chooser's buttons; the
    // chooser has every press, so the lesson does not advance while it is open.
    const int repaints = w.host.RepaintRequests();
    w.Tap(150, 235);
    EXPECT_EQ(w.frame.State().m_steps.m_nStep, step);
    EXPECT_EQ(w.host.RepaintRequests(), repaints);
    w.Tap(60, 215);
    EXPECT_NE(w.frame.Current(), Activity::LessonChooser);
    EXPECT_EQ(w.frame.State().m_steps.m_nLesson, 2);
    EXPECT_EQ(w.frame.State().m_steps.m_nStep, step);
    EXPECT_EQ(w.frame.State().m_rule.m_nSlide, -141);
    EXPECT_EQ(w.frame.State().m_undo.m_nUndoCount, 0);
}

TEST(Lesson, StartInTheChooserRestartsOrReplacesARunningLesson) {
    TrainingRig w;
    w.Start(Position(2));
    w.Next();
    w.Next();
    SeedRule(w.frame, [](CRuleState& r) { r.m_bClamp = 1; });
    // The same lesson again: its first step, which carries no state, so the rule stays
    // where the interrupted lesson left it, but clamp mode is off.
    w.Start(Position(2));
    EXPECT_EQ(w.frame.State().m_steps.m_nLesson, 2);
    EXPECT_EQ(w.frame.State().m_steps.m_nStep, FindNextStep(2, -1));
    EXPECT_EQ(w.frame.State().m_rule.m_nScroll, 536);
    EXPECT_EQ(w.frame.State().m_rule.m_nSlide, -141);
    EXPECT_EQ(w.frame.State().m_rule.m_bClamp, 0);
    // Another lesson replaces it at once; nothing is pushed for the interrupted one.
    w.Next();
    w.Start(Position(1));
    EXPECT_EQ(w.frame.State().m_steps.m_nLesson, 1);
    EXPECT_EQ(w.frame.State().m_steps.m_nStep, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nScroll, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nSlide, 0);
    EXPECT_EQ(w.frame.State().m_rule.m_nCursor, 0);
    EXPECT_EQ(w.frame.State().m_undo.m_nUndoCount, 0);
}

TEST(Lesson, ChooserPositions30And31RunTheStepsOfKeys32And31) {
    // The list holds key 32 before key 31; each entry runs the steps of its own key.
    struct Case {
        int position;
        uint32_t key;
        int steps;
    };
    for (const Case& c : {Case{30, 32, 9}, Case{31, 31, 7}}) {
        SCOPED_TRACE(c.key);
        TrainingRig w;
        w.Start(c.position);
        EXPECT_EQ(w.frame.State().m_steps.m_nLesson, int32_t(c.key));
        EXPECT_EQ(w.frame.State().m_steps.m_nStep, FindNextStep(c.key, -1));
        int presses = 0;
        while (w.frame.State().m_steps.m_nLesson > 0 && presses < 50) {
            EXPECT_EQ(kStepTable[w.frame.State().m_steps.m_nStep].key, c.key);
            w.Next();
            ++presses;
        }
        EXPECT_EQ(presses, c.steps);
        EXPECT_EQ(w.frame.State().m_undo.m_nUndoCount, 1);
    }
}

}  // namespace
