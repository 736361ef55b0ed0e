// Where a press lands: the region bounds, their order, and the cursor's on-screen and fetch
// ranges. Expected values are worked out by hand from the layout, not from the code.
#include "input/hit_regions.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "tests/input/rule_fixture.h"

namespace {

constexpr int kNone = -1;

struct Case {
    int x, y;
    int mode;  // kNone: no region
    int left, right;
};

void ExpectCases(const CRuleState& rule, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const std::optional<CHit> hit = HitTest(rule, {c.x, c.y});
        if (c.mode == kNone) {
            EXPECT_FALSE(hit) << "(" << c.x << ", " << c.y << ") hit mode " << hit->mode;
            continue;
        }
        ASSERT_TRUE(hit) << "(" << c.x << ", " << c.y << ") hit nothing";
        EXPECT_EQ(hit->mode, c.mode) << "(" << c.x << ", " << c.y << ")";
        EXPECT_EQ(hit->nudgeLeft, c.left) << "(" << c.x << ", " << c.y << ")";
        EXPECT_EQ(hit->nudgeRight, c.right) << "(" << c.x << ", " << c.y << ")";
    }
}

TEST(HitRegions, StripsAndTheGapsBetweenThem) {
    ExpectCases(
        Rule(0, 0, 0, 0),
        {
            // clang-format off
        {3, 59, DRAG_BODY, 0, 0},    {235, 104, DRAG_BODY, 0, 0},  {3, 58, kNone, 0, 0},
        {2, 80, kNone, 0, 0},        {236, 80, kNone, 0, 0},       {100, 105, kNone, 0, 0},
        {3, 106, DRAG_SLIDE, 1, 0},  {235, 193, DRAG_SLIDE, 0, 1}, {2, 150, kNone, 0, 0},
        {236, 150, kNone, 0, 0},     {100, 194, kNone, 0, 0},      {100, 195, kNone, 0, 0},
        {3, 196, DRAG_BODY, 0, 0},   {235, 249, DRAG_BODY, 0, 0},  {100, 250, kNone, 0, 0},
        {100, 251, kNone, 0, 0},     {0, 150, kNone, 0, 0},        {239, 220, kNone, 0, 0},
        {100, 265, kNone, 0, 0},     {100, 267, kNone, 0, 0},
            // clang-format on
        });
}

TEST(HitRegions, SlideNudgeByColumnWhereverTheRuleStands) {
    for (const CRuleState& rule : {Rule(0, 0, 0, 0), Rule(700, -900, -500, 1)})
        ExpectCases(rule, {
                              // clang-format off
            {118, 150, DRAG_SLIDE, 1, 0}, {119, 150, DRAG_SLIDE, 0, 0},
            {120, 150, DRAG_SLIDE, 0, 0}, {121, 150, DRAG_SLIDE, 0, 1},
                              // clang-format on
                          });
}

TEST(HitRegions, CursorRowMeasuredFromTheHairline) {
    // Hairline at 119 - 30 - 40 = 49.
    ExpectCases(Rule(40, 0, 30, 0), {
                                        // clang-format off
        {30, 252, DRAG_CURSOR, 0, 0},   {68, 264, DRAG_CURSOR, 0, 0},
        {29, 258, kNone, 0, 0},         {69, 258, kNone, 0, 0},
        {28, 258, NUDGE_CURSOR, 1, 0},  {70, 258, NUDGE_CURSOR, 0, 1},
        {0, 258, NUDGE_CURSOR, 1, 0},   {239, 258, NUDGE_CURSOR, 0, 1},
        {49, 251, kNone, 0, 0},         {49, 265, kNone, 0, 0},
                                        // clang-format on
                                    });
    // Clamped, the row is not tested at all.
    ExpectCases(Rule(40, 0, 30, 1), {
                                        // clang-format off
        {49, 258, kNone, 0, 0}, {0, 258, kNone, 0, 0}, {239, 258, kNone, 0, 0},
        {100, 80, DRAG_BODY, 0, 0},
                                        // clang-format on
                                    });
}

TEST(HitRegions, CursorCountsOnScreenWhileOneGripColumnIsInTheWindow) {
    // h = 258: the grip's first column is 239, the window's last.
    ExpectCases(Rule(0, 0, -139, 0),
                {{237, 258, NUDGE_CURSOR, 1, 0}, {239, 258, DRAG_CURSOR, 0, 0}});
    // h = 259: nothing of the grip shows, and the row is empty.
    ExpectCases(Rule(0, 0, -140, 0), {{237, 258, kNone, 0, 0}, {0, 258, kNone, 0, 0}});
    // h = -19 and -20 at the left end, reached through the scroll.
    ExpectCases(Rule(100, 0, 38, 0), {{2, 258, NUDGE_CURSOR, 0, 1}, {0, 258, DRAG_CURSOR, 0, 0}});
    ExpectCases(Rule(100, 0, 39, 0), {{2, 258, kNone, 0, 0}, {239, 258, kNone, 0, 0}});
}

TEST(HitRegions, FetchRangeIsOneColumnStricterThanOnScreen) {
    struct {
        int32_t scroll, cursor;
        bool onScreen, outOfSight;
    } const cases[] = {
        // clang-format off
        {0, -139, true, false},  // h 258
        {0, -140, false, false},  // h 259
        {0, -141, false, true},   // h 260
        {100, 38, true, false},   // h -19
        {100, 39, false, false},  // h -20
        {100, 40, false, true},   // h -21
        {0, 0, true, false},
        // clang-format on
    };
    for (const auto& c : cases) {
        const CRuleState rule = Rule(c.scroll, 0, c.cursor, 0);
        EXPECT_EQ(CursorOnScreen(rule), c.onScreen) << c.scroll << " " << c.cursor;
        EXPECT_EQ(CursorOutOfSight(rule), c.outOfSight) << c.scroll << " " << c.cursor;
    }
}

TEST(HitRegions, MiniSlideBandBeforeTheViewFrameInterior) {
    // Scroll 0: frame edges at 3 and 42.
    ExpectCases(Rule(0, 0, 0, 0), {
                                      // clang-format off
        {3, 10, kNone, 0, 0},            {4, 10, DRAG_MAPWINDOW, 0, 0},
        {41, 10, DRAG_MAPWINDOW, 0, 0},  {42, 10, kNone, 0, 0},
        {20, 6, DRAG_MAPWINDOW, 0, 0},   {20, 49, DRAG_MAPWINDOW, 0, 0},
        {20, 5, kNone, 0, 0},            {20, 50, kNone, 0, 0},
        {20, 20, DRAG_MAPSLIDE, 0, 0},   {20, 34, DRAG_MAPSLIDE, 0, 0},
        {20, 19, DRAG_MAPWINDOW, 0, 0},  {20, 35, DRAG_MAPWINDOW, 0, 0},
        {2, 27, DRAG_MAPSLIDE, 0, 0},    {238, 27, DRAG_MAPSLIDE, 0, 0},
        {1, 27, kNone, 0, 0},            {239, 27, kNone, 0, 0},
        {100, 10, kNone, 0, 0},
                                      // clang-format on
                                  });
    // 500 / 5.35 = 93.46: edges at 96 and 135.
    ExpectCases(Rule(500, 0, 0, 0), {
                                        // clang-format off
        {96, 40, kNone, 0, 0}, {97, 40, DRAG_MAPWINDOW, 0, 0},
        {134, 40, DRAG_MAPWINDOW, 0, 0}, {135, 40, kNone, 0, 0},
                                        // clang-format on
                                    });
    // 1055 and the hold's 1056 (197.20 and 197.38): edges at 200 and 239.
    for (int32_t scroll : {1055, 1056})
        ExpectCases(Rule(scroll, 0, 0, 0), {
                                               // clang-format off
            {200, 10, kNone, 0, 0}, {201, 10, DRAG_MAPWINDOW, 0, 0},
            {238, 10, DRAG_MAPWINDOW, 0, 0}, {239, 10, kNone, 0, 0},
                                               // clang-format on
                                           });
    // -11 and the hold's -12 (-2.06 and -2.24, truncated toward zero): edges at 0 and 39.
    for (int32_t scroll : {-11, -12})
        ExpectCases(Rule(scroll, 0, 0, 0), {
                                               // clang-format off
            {0, 10, kNone, 0, 0}, {1, 10, DRAG_MAPWINDOW, 0, 0},
            {38, 10, DRAG_MAPWINDOW, 0, 0}, {39, 10, kNone, 0, 0},
                                               // clang-format on
                                           });
}

TEST(HitRegions, ExtremePointsAndOffsetsAreMeasuredWithoutWrapping) {
    // Points far outside the window still lie left or right of an on-screen grip.
    ExpectCases(Rule(0, 0, 0, 0), {
                                      // clang-format off
        {INT32_MIN, 258, NUDGE_CURSOR, 1, 0}, {INT32_MAX, 258, NUDGE_CURSOR, 0, 1},
        {INT32_MIN, 150, kNone, 0, 0},        {INT32_MAX, INT32_MAX, kNone, 0, 0},
        {INT32_MIN, INT32_MIN, kNone, 0, 0},
                                      // clang-format on
                                  });
    // Offsets stored unchecked (undo, lessons) at the ends of their type: h = 119 + 2^31 -
    // (2^31 - 1) = 120, on screen.
    ExpectCases(Rule(INT32_MAX, 0, INT32_MIN, 0), {
                                                      // clang-format off
        {INT32_MIN, 258, NUDGE_CURSOR, 1, 0}, {120, 258, DRAG_CURSOR, 0, 0},
        {INT32_MAX, 258, NUDGE_CURSOR, 0, 1},
                                                      // clang-format on
                                                  });
    // 119 - 2 * INT32_MIN is far right, not wrapped round into the window.
    const CRuleState far = Rule(INT32_MIN, 0, INT32_MIN, 0);
    EXPECT_FALSE(CursorOnScreen(far));
    EXPECT_TRUE(CursorOutOfSight(far));
    ExpectCases(far, {{100, 258, kNone, 0, 0}, {100, 80, DRAG_BODY, 0, 0}});
    const CRuleState farLeft = Rule(INT32_MAX, 0, INT32_MAX, 0);
    EXPECT_FALSE(CursorOnScreen(farLeft));
    EXPECT_TRUE(CursorOutOfSight(farLeft));
}

}  // namespace
