// Block copies between canvases and bitmaps: copy modes, stretching, transparent colours.
#include <gtest/gtest.h>

#include <QPainter>

#include "support/canvastesting.h"
#include "toolkit/core/exceptions.h"

namespace mox {
namespace {

using canvastesting::kSentinel;
using canvastesting::Picture;
using canvastesting::SentinelBitmap;

const std::map<TColor, char> kLegend = {
    {clBlack, '#'}, {clRed, 'R'}, {clBlue, 'B'}, {clWhite, 'W'}, {clLime, 'G'}};

// A 2x2 bitmap: red green / blue white.
std::unique_ptr<TBitmap> Quad() {
    auto bmp = SentinelBitmap(2, 2);
    bmp->SetPixels(0, 0, clRed);
    bmp->SetPixels(1, 0, clLime);
    bmp->SetPixels(0, 1, clBlue);
    bmp->SetPixels(1, 1, clWhite);
    return bmp;
}

TEST(CanvasCopy, SameSizeCopiesAndStretchingPicksNearestPixels) {
    auto src = Quad();
    auto dest = SentinelBitmap(5, 5);
    dest->Canvas()->CopyRect(Rect(3, 3, 5, 5), *src->Canvas(), Rect(0, 0, 2, 2));
    dest->Canvas()->CopyRect(Rect(0, 0, 4, 2), *src->Canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(Picture(*dest, kLegend),
              "RRGG.\n"
              "RRGG.\n"
              ".....\n"
              "...RG\n"
              "...BW");

    // Shrinking takes every other pixel.
    auto wide = SentinelBitmap(4, 1);
    wide->SetPixels(0, 0, clRed);
    wide->SetPixels(1, 0, clBlue);
    wide->SetPixels(2, 0, clLime);
    wide->SetPixels(3, 0, clWhite);
    auto narrow = SentinelBitmap(2, 1);
    narrow->Canvas()->CopyRect(Rect(0, 0, 2, 1), *wide->Canvas(), Rect(0, 0, 4, 1));
    EXPECT_EQ(Picture(*narrow, kLegend), "RG");
}

TEST(CanvasCopy, SourceAreasOutsideTheSourceAreLeftAlone) {
    auto src = Quad();
    auto dest = SentinelBitmap(4, 1);
    dest->Canvas()->CopyRect(Rect(0, 0, 4, 1), *src->Canvas(), Rect(-1, 0, 3, 1));
    EXPECT_EQ(Picture(*dest, kLegend), ".RG.");
}

TEST(CanvasCopy, OverlappingCopyWithinOneBitmapReadsTheOriginal) {
    auto bmp = SentinelBitmap(5, 1);
    bmp->SetPixels(0, 0, clRed);
    bmp->SetPixels(1, 0, clBlue);
    bmp->SetPixels(2, 0, clLime);
    bmp->Canvas()->CopyRect(Rect(1, 0, 4, 1), *bmp->Canvas(), Rect(0, 0, 3, 1));
    EXPECT_EQ(Picture(*bmp, kLegend), "RRBG.");
}

TEST(CanvasCopy, CopyModesCombineSourceDestinationAndBrush) {
    constexpr TColor s = 0x0FF033, d = 0x5555AA, brush = 0x3366CC, bits = 0xFFFFFF;
    const std::pair<TCopyMode, TColor> cases[] = {
        {cmSrcCopy, s},
        {cmSrcInvert, s ^ d},
        {cmSrcAnd, s & d},
        {cmSrcPaint, s | d},
        {cmNotSrcCopy, ~s & bits},
        {cmBlackness, 0},
        {cmWhiteness, bits},
        {cmDstInvert, ~d & bits},
        {cmMergePaint, (~s | d) & bits},
        {cmSrcErase, s & ~d},
        {cmNotSrcErase, ~(s | d) & bits},
        {cmPatCopy, brush},
        {cmPatInvert, brush ^ d},
        {cmMergeCopy, brush & s},
        {cmPatPaint, (brush | ~s | d) & bits},
    };
    auto src = SentinelBitmap(2, 2, s);
    for (const auto& [mode, expected] : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << mode);
        auto dest = SentinelBitmap(3, 3, d);
        TCanvas& c = *dest->Canvas();
        c.SetCopyMode(mode);
        c.Brush()->SetColor(brush);
        c.CopyRect(Rect(0, 0, 2, 2), *src->Canvas(), Rect(0, 0, 2, 2));
        EXPECT_EQ(dest->Pixels(1, 1), expected);
        EXPECT_EQ(dest->Pixels(2, 2), d);
        EXPECT_TRUE(canvastesting::AllOpaque(dest->Image()));
    }
}

TEST(CanvasCopy, SourceInvertTwiceRestores) {
    auto src = Quad();
    auto dest = SentinelBitmap(2, 2);
    const QImage before = dest->Image().copy();
    dest->Canvas()->SetCopyMode(cmSrcInvert);
    dest->Canvas()->Draw(0, 0, *src);
    EXPECT_NE(dest->Image(), before);
    dest->Canvas()->Draw(0, 0, *src);
    EXPECT_EQ(dest->Image(), before);
}

TEST(CanvasCopy, DrawLeavesOutTheTransparentColour) {
    auto src = Quad();
    auto dest = SentinelBitmap(3, 3);
    dest->Canvas()->Draw(1, 1, *src);
    EXPECT_EQ(Picture(*dest, kLegend), "...\n.RG\n.BW");

    // Automatic: the bottom-left pixel (blue) is left out.
    src->SetTransparent(true);
    auto automatic = SentinelBitmap(3, 3);
    automatic->Canvas()->Draw(1, 1, *src);
    EXPECT_EQ(Picture(*automatic, kLegend), "...\n.RG\n..W");

    src->SetTransparentColor(clLime);
    auto fixed = SentinelBitmap(4, 4);
    fixed->Canvas()->SetCopyMode(cmSrcInvert);  // transparent drawing is always a plain copy
    fixed->Canvas()->StretchDraw(Rect(0, 0, 4, 4), *src);
    EXPECT_EQ(Picture(*fixed, kLegend), "RR..\nRR..\nBBWW\nBBWW");
}

TEST(CanvasCopy, BrushCopyLeavesOutTheGivenColour) {
    auto src = Quad();
    auto dest = SentinelBitmap(4, 2);
    dest->Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    dest->Canvas()->BrushCopy(Rect(0, 0, 4, 2), *src, Rect(0, 0, 2, 2), clRed);
    EXPECT_EQ(Picture(*dest, kLegend), "..GG\nBBWW");
}

// Where the source has the given colour the brush paints, through the same stretch as the rest;
// the copy mode plays no part. A pattern brush tiles from the destination's origin.
TEST(CanvasCopy, BrushCopyPaintsTheGivenColourWithTheBrush) {
    auto stripes = SentinelBitmap(2, 1);
    stripes->SetPixels(0, 0, clBlack);
    stripes->SetPixels(1, 0, clWhite);
    struct Row {
        const char* Name;
        TBrushStyle Style;
        TColor Color;
        TBitmap* Pattern;
        TColor Key;
        const char* Expected;
    };
    const Row rows[] = {
        {"solid brush", TBrushStyle::bsSolid, clBlue, nullptr, clRed, "BBGG\nBBWW"},
        {"the key's own colour keeps the source", TBrushStyle::bsSolid, clRed, nullptr, clRed,
         "RRGG\nBBWW"},
        {"key colour absent", TBrushStyle::bsSolid, clBlue, nullptr, clBlack, "RRGG\nBBWW"},
        {"clear brush", TBrushStyle::bsClear, clBlue, nullptr, clWhite, "RRGG\nBB.."},
        {"pattern brush", TBrushStyle::bsSolid, clBlue, stripes.get(), clWhite, "RRGG\nBB#W"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        auto src = Quad();
        auto dest = SentinelBitmap(4, 2);
        TCanvas& c = *dest->Canvas();
        c.Brush()->SetColor(row.Color);
        c.Brush()->SetStyle(row.Style);
        c.Brush()->SetBitmap(row.Pattern);
        c.SetCopyMode(cmSrcInvert);
        c.BrushCopy(Rect(0, 0, 4, 2), *src, Rect(0, 0, 2, 2), row.Key);
        EXPECT_EQ(Picture(*dest, kLegend), row.Expected);
    }

    // Drawn through a paint event's painter the brush shows the same way.
    auto src = Quad();
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(ToQColor(kSentinel));
    QPainter painter(&image);
    TCanvas c;
    c.BindPainter(&painter);
    c.Brush()->SetColor(clBlue);
    c.BrushCopy(Rect(0, 0, 4, 2), *src, Rect(0, 0, 2, 2), clRed);
    painter.end();
    EXPECT_EQ(Picture(image, kLegend), "BBGG\nBBWW");
}

TEST(CanvasCopy, SourceMustHaveReadablePixels) {
    auto dest = SentinelBitmap(2, 2);
    TCanvas windowCanvas;
    EXPECT_THROW(dest->Canvas()->CopyRect(Rect(0, 0, 2, 2), windowCanvas, Rect(0, 0, 2, 2)),
                 EInvalidOperation);
}

TEST(CanvasCopy, BoundPainterCopiesThroughCompositionModes) {
    auto src = Quad();
    src->SetTransparent(true);
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(ToQColor(kSentinel));
    QPainter painter(&image);
    TCanvas c;
    c.BindPainter(&painter);
    c.Draw(0, 0, *src);
    c.SetCopyMode(cmDstInvert);
    c.CopyRect(Rect(2, 2, 3, 3), *src->Canvas(), Rect(0, 0, 1, 1));
    // A mode that needs the brush, the source and the destination has no Qt equivalent.
    c.SetCopyMode(cmPatPaint);
    EXPECT_THROW(c.CopyRect(Rect(0, 0, 1, 1), *src->Canvas(), Rect(0, 0, 1, 1)), EInvalidOperation);
    painter.end();
    EXPECT_EQ(
        Picture(image, {{clRed, 'R'}, {clLime, 'G'}, {clWhite, 'W'}, {~kSentinel & 0xFFFFFF, 'I'}}),
        "RG.\n.W.\n..I");
}

}  // namespace
}  // namespace mox
