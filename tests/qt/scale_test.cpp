// The enlargement: which whole factor a screen or a resized window gets, where the frame sits,
// and how view points map back to client pixels.
#include "frontend/qt/scale.h"

#include <gtest/gtest.h>

namespace {

// A desktop's chrome: decorations and borders, a 25-pixel menu bar, toolbar padding 10, and
// toolbar icons 15 rows high per factor.
const CWindowChrome kDesktop{8, 32 + 25 + 10, 15};

TEST(ScaleForScreen, TakesTheLargestWholeFactorThatFitsWithTheChrome) {
    EXPECT_EQ(ScaleForScreen({1920, 1080}, kDesktop), 3);  // 4 would need 1199 rows
    EXPECT_EQ(ScaleForScreen({1920, 1040}, kDesktop), 3);  // with a task bar
    EXPECT_EQ(ScaleForScreen({1366, 768}, kDesktop), 2);
    EXPECT_EQ(ScaleForScreen({2560, 1440}, kDesktop), 4);
    EXPECT_EQ(ScaleForScreen({3840, 2160}, kDesktop), 7);
}

TEST(ScaleForScreen, CountsTheChromeAndTheWidth) {
    // 2 x 283 + 67 = 633 rows: one row short of factor 2, and exactly enough.
    EXPECT_EQ(ScaleForScreen({1000, 632}, kDesktop), 1);
    EXPECT_EQ(ScaleForScreen({1000, 633}, kDesktop), 2);
    // Without the chrome the same screen would take factor 2 much earlier.
    EXPECT_EQ(ScaleForScreen({1000, 536}, CWindowChrome{}), 2);
    // A portrait screen is limited by its width: (1080 - 8) / 240 = 4.
    EXPECT_EQ(ScaleForScreen({1080, 1920}, kDesktop), 4);
    EXPECT_EQ(ScaleForScreen({487, 1920}, kDesktop), 1);
    EXPECT_EQ(ScaleForScreen({488, 1920}, kDesktop), 2);
}

TEST(ScaleForScreen, NeverGoesBelowOne) {
    EXPECT_EQ(ScaleForScreen({640, 480}, kDesktop), 1);
    EXPECT_EQ(ScaleForScreen({100, 100}, kDesktop), 1);
    EXPECT_EQ(ScaleForScreen({0, 0}, kDesktop), 1);
}

TEST(ScaleForView, FollowsTheViewInWholeSteps) {
    EXPECT_EQ(ScaleForView({240, 268}), 1);
    EXPECT_EQ(ScaleForView({479, 535}), 1);
    EXPECT_EQ(ScaleForView({480, 536}), 2);
    EXPECT_EQ(ScaleForView({719, 804}), 2);
    EXPECT_EQ(ScaleForView({720, 803}), 2);
    EXPECT_EQ(ScaleForView({720, 804}), 3);
    EXPECT_EQ(ScaleForView({2000, 804}), 3);  // the tighter side decides
    EXPECT_EQ(ScaleForView({100, 100}), 1);
}

TEST(FrameOrigin, CentresTheFrameAndNeverGoesNegative) {
    EXPECT_EQ(FrameOrigin({480, 536}, 2), QPoint(0, 0));
    EXPECT_EQ(FrameOrigin({500, 600}, 2), QPoint(10, 32));
    EXPECT_EQ(FrameOrigin({501, 601}, 2), QPoint(10, 32));  // the odd pixel goes right / down
    EXPECT_EQ(FrameOrigin({100, 100}, 1), QPoint(0, 0));
}

TEST(MapToClient, EveryClientPixelOwnsAFactorSquare) {
    const QPoint origin(10, 32);
    EXPECT_EQ(MapToClient({10, 32}, origin, 2).x, 0);
    EXPECT_EQ(MapToClient({11.9, 33.9}, origin, 2).y, 0);
    EXPECT_EQ(MapToClient({12, 34}, origin, 2).x, 1);
    EXPECT_EQ(MapToClient({12, 34}, origin, 2).y, 1);
    const CPoint last = MapToClient({10 + 479, 32 + 535}, origin, 2);
    EXPECT_EQ(last.x, 239);
    EXPECT_EQ(last.y, 267);
    const CPoint thirds = MapToClient({3 * 119 + 2, 3 * 62}, {0, 0}, 3);
    EXPECT_EQ(thirds.x, 119);
    EXPECT_EQ(thirds.y, 62);
}

TEST(MapToClient, PointsOutsideTheFrameAreDeliveredAsComputed) {
    const QPoint origin(10, 32);
    // Left of and above the frame: one view pixel out is client pixel -1, not 0.
    const CPoint before = MapToClient({9, 31}, origin, 2);
    EXPECT_EQ(before.x, -1);
    EXPECT_EQ(before.y, -1);
    const CPoint half = MapToClient({9.5, 31.5}, origin, 2);
    EXPECT_EQ(half.x, -1);
    EXPECT_EQ(half.y, -1);
    EXPECT_EQ(MapToClient({7, 32}, origin, 2).x, -2);
    // Right of and below it.
    const CPoint after = MapToClient({10 + 480, 32 + 536}, origin, 2);
    EXPECT_EQ(after.x, 240);
    EXPECT_EQ(after.y, 268);
    EXPECT_EQ(MapToClient({-200, 0}, {0, 0}, 3).x, -67);
}

TEST(MapToView, ScalesAndShiftsARectangle) {
    EXPECT_EQ(MapToView({15, 30, 225, 200}, {0, 0}, 3), QRect(45, 90, 630, 510));
    EXPECT_EQ(MapToView({15, 30, 225, 200}, {10, 32}, 2), QRect(40, 92, 420, 340));
    EXPECT_EQ(MapToView({15, 30, 225, 200}, {0, 0}, 1), QRect(15, 30, 210, 170));
}

}  // namespace
