// The chooser panel and the step box as they come out in a composed frame.
#include <gtest/gtest.h>

#include <algorithm>

#include "training/chooser.h"
#include "training/lesson_list.h"
#include "training/step_box.h"
#include "training/step_table.h"
#include "training_rig.h"

namespace {

// Black text and its grey edges; not the azure lines.
bool Dark(Colour c) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return r < 160 && g < 160 && b < 160;
}

// Every pixel of the row segment x0..x1 (or column segment y0..y1) has colour c.
bool RowIs(const CPixmap& s, int y, int x0, int x1, Colour c) {
    for (int x = x0; x <= x1; ++x)
        if (s.Pixel(x, y) != c) return ADD_FAILURE() << "(" << x << ", " << y << ")", false;
    return true;
}
bool ColumnIs(const CPixmap& s, int x, int y0, int y1, Colour c) {
    for (int y = y0; y <= y1; ++y)
        if (s.Pixel(x, y) != c) return ADD_FAILURE() << "(" << x << ", " << y << ")", false;
    return true;
}

// Within the box x0..x1, y0..y1: whether any pixel is dark, and the dark columns' extent.
struct Ink {
    bool any = false;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};
Ink InkIn(const CPixmap& s, int x0, int y0, int x1, int y1) {
    Ink ink;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (Dark(s.Pixel(x, y))) {
                ink.any = true;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

// The rounded button at (x, y) as drawn: straight edges in the line colour, corners cut
// round, panel colour inside, and a caption set from the top and centred across.
void ExpectButton(const CPixmap& s, int x, int y) {
    SCOPED_TRACE(testing::Message() << "button at " << x << ", " << y);
    EXPECT_TRUE(RowIs(s, y, x + 10, x + 69, kLineColour));
    EXPECT_TRUE(RowIs(s, y + 29, x + 11, x + 70, kLineColour));  // stops before x + 10
    EXPECT_TRUE(ColumnIs(s, x, y + 10, y + 20, kLineColour));    // stops before y + 9
    EXPECT_TRUE(ColumnIs(s, x + 79, y + 9, y + 20, kLineColour));
    // The box's corner pixels lie outside the arcs; each arc runs through the 5 x 5 square
    // inside the corner, off the straight edges.
    const int cornerX[] = {x, x + 79, x + 79, x}, cornerY[] = {y, y, y + 29, y + 29};
    const int stepX[] = {1, -1, -1, 1}, stepY[] = {1, 1, -1, -1};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(s.Pixel(cornerX[c], cornerY[c]), kPanelColour) << "corner " << c;
        EXPECT_EQ(s.Pixel(cornerX[c] + stepX[c], cornerY[c]), kPanelColour) << "corner " << c;
        EXPECT_EQ(s.Pixel(cornerX[c], cornerY[c] + stepY[c]), kPanelColour) << "corner " << c;
        int arc = 0;
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 5; ++j)
                arc += s.Pixel(cornerX[c] + i * stepX[c], cornerY[c] + j * stepY[c]) == kLineColour;
        EXPECT_GE(arc, 3) << "corner " << c;
    }
    EXPECT_EQ(s.Pixel(x + 40, y + 25), kPanelColour);
    EXPECT_EQ(s.Pixel(x + 5, y + 15), kPanelColour);
    // Format 5 without single-line: the caption starts at the top, not centred down.
    const Ink caption = InkIn(s, x + 1, y + 1, x + 78, y + 28);
    ASSERT_TRUE(caption.any);
    EXPECT_LE(caption.top, y + 6);
    EXPECT_LE(caption.bottom, y + 16);
    EXPECT_NEAR((caption.left + caption.right) / 2.0, x + 40, 3.0);
}

TEST(OverlayPixels, TheChooserPanelOverTheRule) {
    TrainingRig w;
    w.Command(ID_TRAINING);
    const CPixmap& s = w.window;
    // The panel, (5, 20) to (235, 240), outlined all round.
    for (const CPoint& p : {CPoint{6, 21}, CPoint{234, 21}, CPoint{6, 239}, CPoint{234, 239},
                            CPoint{120, 120}, CPoint{120, 232}})
        EXPECT_EQ(s.Pixel(p.x, p.y), kPanelColour) << p.x << ", " << p.y;
    EXPECT_TRUE(RowIs(s, 20, 5, 235, kLineColour));
    EXPECT_TRUE(RowIs(s, 240, 5, 235, kLineColour));
    EXPECT_TRUE(ColumnIs(s, 5, 20, 240, kLineColour));
    EXPECT_TRUE(ColumnIs(s, 235, 20, 240, kLineColour));
    for (const CPoint& p : {CPoint{4, 100}, CPoint{236, 100}, CPoint{120, 241}, CPoint{3, 19}}) {
        EXPECT_NE(s.Pixel(p.x, p.y), kPanelColour) << p.x << ", " << p.y;
        EXPECT_NE(s.Pixel(p.x, p.y), kLineColour) << p.x << ", " << p.y;
    }
    ExpectButton(s, 35, 200);
    ExpectButton(s, 125, 200);
    // "Выполнить" is the wider caption.
    const Ink cancel = InkIn(s, 36, 201, 113, 228), start = InkIn(s, 126, 201, 203, 228);
    EXPECT_GT(start.right - start.left, cancel.right - cancel.left);
    // Nothing else is written on the panel.
    EXPECT_FALSE(InkIn(s, 6, 21, 234, 199).any);
}

TEST(OverlayPixels, AStepBoxWithItsPointerMark) {
    // Lesson 2's second step: box (30, 150, 210, 240), pointer at (50, 100).
    TrainingRig w;
    w.Start(int(std::find_if(kLessonList, kLessonList + 36,
                             [](const LessonEntry& e) { return e.key == 2; }) -
                kLessonList));
    w.Next();
    const LessonStep& step = kStepTable[w.frame.State().m_steps.m_nStep];
    ASSERT_EQ(step.rcBox.top, 150);
    ASSERT_EQ(step.ptArrow.x, 50);
    ASSERT_EQ(step.ptArrow.y, 100);
    const CPixmap& s = w.window;
    for (const CPoint& p : {CPoint{31, 151}, CPoint{209, 239}, CPoint{120, 190}})
        EXPECT_EQ(s.Pixel(p.x, p.y), kPanelColour) << p.x << ", " << p.y;
    EXPECT_TRUE(RowIs(s, 150, 30, 210, kLineColour));
    EXPECT_TRUE(RowIs(s, 240, 30, 210, kLineColour));
    EXPECT_TRUE(ColumnIs(s, 30, 150, 240, kLineColour));
    EXPECT_TRUE(ColumnIs(s, 210, 150, 240, kLineColour));
    for (const CPoint& p : {CPoint{29, 200}, CPoint{211, 200}, CPoint{120, 149}, CPoint{120, 241}})
        EXPECT_NE(s.Pixel(p.x, p.y), kPanelColour) << p.x << ", " << p.y;
    // cx = 30 + 181 / 2 = 120: the button is drawn from (80, 200).
    ExpectButton(s, 80, 200);
    // The text from (40, 160): nothing above it or left of it inside the box.
    const Ink text = InkIn(s, 31, 151, 209, 199);
    ASSERT_TRUE(text.any);
    EXPECT_GE(text.top, 160);
    EXPECT_LE(text.top, 166);
    EXPECT_GE(text.left, 40);
    EXPECT_LE(text.left, 43);

    // The ring around (50, 100), box (35, 85, 65, 115), drawn with a 3-pixel pen: its
    // outermost pixels on the row and column through the centre.
    auto first = [&](int x, int y, int dx, int dy) {
        for (int i = 0; i < 25; ++i, x += dx, y += dy)
            if (s.Pixel(x, y) == kLineColour) return i;
        return -1;
    };
    const int left = 20 + first(20, 100, 1, 0), right = 80 - first(80, 100, -1, 0);
    const int top = 70 + first(50, 70, 0, 1), bottom = 130 - first(50, 130, 0, -1);
    EXPECT_GE(left, 33);
    EXPECT_LE(left, 35);
    EXPECT_GE(right, 63);
    EXPECT_LE(right, 66);
    EXPECT_GE(top, 83);
    EXPECT_LE(top, 85);
    EXPECT_GE(bottom, 113);
    EXPECT_LE(bottom, 116);
    // Hollow: the rule shows inside the ring.
    EXPECT_NE(s.Pixel(50, 100), kLineColour);
    EXPECT_NE(s.Pixel(50, 100), kPanelColour);
    EXPECT_NE(s.Pixel(44, 94), kLineColour);
    // The handle runs through (42, 113), (27, 128), (22, 123) and (37, 108): the middle
    // of each of its three strokes is drawn, the space between the long strokes is not.
    auto near = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (s.Pixel(x + dx, y + dy) == kLineColour) return true;
        return false;
    };
    EXPECT_TRUE(near(34, 120));
    EXPECT_TRUE(near(24, 125));
    EXPECT_TRUE(near(29, 115));
    EXPECT_NE(s.Pixel(32, 118), kLineColour);
    EXPECT_FALSE(near(44, 130));
    EXPECT_FALSE(near(18, 119));
}

// At k = 3: what is drawn at k, not enlarged. The k x k blocks of an enlarged frame are each
// of one colour; drawn at k, the smoothed edges of letters and of the ring cut across them.
// `ink` tells the pixels of the drawing looked at from what lies around it.
template <typename Pred>
void ExpectDrawnAtK(const CPixmap& small, const CPixmap& big, int k, CRect area, Pred ink) {
    SCOPED_TRACE(testing::Message() << "area " << area.left << ", " << area.top << ", "
                                    << area.right << ", " << area.bottom);
    Ink one, many;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (ink(small.Pixel(x, y))) {
                one.any = true;
                one.left = std::min(one.left, x), one.right = std::max(one.right, x);
                one.top = std::min(one.top, y), one.bottom = std::max(one.bottom, y);
            }
    int inked = 0, mixed = 0;
    for (int by = area.top; by < area.bottom; ++by)
        for (int bx = area.left; bx < area.right; ++bx) {
            bool any = false, uniform = true;
            for (int y = by * k; y < (by + 1) * k; ++y)
                for (int x = bx * k; x < (bx + 1) * k; ++x) {
                    const Colour c = big.Pixel(x, y);
                    if (ink(c)) {
                        any = true;
                        many.any = true;
                        many.left = std::min(many.left, x), many.right = std::max(many.right, x);
                        many.top = std::min(many.top, y), many.bottom = std::max(many.bottom, y);
                    }
                    uniform = uniform && c == big.Pixel(bx * k, by * k);
                }
            inked += any;
            mixed += any && !uniform;
        }
    ASSERT_TRUE(one.any);
    ASSERT_TRUE(many.any);
    // Where the drawing stands at k = 1, k times over, within a client pixel.
    EXPECT_NEAR(many.left, k * one.left, k);
    EXPECT_NEAR(many.right, k * one.right + k - 1, k);
    EXPECT_NEAR(many.top, k * one.top, k);
    EXPECT_NEAR(many.bottom, k * one.bottom + k - 1, k);
    EXPECT_GT(3 * mixed, inked) << mixed << " of " << inked << " inked blocks cut across";
}

// An outline k device pixels wide along client row y (or column x), from x0 to x1.
void ExpectRowAtK(const CPixmap& big, int k, int y, int x0, int x1, Colour c) {
    for (int i = 0; i < k; ++i) EXPECT_TRUE(RowIs(big, k * y + i, k * x0, k * x1 + k - 1, c));
}
void ExpectColumnAtK(const CPixmap& big, int k, int x, int y0, int y1, Colour c) {
    for (int i = 0; i < k; ++i) EXPECT_TRUE(ColumnIs(big, k * x + i, k * y0, k * y1 + k - 1, c));
}

bool Azure(Colour c) { return (c & 0xFF) > 200 && ((c >> 16) & 0xFF) < 100; }

TEST(OverlayPixels, TheChooserAtThreeTimes) {
    constexpr int k = 3;
    TrainingRig one, three(k);
    one.Command(ID_TRAINING);
    three.Command(ID_TRAINING);
    const CPixmap& s = three.window;
    ASSERT_EQ(s.Width(), 240 * k);
    ExpectRowAtK(s, k, 20, 5, 235, kLineColour);
    ExpectRowAtK(s, k, 240, 5, 235, kLineColour);
    ExpectColumnAtK(s, k, 5, 20, 240, kLineColour);
    ExpectColumnAtK(s, k, 235, 20, 240, kLineColour);
    for (int x : {35, 125}) {
        ExpectRowAtK(s, k, 200, x + 10, x + 69, kLineColour);
        ExpectColumnAtK(s, k, x, 210, 219, kLineColour);
        ExpectDrawnAtK(one.window, s, k, {x + 1, 201, x + 79, 229}, Dark);
    }
    EXPECT_EQ(s.Pixel(k * 120 + 1, k * 120 + 1), kPanelColour);
}

TEST(OverlayPixels, AStepBoxAndItsPointerAtThreeTimes) {
    // Lesson 2's second step: box (30, 150, 210, 240), pointer at (50, 100).
    constexpr int k = 3;
    const int position = int(std::find_if(kLessonList, kLessonList + 36,
                                          [](const LessonEntry& e) { return e.key == 2; }) -
                             kLessonList);
    TrainingRig one, three(k);
    for (TrainingRig* w : {&one, &three}) {
        w->Start(position);
        w->Next();
    }
    ASSERT_EQ(kStepTable[three.frame.State().m_steps.m_nStep].rcBox.top, 150);
    const CPixmap& s = three.window;
    ExpectRowAtK(s, k, 150, 30, 210, kLineColour);
    ExpectRowAtK(s, k, 240, 30, 210, kLineColour);
    ExpectColumnAtK(s, k, 30, 150, 240, kLineColour);
    ExpectColumnAtK(s, k, 210, 150, 240, kLineColour);
    ExpectRowAtK(s, k, 200, 90, 149, kLineColour);                // the button's top edge
    ExpectDrawnAtK(one.window, s, k, {31, 151, 210, 200}, Dark);  // the text
    ExpectDrawnAtK(one.window, s, k, {81, 201, 159, 229}, Dark);  // the caption
    ExpectDrawnAtK(one.window, s, k, {32, 82, 69, 119}, Azure);   // the ring
    EXPECT_FALSE(Azure(s.Pixel(k * 50 + 1, k * 100 + 1))) << "hollow";
}

// Opened over a running lesson, the chooser is whole: the frame is the one the chooser makes
// over the same rule without a lesson, so no step box covers its buttons; closed, the lesson's
// box is back at its step.
TEST(OverlayPixels, TheChooserOverALessonHidesTheStepBoxUntilItCloses) {
    // Lesson 2's second step: box (30, 150, 210, 240) across both chooser buttons, a pointer.
    TrainingRig lesson;
    lesson.Start(1);
    lesson.Next();
    ASSERT_EQ(lesson.frame.State().m_steps.m_nLesson, 2);
    const CRect box = kStepTable[lesson.frame.State().m_steps.m_nStep].rcBox;
    ASSERT_LT(box.top, 200);
    ASSERT_GT(box.bottom, 230);
    lesson.Command(ID_TRAINING);

    TrainingRig alone;
    alone.frame.Seed(lesson.frame.State().m_rule);
    alone.Command(ID_TRAINING);
    int differ = 0;
    for (int y = 0; y < 268; ++y)
        for (int x = 0; x < 240; ++x)
            differ += lesson.window.Pixel(x, y) != alone.window.Pixel(x, y);
    EXPECT_EQ(differ, 0);
    ExpectButton(lesson.window, 35, 200);
    ExpectButton(lesson.window, 125, 200);

    lesson.Tap(75, 215);  // "Отменить"
    EXPECT_EQ(lesson.frame.State().m_steps.m_nLesson, 2);
    EXPECT_TRUE(RowIs(lesson.window, box.top, box.left, box.right, kLineColour));
    EXPECT_TRUE(ColumnIs(lesson.window, box.left, box.top, box.bottom, kLineColour));
}

// The caption the step box gives a step, found by comparing its button with a button that
// carries each caption.
bool ShowsCaption(int32_t step, const char* caption) {
    const CRect& box = kStepTable[step].rcBox;
    const int bx = box.left + (box.right - box.left + 1) / 2 - 40, by = box.bottom - 40;
    // The step's text must end above the button for the comparison to mean anything.
    const CRect text = CSurface::MeasureText(kStepTable[step].pszText,
                                             {box.left + 10, box.top + 10, box.right, box.bottom},
                                             DT_WORDBREAK, CFont{kStepTextFontHeight});
    EXPECT_LE(text.bottom, by) << "step " << step;
    CSurface drawn(240, 268), expected(240, 268);
    DrawStepBox(drawn, step);
    expected.FillSolidRect(bx, by, 80, 30, kPanelColour);
    expected.DrawText(caption, {bx, by, bx + 80, by + 30}, DT_CENTER | DT_VCENTER,
                      CFont{kCaptionFontHeight});
    // Between the corner arcs, inside the edges.
    for (int y = by + 1; y < by + 29; ++y)
        for (int x = bx + 10; x < bx + 70; ++x)
            if (drawn.Pixel(x, y) != expected.Pixel(x, y)) return false;
    return true;
}

TEST(OverlayPixels, TheButtonReadsFinishOnlyOnALessonsLastStep) {
    int32_t last = FindNextStep(23, -1), before = -1;
    while (FindNextStep(23, last) >= 0) before = last, last = FindNextStep(23, last);
    ASSERT_GE(before, 0);
    EXPECT_TRUE(ShowsCaption(before, "Далее..."));
    EXPECT_FALSE(ShowsCaption(before, "Закончить"));
    EXPECT_TRUE(ShowsCaption(last, "Закончить"));
    EXPECT_FALSE(ShowsCaption(last, "Далее..."));
}

}  // namespace
