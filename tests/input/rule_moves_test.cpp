// Drags, nudges, press-and-hold steps and the fetch as functions of the rule: gearing on the
// mini-map, the both-or-neither rule of clamp mode, and the two ways a step meets a limit.
#include "input/rule_moves.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/input/rule_fixture.h"

namespace {

struct Offsets {
    int32_t scroll, slide, cursor;
};

void ExpectOffsets(const CRuleState& r, Offsets o, const char* what) {
    EXPECT_EQ(r.m_nScroll, o.scroll) << what;
    EXPECT_EQ(r.m_nSlide, o.slide) << what;
    EXPECT_EQ(r.m_nCursor, o.cursor) << what;
}

TEST(DragStep, MiniMapGearingTruncatesEachEventOnItsOwn) {
    // d: stylus moved left by d. The view frame pans by -trunc(d * 5.35), the mini slide
    // moves by trunc(d * 5.45).
    struct {
        int d, scroll, slide;
    } const cases[] = {
        // clang-format off
        {1, -5, 5}, {-1, 5, -5}, {2, -10, 10}, {-2, 10, -10},
        {3, -16, 16}, {4, -21, 21}, {-4, 21, -21}, {20, -107, 109},
        // clang-format on
    };
    for (const auto& c : cases) {
        CRuleState view = Rule(500, 0, 0, 0);
        EXPECT_TRUE(DragStep(view, DRAG_MAPWINDOW, c.d));
        EXPECT_EQ(view.m_nScroll, 500 + c.scroll) << "d " << c.d;
        CRuleState slide = Rule(0, 0, 0, 0);
        EXPECT_TRUE(DragStep(slide, DRAG_MAPSLIDE, c.d));
        EXPECT_EQ(slide.m_nSlide, c.slide) << "d " << c.d;
        EXPECT_EQ(slide.m_nCursor, 0);
    }
    // Ten one-pixel steps are not one ten-pixel step: no fraction is carried.
    CRuleState steps = Rule(500, 0, 0, 0);
    for (int i = 0; i < 10; ++i) DragStep(steps, DRAG_MAPWINDOW, 1);
    EXPECT_EQ(steps.m_nScroll, 450);
}

TEST(DragStep, EachModeMovesItsOwnPartOnly) {
    CRuleState r = Rule(100, 200, -300, 0);
    EXPECT_TRUE(DragStep(r, DRAG_BODY, 7));
    ExpectOffsets(r, {107, 200, -300}, "body");
    EXPECT_TRUE(DragStep(r, DRAG_SLIDE, -7));
    ExpectOffsets(r, {107, 193, -300}, "slide");
    EXPECT_TRUE(DragStep(r, DRAG_CURSOR, 7));
    ExpectOffsets(r, {107, 193, -293}, "cursor");
    EXPECT_FALSE(DragStep(r, NUDGE_CURSOR, 7));
    EXPECT_FALSE(DragStep(r, DragMode(6), 7));
    EXPECT_FALSE(DragStep(r, DragMode(-1), 7));
    ExpectOffsets(r, {107, 193, -293}, "nothing");
    // Clamp couples only the slide: panning and the grip leave the other offsets alone.
    r.m_bClamp = 1;
    EXPECT_TRUE(DragStep(r, DRAG_BODY, 3));
    EXPECT_TRUE(DragStep(r, DRAG_MAPWINDOW, 1));
    EXPECT_TRUE(DragStep(r, DRAG_CURSOR, 3));
    ExpectOffsets(r, {105, 193, -290}, "clamped body and cursor");
    EXPECT_TRUE(DragStep(r, DRAG_SLIDE, 3));
    ExpectOffsets(r, {105, 196, -287}, "clamped slide");
}

TEST(DragStep, RangesAcceptTheirLimitsAndRefuseWholeBeyond) {
    struct {
        DragMode mode;
        Offsets start;
        int d;
        bool accepted;
    } const cases[] = {
        // clang-format off
        {DRAG_BODY, {1050, 0, 0}, 5, true},      {DRAG_BODY, {1050, 0, 0}, 6, false},
        {DRAG_BODY, {-6, 0, 0}, -5, true},       {DRAG_BODY, {-6, 0, 0}, -6, false},
        {DRAG_MAPWINDOW, {-6, 0, 0}, 1, true},   {DRAG_MAPWINDOW, {-7, 0, 0}, 1, false},
        {DRAG_MAPWINDOW, {1050, 0, 0}, -1, true}, {DRAG_MAPWINDOW, {1051, 0, 0}, -1, false},
        {DRAG_SLIDE, {0, 1198, 0}, 1, true},     {DRAG_SLIDE, {0, 1198, 0}, 2, false},
        {DRAG_SLIDE, {0, -1198, 0}, -1, true},   {DRAG_SLIDE, {0, -1198, 0}, -2, false},
        {DRAG_MAPSLIDE, {0, 1194, 0}, 1, true},  {DRAG_MAPSLIDE, {0, 1195, 0}, 1, false},
        {DRAG_CURSOR, {0, 0, 86}, 1, true},      {DRAG_CURSOR, {0, 0, 86}, 2, false},
        {DRAG_CURSOR, {0, 0, -1132}, -1, true},  {DRAG_CURSOR, {0, 0, -1132}, -2, false},
        // A scroll left at the hold's -12 or 1056 may only come back inward.
        {DRAG_BODY, {1056, 0, 0}, 1, false},     {DRAG_BODY, {1056, 0, 0}, -1, true},
        {DRAG_BODY, {-12, 0, 0}, -1, false},     {DRAG_BODY, {-12, 0, 0}, 1, true},
        // clang-format on
    };
    for (const auto& c : cases) {
        CRuleState r = Rule(c.start.scroll, c.start.slide, c.start.cursor, 0);
        const CRuleState before = r;
        EXPECT_EQ(DragStep(r, c.mode, c.d), c.accepted) << "mode " << c.mode << " d " << c.d;
        if (!c.accepted)
            ExpectOffsets(r, {before.m_nScroll, before.m_nSlide, before.m_nCursor}, "refused");
    }
}

TEST(DragStep, ClampedSlideAndCursorMoveBothOrNeither) {
    for (DragMode mode : {DRAG_SLIDE, DRAG_MAPSLIDE}) {
        // The cursor's limit refuses the slide, in both directions.
        CRuleState r = Rule(0, 0, 85, 1);
        EXPECT_FALSE(DragStep(r, mode, mode == DRAG_SLIDE ? 3 : 1));
        ExpectOffsets(r, {0, 0, 85}, "cursor would pass 87");
        r = Rule(0, 0, -1130, 1);
        EXPECT_FALSE(DragStep(r, mode, mode == DRAG_SLIDE ? -4 : -1));
        ExpectOffsets(r, {0, 0, -1130}, "cursor would pass -1133");
        // The slide's limit refuses the cursor.
        r = Rule(0, 1199, 0, 1);
        EXPECT_FALSE(DragStep(r, mode, 1));
        ExpectOffsets(r, {0, 1199, 0}, "slide would pass 1199");
        // Both within: both move by the same geared amount.
        r = Rule(0, 0, 80, 1);
        EXPECT_TRUE(DragStep(r, mode, 1));
        const int32_t step = mode == DRAG_SLIDE ? 1 : 5;
        ExpectOffsets(r, {0, step, 80 + step}, "both move");
    }
}

TEST(DragStep, HugeStepsAreRefusedNotWrapped) {
    // The x of a stylus event may be anything the platform hands over.
    const int64_t huge = int64_t(INT32_MAX) - INT32_MIN;
    for (DragMode mode : {DRAG_BODY, DRAG_SLIDE, DRAG_CURSOR, DRAG_MAPWINDOW, DRAG_MAPSLIDE})
        for (int64_t d : {huge, -huge, int64_t(1) << 32}) {
            CRuleState r = Rule(0, 0, 0, 1);
            EXPECT_FALSE(DragStep(r, mode, d)) << "mode " << mode << " d " << d;
            ExpectOffsets(r, {0, 0, 0}, "huge");
        }
}

TEST(NudgeStep, OnePixelForTheSlideAndBesideTheGripOnly) {
    CRuleState r = Rule(10, 0, 0, 0);
    EXPECT_TRUE(NudgeStep(r, DRAG_SLIDE, 1, 0));
    EXPECT_TRUE(NudgeStep(r, NUDGE_CURSOR, 0, 1));
    ExpectOffsets(r, {10, 1, -1}, "nudged");
    for (DragMode mode : {DRAG_BODY, DRAG_CURSOR, DRAG_MAPWINDOW, DRAG_MAPSLIDE})
        EXPECT_FALSE(NudgeStep(r, mode, 1, 0)) << mode;
    EXPECT_FALSE(NudgeStep(r, DRAG_SLIDE, 0, 0));
    ExpectOffsets(r, {10, 1, -1}, "not nudged");
    // At the limits the nudge is refused; clamped, the slide's nudge carries the cursor.
    r = Rule(0, 1199, 87, 0);
    EXPECT_FALSE(NudgeStep(r, DRAG_SLIDE, 1, 0));
    EXPECT_FALSE(NudgeStep(r, NUDGE_CURSOR, 1, 0));
    ExpectOffsets(r, {0, 1199, 87}, "at the limits");
    r = Rule(0, 0, 87, 1);
    EXPECT_FALSE(NudgeStep(r, DRAG_SLIDE, 1, 0));
    EXPECT_TRUE(NudgeStep(r, DRAG_SLIDE, 0, 1));
    ExpectOffsets(r, {0, -1, 86}, "clamped");
}

TEST(RepeatStep, PanIsCutBackToTheHoldLimitsAndAlwaysRepaints) {
    struct {
        int32_t scroll;
        int tapX;
        int32_t after;
    } const cases[] = {
        // clang-format off
        {0, 119, 20},       {100, 120, 80},     {1036, 0, 1056},   {1050, 100, 1056},
        {1056, 100, 1056},  {5, 200, -12},     {-12, 239, -12},   {-8, 119, 12},
        {1056, 120, 1036},
        // clang-format on
    };
    for (const auto& c : cases) {
        CRuleState r = Rule(c.scroll, 3, 4, 1);
        EXPECT_TRUE(RepeatStep(r, DRAG_BODY, c.tapX));
        ExpectOffsets(r, {c.after, 3, 4}, "pan");
    }
}

TEST(RepeatStep, SlideStopsShortAndOtherModesDoNothing) {
    CRuleState r = Rule(0, 1179, 0, 0);
    EXPECT_TRUE(RepeatStep(r, DRAG_SLIDE, 100));
    ExpectOffsets(r, {0, 1199, 0}, "reaches 1199 exactly");
    r = Rule(0, 1190, 0, 0);
    EXPECT_FALSE(RepeatStep(r, DRAG_SLIDE, 100));
    ExpectOffsets(r, {0, 1190, 0}, "9 short");
    r = Rule(0, -1190, 0, 0);
    EXPECT_FALSE(RepeatStep(r, DRAG_SLIDE, 120));
    ExpectOffsets(r, {0, -1190, 0}, "9 short on the other side");
    r = Rule(0, 0, 70, 1);
    EXPECT_FALSE(RepeatStep(r, DRAG_SLIDE, 100));
    ExpectOffsets(r, {0, 0, 70}, "clamped cursor would pass 87");
    EXPECT_TRUE(RepeatStep(r, DRAG_SLIDE, 120));
    ExpectOffsets(r, {0, -20, 50}, "clamped, both");
    for (DragMode mode : {DRAG_CURSOR, NUDGE_CURSOR, DRAG_MAPWINDOW, DRAG_MAPSLIDE, DragMode(6)}) {
        EXPECT_FALSE(RepeatStep(r, mode, 100)) << mode;
        ExpectOffsets(r, {0, -20, 50}, "no repeat");
    }
}

TEST(FetchCursor, PutsTheHairlineUnderTheTapWhenItFits) {
    EXPECT_EQ(FetchCursor(Rule(0, 0, -1000, 0), {200, 258}), -81);
    EXPECT_EQ(FetchCursor(Rule(500, 0, -1000, 0), {3, 252}), -384);
    EXPECT_EQ(FetchCursor(Rule(500, 0, -1000, 0), {235, 264}), -616);
    EXPECT_EQ(FetchCursor(Rule(0, 0, -1000, 0), {32, 258}), 87);
    EXPECT_EQ(FetchCursor(Rule(1055, 0, 0, 0), {41, 258}), -977);  // h -936
    EXPECT_FALSE(FetchCursor(Rule(0, 0, -1000, 0), {31, 258}));    // would be 88
    EXPECT_FALSE(FetchCursor(Rule(1056, 0, 0, 0), {200, 258}));    // would be -1137
    EXPECT_FALSE(FetchCursor(Rule(500, 0, -1000, 0), {2, 258}));
    EXPECT_FALSE(FetchCursor(Rule(500, 0, -1000, 0), {236, 258}));
    EXPECT_FALSE(FetchCursor(Rule(500, 0, -1000, 0), {100, 251}));
    EXPECT_FALSE(FetchCursor(Rule(500, 0, -1000, 0), {100, 265}));
    EXPECT_FALSE(FetchCursor(Rule(0, 0, -1000, 1), {200, 258}));   // clamped
    EXPECT_FALSE(FetchCursor(Rule(0, 0, -140, 0), {200, 258}));    // h 259
    EXPECT_EQ(FetchCursor(Rule(0, 0, -141, 0), {200, 258}), -81);  // h 260
    EXPECT_FALSE(FetchCursor(Rule(INT32_MIN, 0, INT32_MIN, 0), {200, 258}));
    EXPECT_FALSE(FetchCursor(Rule(INT32_MAX, 0, INT32_MAX, 0), {200, 258}));
}

}  // namespace
