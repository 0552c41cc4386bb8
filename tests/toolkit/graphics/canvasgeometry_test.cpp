// The pure geometry and pixel arithmetic under the canvas.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/graphics/rasterline.h"
#include "toolkit/graphics/rasterops.h"
#include "toolkit/graphics/shapegeometry.h"

namespace mox {
namespace {

std::vector<TPoint> LinePixels(TPoint from, TPoint to, const TRect& clip) {
    std::vector<TPoint> pixels;
    ForEachLinePixel(from, to, clip, [&](TPoint p, int) { pixels.push_back(p); });
    return pixels;
}

TEST(CanvasGeometry, LineTiesStayOnTheStartSide) {
    const TRect all = Rect(-10, -10, 10, 10);
    EXPECT_EQ(LinePixels({0, 0}, {4, 1}, all),
              (std::vector<TPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
    EXPECT_EQ(LinePixels({4, 1}, {0, 0}, all),
              (std::vector<TPoint>{{4, 1}, {3, 1}, {2, 1}, {1, 0}}));
    EXPECT_TRUE(LinePixels({3, 3}, {3, 3}, all).empty());
}

TEST(CanvasGeometry, HugeLinesOnlyVisitTheirClippedPart) {
    // A line across the whole coordinate space visits a handful of pixels, not billions.
    int visited = 0;
    ForEachLinePixel({-2000000000, 5}, {2000000000, 5}, Rect(0, 0, 10, 10), [&](TPoint p, int) {
        EXPECT_EQ(p.Y, 5);
        ++visited;
    });
    EXPECT_EQ(visited, 10);
    const TLineRaster steep({3, 1000000}, {3, -1000000});
    const TStepRange steps = steep.StepsWithin(Rect(0, 0, 10, 10));
    EXPECT_EQ(steps.End - steps.First, 10);
    EXPECT_EQ(steep.At(steps.First), Point(3, 9));
}

TEST(CanvasGeometry, FramePixelsGoRoundOnceWithContinuousSteps) {
    std::vector<TPoint> pixels;
    std::vector<int> steps;
    ForEachFramePixel(Rect(0, 0, 3, 3), Rect(-5, -5, 5, 5), [&](TPoint p, int step) {
        pixels.push_back(p);
        steps.push_back(step);
    });
    EXPECT_EQ(pixels, (std::vector<TPoint>{
                          {0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}}));
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    int clipped = 0;
    ForEachFramePixel(Rect(0, 0, 3, 3), Rect(2, 0, 3, 3), [&](TPoint, int) { ++clipped; });
    EXPECT_EQ(clipped, 3);
}

TEST(CanvasGeometry, RectangleFramesAndBands) {
    EXPECT_EQ(RectangleFrame(Rect(2, 2, 7, 7), 1, false).Outer, Rect(2, 2, 7, 7));
    EXPECT_EQ(RectangleFrame(Rect(2, 2, 7, 7), 3, false).Outer, Rect(1, 1, 8, 8));
    EXPECT_EQ(RectangleFrame(Rect(2, 2, 7, 7), 2, false).Outer, Rect(1, 1, 7, 7));
    EXPECT_EQ(RectangleFrame(Rect(2, 2, 7, 7), 3, true).Inner, Rect(5, 5, 4, 4));

    const std::vector<TRect> bands = FrameBands(Rect(0, 0, 4, 4), Rect(1, 1, 3, 3));
    int area = 0;
    for (const TRect& b : bands)
        area += b.Width() * b.Height();
    EXPECT_EQ(area, 16 - 4);
    EXPECT_EQ(FrameBands(Rect(0, 0, 4, 4), Rect(2, 2, 2, 2)), std::vector<TRect>{Rect(0, 0, 4, 4)});
}

TEST(CanvasGeometry, ArcSpansRunCounterClockwise) {
    const TRect box = Rect(0, 0, 21, 11);  // centre (10, 5)
    const TArcSpan quarter = ArcSpan(box, {30, 5}, {10, -30});
    EXPECT_NEAR(quarter.StartDegrees, 0, 1e-9);
    EXPECT_NEAR(quarter.SpanDegrees, 90, 1e-9);
    EXPECT_NEAR(ArcSpan(box, {10, -30}, {30, 5}).SpanDegrees, 270, 1e-9);
    EXPECT_NEAR(ArcSpan(box, {30, 5}, {30, 5}).SpanDegrees, 360, 1e-9);
    // On a flat ellipse the radial at 45 degrees meets it at a steeper parameter angle.
    EXPECT_GT(ArcSpan(box, {30, 5}, {15, 0}).SpanDegrees, 45);
}

TEST(CanvasGeometry, StretchMapsToTheNearestSourcePixelOnTheLeft) {
    EXPECT_EQ(StretchSourceOffset(3, 4, 2), 1);
    EXPECT_EQ(StretchSourceOffset(1, 2, 4), 2);
    EXPECT_EQ(StretchSourceOffset(99999, 100000, 2000000000), 1999980000);
}

TEST(CanvasGeometry, CopyModesSplitIntoPenModesWhereTheyCan) {
    EXPECT_EQ(SourceModeOf(cmSrcCopy), TPenMode::pmCopy);
    EXPECT_EQ(SourceModeOf(cmSrcInvert), TPenMode::pmXor);
    EXPECT_EQ(SourceModeOf(cmNotSrcErase), TPenMode::pmNotMerge);
    EXPECT_EQ(SourceModeOf(cmDstInvert), TPenMode::pmNot);
    EXPECT_EQ(SourceModeOf(cmPatCopy), std::nullopt);
    EXPECT_EQ(PatternModeOf(cmPatInvert), TPenMode::pmXor);
    EXPECT_EQ(PatternModeOf(cmMergeCopy), std::nullopt);
    EXPECT_EQ(CombineCopyPixel(cmMergeCopy, 0xFF0F0F0F, 0xFF00FFFF, 0xFF123456), 0xFF000F0Fu);
}

}  // namespace
}  // namespace mox
