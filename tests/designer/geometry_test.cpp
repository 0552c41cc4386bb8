// The designer's arithmetic without windows: grid tile, snapping, grid alignment, handle
// placement and drag rectangles, size limits and hint texts, keyboard steps and alignments.
#include <gtest/gtest.h>

#include <limits>

#include "designer/alignmentgeometry.h"
#include "designer/draggeometry.h"
#include "designer/draghints.h"
#include "designer/grabgeometry.h"
#include "designer/grid.h"
#include "designer/keyboardsteps.h"
#include "toolkit/graphics/bitmap.h"

using namespace mox;

TEST(GridTest, TileIsOneStepFromEightUpAndEightStepsBelow) {
    EXPECT_EQ(GridTileSize(8), 8);
    EXPECT_EQ(GridTileSize(128), 128);
    EXPECT_EQ(GridTileSize(4), 32);
    EXPECT_EQ(GridTileSize(2), 16);
    EXPECT_EQ(GridTileSize(7), 56);
    EXPECT_EQ(ClampGridStep(1), 2);
    EXPECT_EQ(ClampGridStep(500), 128);
}

TEST(GridTest, TileDotsFallOnEveryStep) {
    EXPECT_EQ(GridTileDots(8), (std::vector<TPoint>{{0, 0}}));
    EXPECT_EQ(GridTileDots(20), (std::vector<TPoint>{{0, 0}}));
    const auto dots = GridTileDots(4);
    ASSERT_EQ(dots.size(), 64u);  // 8 x 8 inside a 32-pixel tile
    for (const TPoint& p : dots) {
        EXPECT_EQ(p.X % 4, 0);
        EXPECT_EQ(p.Y % 4, 0);
        EXPECT_LT(p.X, 32);
        EXPECT_LT(p.Y, 32);
    }
}

TEST(GridTest, PaintedTileHasDotsOnlyWhenShown) {
    TBitmap tile;
    PaintGridTile(tile, 4, clWhite, clBlack, true);
    ASSERT_EQ(tile.Width(), 32);
    ASSERT_EQ(tile.Height(), 32);
    EXPECT_EQ(tile.Pixels(0, 0), clBlack);
    EXPECT_EQ(tile.Pixels(4, 28), clBlack);
    EXPECT_EQ(tile.Pixels(28, 28), clBlack);
    EXPECT_EQ(tile.Pixels(1, 0), clWhite);
    EXPECT_EQ(tile.Pixels(5, 6), clWhite);

    PaintGridTile(tile, 8, clRed, clBlue, true);
    ASSERT_EQ(tile.Width(), 8);
    EXPECT_EQ(tile.Pixels(0, 0), clBlue);
    EXPECT_EQ(tile.Pixels(7, 7), clRed);

    PaintGridTile(tile, 8, clRed, clBlue, false);
    EXPECT_EQ(tile.Pixels(0, 0), clRed);
}

TEST(GridTest, SnappingRoundsToWholeStepsHalvesToEven) {
    EXPECT_EQ(SnapToSteps(10, 8), 8);   // 1.25
    EXPECT_EQ(SnapToSteps(12, 8), 16);  // 1.5 -> 2
    EXPECT_EQ(SnapToSteps(4, 8), 0);    // 0.5 -> 0
    EXPECT_EQ(SnapToSteps(20, 8), 16);  // 2.5 -> 2
    EXPECT_EQ(SnapToSteps(28, 8), 32);  // 3.5 -> 4
    EXPECT_EQ(SnapToSteps(13, 8), 16);
    EXPECT_EQ(SnapToSteps(-4, 8), 0);
    EXPECT_EQ(SnapToSteps(-12, 8), -16);
    EXPECT_EQ(SnapToSteps(-13, 8), -16);
    EXPECT_EQ(SnapToSteps(-11, 8), -8);
    EXPECT_EQ(SnapToSteps(7, 5), 5);  // odd steps have no exact halves
    EXPECT_EQ(SnapToSteps(8, 5), 10);
    EXPECT_EQ(SnapToSteps(0, 8), 0);
}

TEST(GridTest, AlignmentGoesToNearestLineAndNegativesTowardsZero) {
    EXPECT_EQ(AlignToGridLine(11, 8), 8);
    EXPECT_EQ(AlignToGridLine(12, 8), 16);
    EXPECT_EQ(AlignToGridLine(4, 8), 8);
    EXPECT_EQ(AlignToGridLine(3, 8), 0);
    EXPECT_EQ(AlignToGridLine(-5, 8), 0);
    EXPECT_EQ(AlignToGridLine(-12, 8), -8);
    EXPECT_EQ(AlignToGridLine(16, 8), 16);
    EXPECT_EQ(AlignToGridLine(13, 8), 16);
    EXPECT_EQ(AlignToGridLine(1, 5), 0);  // half of 5 is 2
    EXPECT_EQ(AlignToGridLine(2, 5), 5);
    EXPECT_EQ(AlignToGridLine(7, 5), 10);
}

TEST(GrabGeometryTest, HandlesSitAroundTheTarget) {
    const TRect target = Bounds(16, 16, 80, 40);
    const std::vector<TPoint> expected{{14, 14}, {14, 33}, {14, 53}, {53, 14},
                                       {53, 53}, {93, 14}, {93, 33}, {93, 53}};
    for (std::size_t i = 0; i < kGrabPositions.size(); ++i)
        EXPECT_EQ(GrabHandleOrigin(kGrabPositions[i], target, 5), expected[i]) << i;
    EXPECT_EQ(GrabHandleOrigin(TGrabPosition::gpLeftTop, target, 9), (TPoint{12, 12}));
    EXPECT_EQ(GrabHandleOrigin(TGrabPosition::gpRightBottom, target, 9), (TPoint{91, 51}));
    EXPECT_EQ(GrabHandleOrigin(TGrabPosition::gpNone, target, 5), (TPoint{0, 0}));
    // Truncating division towards zero near the origin.
    EXPECT_EQ(GrabHandleOrigin(TGrabPosition::gpLeft, Bounds(-10, -3, 4, 2), 5), (TPoint{-12, -4}));
}

TEST(GrabGeometryTest, EachHandleHasItsSizingCursor) {
    EXPECT_EQ(GrabCursor(TGrabPosition::gpLeftTop), crSizeNWSE);
    EXPECT_EQ(GrabCursor(TGrabPosition::gpRightBottom), crSizeNWSE);
    EXPECT_EQ(GrabCursor(TGrabPosition::gpLeftBottom), crSizeNESW);
    EXPECT_EQ(GrabCursor(TGrabPosition::gpRightTop), crSizeNESW);
    EXPECT_EQ(GrabCursor(TGrabPosition::gpLeft), crSizeWE);
    EXPECT_EQ(GrabCursor(TGrabPosition::gpRight), crSizeWE);
    EXPECT_EQ(GrabCursor(TGrabPosition::gpTop), crSizeNS);
    EXPECT_EQ(GrabCursor(TGrabPosition::gpBottom), crSizeNS);
    EXPECT_EQ(GrabCursor(TGrabPosition::gpNone), crArrow);
}

TEST(GrabGeometryTest, EachHandleDragsItsOwnEdges) {
    const TRect r{10, 20, 50, 60};
    const TPoint d{3, 4};
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpNone, d), (TRect{13, 24, 53, 64}));
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpLeftTop, d), (TRect{13, 24, 50, 60}));
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpLeft, d), (TRect{13, 20, 50, 60}));
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpLeftBottom, d), (TRect{13, 20, 50, 64}));
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpTop, d), (TRect{10, 24, 50, 60}));
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpBottom, d), (TRect{10, 20, 50, 64}));
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpRightTop, d), (TRect{10, 24, 53, 60}));
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpRight, d), (TRect{10, 20, 53, 60}));
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpRightBottom, d), (TRect{10, 20, 53, 64}));
    // Past the opposite edge the edges cross; the release normalises them.
    EXPECT_EQ(DraggedRect(r, TGrabPosition::gpRight, {-50, 0}), (TRect{10, 20, 0, 60}));
}

TEST(DragMathTest, SizeLimitsWidenFirstThenNarrow) {
    const TRect r{10, 10, 12, 12};
    EXPECT_EQ(LimitSize(r, {5, 6}, {100, 100}), (TRect{10, 10, 15, 16}));
    EXPECT_EQ(LimitSize({0, 0, 50, 50}, {0, 0}, {20, 30}), (TRect{0, 0, 20, 30}));
    // A maximum below the minimum wins, as it is applied last.
    EXPECT_EQ(LimitSize(r, {10, 10}, {4, 4}), (TRect{10, 10, 14, 14}));
    const int big = std::numeric_limits<int>::max();
    EXPECT_EQ(LimitSize({2000, 2000, 2001, 2001}, {0, 0}, {big, big}),
              (TRect{2000, 2000, 2001, 2001}));
}

TEST(DragMathTest, HintTextsAndPlace) {
    EXPECT_EQ(SizeHintText({10, 20, 0, 60}), QStringLiteral("10 x 40"));
    EXPECT_EQ(MoveHintText({-3, 24}), QStringLiteral("-3, 24"));
    EXPECT_EQ(HintOrigin({100, 50}, true), (TPoint{100, 58}));
    EXPECT_EQ(HintOrigin({100, 50}, false), (TPoint{100, 68}));
    EXPECT_EQ(SelectionLeftTop({}), (TPoint{0, 0}));
    EXPECT_EQ(SelectionLeftTop({{40, 10, 50, 20}, {20, 30, 60, 40}}), (TPoint{20, 10}));
}

TEST(KeyboardStepsTest, HeldKeysChooseTheMode) {
    EXPECT_EQ(KeyboardModeFor(false, false), TKeyboardMode::Select);
    EXPECT_EQ(KeyboardModeFor(false, true), TKeyboardMode::Nudge);
    EXPECT_EQ(KeyboardModeFor(true, true), TKeyboardMode::GridMove);
    EXPECT_EQ(KeyboardModeFor(true, false), TKeyboardMode::Resize);
}

TEST(KeyboardStepsTest, StepsMoveOrResizeInTheArrowsDirection) {
    const TRect r = Bounds(3, 10, 20, 1);
    struct Case {
        TKeyboardMode Mode;
        WPARAM Arrow;
        TRect Expected;
    };
    const Case cases[] = {
        {TKeyboardMode::Nudge, VK_RIGHT, Bounds(4, 10, 20, 1)},
        {TKeyboardMode::Nudge, VK_UP, Bounds(3, 9, 20, 1)},
        {TKeyboardMode::GridMove, VK_RIGHT, Bounds(11, 10, 20, 1)},  // off the grid stays off
        {TKeyboardMode::GridMove, VK_LEFT, Bounds(-5, 10, 20, 1)},
        {TKeyboardMode::Resize, VK_RIGHT, Bounds(3, 10, 21, 1)},
        {TKeyboardMode::Resize, VK_UP, Bounds(3, 10, 20, 0)},
        {TKeyboardMode::Resize, VK_DOWN, Bounds(3, 10, 20, 2)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SteppedRect(r, c.Mode, c.Arrow, 8), c.Expected)
            << static_cast<int>(c.Mode) << " " << c.Arrow;
    // At the ends of int a move stops there with the size intact.
    const int big = std::numeric_limits<int>::max();
    EXPECT_EQ(SteppedRect({big - 10, 0, big, 5}, TKeyboardMode::GridMove, VK_RIGHT, 128),
              (TRect{big - 10, 0, big, 5}));
    EXPECT_EQ(SteppedRect({big - 10, 0, big - 5, 5}, TKeyboardMode::GridMove, VK_RIGHT, 128),
              (TRect{big - 5, 0, big, 5}));
    EXPECT_EQ(SteppedRect({0, 0, big, 5}, TKeyboardMode::Resize, VK_RIGHT, 8),
              (TRect{0, 0, big, 5}));
}

TEST(KeyboardStepsTest, MovesStayInsideTheLimitWithRoomForTheHandles) {
    const TRect limit{0, 0, 400, 300};
    // Margin 2: the right and bottom handles stay inside the parent.
    EXPECT_EQ(KeptInside(Bounds(-3, 5, 40, 20), limit, 2), Bounds(0, 5, 40, 20));
    EXPECT_EQ(KeptInside(Bounds(5, -1, 40, 20), limit, 2), Bounds(5, 0, 40, 20));
    EXPECT_EQ(KeptInside(Bounds(359, 5, 40, 20), limit, 2), Bounds(358, 5, 40, 20));
    EXPECT_EQ(KeptInside(Bounds(358, 278, 40, 20), limit, 2), Bounds(358, 278, 40, 20));
    EXPECT_EQ(KeptInside(Bounds(10, 279, 40, 20), limit, 2), Bounds(10, 278, 40, 20));
    // Larger than the limit: flush with the right and bottom limits.
    EXPECT_EQ(KeptInside(Bounds(0, 0, 500, 400), limit, 2), Bounds(-102, -102, 500, 400));
    // At the ends of int the size survives and the rectangle moves as far as it can.
    const int big = std::numeric_limits<int>::max();
    EXPECT_EQ(KeptInside({-big, 0, big, 10}, limit, 2),
              (TRect{std::numeric_limits<int>::min(), 0, big - 1, 10}));
}

TEST(AlignmentGeometryTest, EdgesCentresAndSpacing) {
    using S = std::vector<TSpan>;
    using V = std::vector<int>;
    struct Case {
        TAlignMode Mode;
        S Spans;
        V Expected;
    };
    const Case cases[] = {
        {TAlignMode::LowEdges, {{40, 10}, {10, 10}, {25, 10}}, {10, 10, 10}},
        {TAlignMode::HighEdges, {{0, 20}, {50, 30}, {100, 40}}, {120, 110, 100}},
        // Centre of 0..140 is 70; halves of odd widths truncate.
        {TAlignMode::Centres, {{0, 20}, {50, 30}, {100, 40}}, {60, 55, 50}},
        {TAlignMode::SpaceEqually, {{0, 5}, {10, 5}, {31, 5}}, {0, 15, 30}},
        // Spacing follows the order of the starts, not of the selection.
        {TAlignMode::SpaceEqually, {{31, 5}, {0, 5}, {10, 5}, {20, 5}}, {30, 0, 10, 20}},
        {TAlignMode::SpaceEqually, {{0, 5}, {100, 5}}, {0, 100}},
        {TAlignMode::CentreInWindow, {{7, 50}}, {200}},
        {TAlignMode::CentreInWindow, {{7, 50}, {0, 51}}, {200, 199}},
        {TAlignMode::None, {{7, 50}, {0, 51}}, {7, 0}},
        // A single control is left alone by every mode but centring in the window.
        {TAlignMode::LowEdges, {{7, 50}}, {7}},
        {TAlignMode::Centres, {{7, 50}}, {7}},
        {TAlignMode::HighEdges, {{7, 50}}, {7}},
        {TAlignMode::SpaceEqually, {{7, 50}}, {7}},
        {TAlignMode::LowEdges, {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlignedStarts(c.Mode, c.Spans, 450), c.Expected) << static_cast<int>(c.Mode);
}

TEST(AlignmentGeometryTest, ExtremeSpansSaturate) {
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();
    EXPECT_EQ(AlignedStarts(TAlignMode::HighEdges, {{big, big}, {small, 0}}, 0),
              (std::vector<int>{big, big}));
    EXPECT_EQ(AlignedStarts(TAlignMode::SpaceEqually, {{small, 1}, {0, 1}, {big, 1}}, 0),
              (std::vector<int>{small, -1, big - 1}));
    EXPECT_EQ(AlignedStarts(TAlignMode::CentreInWindow, {{0, small}}, big),
              (std::vector<int>{big}));
}
