// The shared geometry, colour and bitmap routines, checked pixel by pixel on sentinel bitmaps.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "instruments/base/vrdraw.h"
#include "support/canvastesting.h"
#include "toolkit/controls/form.h"

namespace mox {
namespace {

using canvastesting::kSentinel;
using canvastesting::Picture;
using canvastesting::SentinelBitmap;

constexpr TColor kTop = clWhite, kBottom = clGray;

TEST(PercentTest, OfAndFromTruncate) {
    EXPECT_EQ(PercentOf(50, 7), 3);
    EXPECT_EQ(PercentOf(-50, 7), -3);
    EXPECT_EQ(PercentFrom(1, 3), 33);
    EXPECT_EQ(PercentFrom(-2, 3), -66);
    EXPECT_EQ(PercentFrom(5, 0), 0);
    // Large values do not overflow on the way.
    EXPECT_EQ(PercentFrom(std::numeric_limits<int>::max(), std::numeric_limits<int>::max()), 100);
    EXPECT_EQ(PercentOf(1e12, 1000), std::numeric_limits<int>::max());
}

TEST(ColourTest, ByteClampRoundsHalvesToEvenAndClamps) {
    EXPECT_EQ(ByteClamp(0.5), 0);
    EXPECT_EQ(ByteClamp(1.5), 2);
    EXPECT_EQ(ByteClamp(254.5), 254);
    EXPECT_EQ(ByteClamp(255.5), 255);
    EXPECT_EQ(ByteClamp(1e9), 255);
    EXPECT_EQ(ByteClamp(-3), 0);
    EXPECT_EQ(ByteClamp(std::nan("")), 0);
    EXPECT_EQ(RealRGB(10.4, 300, -1), RGB(10, 255, 0));
}

TEST(GeometryTest, ClampAndSplitFirst) {
    int v = 5;
    Clamp(v, 7, 9);
    EXPECT_EQ(v, 7);
    Clamp(v, 0, 3);
    EXPECT_EQ(v, 3);

    QString s = QStringLiteral("a,b,c");
    EXPECT_EQ(SplitFirst(s, QStringLiteral(",")), QStringLiteral("a"));
    EXPECT_EQ(s, QStringLiteral("b,c"));
    QString word = QStringLiteral("abc");
    EXPECT_EQ(SplitFirst(word, QStringLiteral(";;")), QStringLiteral("abc"));
    EXPECT_TRUE(word.isEmpty());
    // An empty separator would otherwise split off nothing forever.
    QString text = QStringLiteral("xy");
    EXPECT_EQ(SplitFirst(text, QString()), QStringLiteral("xy"));
    EXPECT_TRUE(text.isEmpty());
}

TEST(Frame3DTest, TwoRingsTopLeftAndBottomRight) {
    auto b = SentinelBitmap(6, 5);
    TRect r = Rect(0, 0, 6, 5);
    Frame3D(*b->Canvas(), r, kTop, kBottom, 2);
    EXPECT_EQ(r, Rect(2, 2, 4, 3));
    EXPECT_EQ(Picture(*b, {{kTop, 'T'}, {kBottom, 'B'}}),
              "TTTTTB\n"
              "TTTTBB\n"
              "TT..BB\n"
              "TBBBBB\n"
              "BBBBBB");
}

TEST(Frame3DTest, WidthZeroOrLessDrawsNothingAndKeepsTheRect) {
    auto b = SentinelBitmap(4, 4);
    for (int width : {0, -3}) {
        TRect r = Rect(0, 0, 4, 4);
        Frame3D(*b->Canvas(), r, kTop, kBottom, width);
        EXPECT_EQ(r, Rect(0, 0, 4, 4));
    }
    EXPECT_EQ(canvastesting::CountPixels(*b, kSentinel), 16);
}

TEST(Frame3DTest, HugeWidthEndsQuicklyAndShrinksArithmetically) {
    auto b = SentinelBitmap(4, 4);
    TRect r = Rect(0, 0, 4, 4);
    Frame3D(*b->Canvas(), r, kTop, kBottom, 2000000000);
    EXPECT_EQ(r.Left, kCoordLimit);
    EXPECT_EQ(canvastesting::CountPixels(*b, kSentinel), 0);
}

TEST(BandGradientTest, BandsAcrossTheWidth) {
    auto b = SentinelBitmap(8, 2);
    BandGradient(*b->Canvas(), Rect(0, 0, 8, 2), RGB(0, 0, 0), RGB(80, 160, 240), 1, 2);
    // Channels rise by difference / width × band width per band.
    for (int band = 0; band < 4; ++band)
        for (int x = band * 2; x < band * 2 + 2; ++x)
            for (int y = 0; y < 2; ++y)
                EXPECT_EQ(b->Pixels(x, y), RGB(band * 20, band * 40, band * 60)) << x;
}

TEST(BandGradientTest, BandsDownTheHeightAndOtherOrientations) {
    auto b = SentinelBitmap(2, 4);
    BandGradient(*b->Canvas(), Rect(0, 0, 2, 4), RGB(100, 0, 0), RGB(0, 0, 100), 0, 1);
    EXPECT_EQ(b->Pixels(1, 0), RGB(100, 0, 0));
    EXPECT_EQ(b->Pixels(0, 1), RGB(75, 0, 25));
    EXPECT_EQ(b->Pixels(0, 3), RGB(25, 0, 75));

    auto untouched = SentinelBitmap(3, 3);
    BandGradient(*untouched->Canvas(), Rect(0, 0, 3, 3), clRed, clBlue, 2, 1);
    EXPECT_EQ(canvastesting::CountPixels(*untouched, kSentinel), 9);
    // A band width of 0 would never advance; it paints as width 1.
    BandGradient(*untouched->Canvas(), Rect(0, 0, 3, 3), clRed, clRed, 1, 0);
    EXPECT_EQ(canvastesting::CountPixels(*untouched, clRed), 9);
}

TEST(BitmapRoutinesTest, CheckerBitmapParity) {
    auto c = CheckerBitmap(clRed, clBlue);
    ASSERT_EQ(c->Width(), 8);
    ASSERT_EQ(c->Height(), 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(c->Pixels(x, y), (x % 2 == y % 2) ? clRed : clBlue);
}

TEST(BitmapRoutinesTest, RecolorUsesTheUnchangedPixelsForBothKeys) {
    auto b = SentinelBitmap(4, 1);
    b->SetPixels(0, 0, clGray);
    b->SetPixels(1, 0, clSilver);
    b->SetPixels(2, 0, RGB(128, 128, 129));  // near the key is not the key
    // Low becomes the high key's colour: a second pass must not turn it into High.
    RecolorBitmap(*b, clGray, clSilver, clSilver, clLime);
    EXPECT_EQ(b->Pixels(0, 0), clSilver);
    EXPECT_EQ(b->Pixels(1, 0), clLime);
    EXPECT_EQ(b->Pixels(2, 0), RGB(128, 128, 129));
    EXPECT_EQ(b->Pixels(3, 0), kSentinel);

    auto plain = SentinelBitmap(3, 3);
    RecolorBitmap(*plain, clMaroon, clGreen, clRed, clLime);
    EXPECT_EQ(canvastesting::CountPixels(*plain, kSentinel), 9);

    ReplaceColor(*plain, kSentinel, clBtnFace);
    EXPECT_EQ(plain->Pixels(2, 2), ColorToRGB(clBtnFace));
}

TEST(BitmapRoutinesTest, TileBitmapRepeatsFromTheCornerAndSkipsEmptyBitmaps) {
    auto tile = SentinelBitmap(2, 2, clRed);
    tile->SetPixels(0, 0, clBlue);
    auto b = SentinelBitmap(5, 5);
    TileBitmap(*b->Canvas(), Rect(1, 1, 4, 4), *tile);
    // Tiles start at 1 and 3; the last ones overhang to column and row 4.
    EXPECT_EQ(Picture(*b, {{clRed, 'r'}, {clBlue, 'b'}}),
              ".....\n"
              ".brbr\n"
              ".rrrr\n"
              ".brbr\n"
              ".rrrr");
    TBitmap empty;
    TileBitmap(*b->Canvas(), Rect(0, 0, 5, 5), empty);
    EXPECT_EQ(BitmapRect(*tile), Rect(0, 0, 2, 2));
}

TEST(CaptionTest, EnabledCentredDisabledEmbossedAtTheTopLeft) {
    const TRect area = Rect(10, 10, 90, 40);
    auto enabled = SentinelBitmap(100, 50);
    enabled->Canvas()->Font()->SetColor(clBlack);
    DrawCaption(*enabled->Canvas(), QStringLiteral("MM"), area, true);
    const TRect e = canvastesting::PaintedBounds(*enabled);
    EXPECT_NEAR((e.Left + e.Right) / 2.0, 50, 2);
    EXPECT_NEAR((e.Top + e.Bottom) / 2.0, 25, 3);
    EXPECT_GT(canvastesting::CountPixels(*enabled, clBlack), 0);

    auto disabled = SentinelBitmap(100, 50);
    DrawCaption(*disabled->Canvas(), QStringLiteral("MM"), area, false);
    const TRect d = canvastesting::PaintedBounds(*disabled);
    EXPECT_LE(d.Left, 13);
    EXPECT_LE(d.Top, 14);
    EXPECT_GT(canvastesting::CountPixels(*disabled, ColorToRGB(clBtnShadow)), 0);
    EXPECT_GT(canvastesting::CountPixels(*disabled, ColorToRGB(clBtnHighlight)), 0);
    // A clear brush: the background around the letters stays.
    EXPECT_EQ(disabled->Pixels(80, 35), kSentinel);
}

TEST(LayoutTest, ImageLeftCentresTheGroup) {
    auto b = SentinelBitmap(100, 40);
    TCanvas& canvas = *b->Canvas();
    const QString caption = QStringLiteral("Run");
    TRect measured = Rect(0, 0, 100, 0);
    canvas.DrawText(caption, measured, DT_CALCRECT);
    const int tw = measured.Width(), th = measured.Height();

    const TImageTextPlacement p =
        LayoutImageAndText(canvas, Rect(10, 20, 110, 60), Point(1, 2), caption,
                           TVrImageTextLayout::ImageLeft, -1, 5, TSize{9, 9});
    const int margin = (100 - (9 + 5 + tw) + 1) / 2;
    EXPECT_EQ(p.ImagePos, Point(10 + 1 + margin, 20 + 2 + (40 - 9 + 1) / 2));
    EXPECT_EQ(p.TextRect, Bounds(10 + 1 + margin + 9 + 5, 20 + 2 + (40 - th + 1) / 2, tw, th));
}

TEST(LayoutTest, SpreadAndEmptyCaption) {
    auto b = SentinelBitmap(10, 10);
    // No caption: no text, so no spacing, and the image alone is centred along the axis.
    const TImageTextPlacement bottom =
        LayoutImageAndText(*b->Canvas(), Rect(0, 0, 30, 60), Point(0, 0), QString(),
                           TVrImageTextLayout::ImageBottom, -1, -1, TSize{10, 12});
    EXPECT_EQ(bottom.TextRect.Width(), 0);
    EXPECT_EQ(bottom.ImagePos, Point(10, 60 - (60 - 12 + 1) / 2 - 12));
    // A given margin with spread spacing.
    const TImageTextPlacement right =
        LayoutImageAndText(*b->Canvas(), Rect(0, 0, 50, 20), Point(0, 0), QString(),
                           TVrImageTextLayout::ImageRight, 4, -1, TSize{10, 10});
    EXPECT_EQ(right.ImagePos, Point(50 - 4 - 10, 5));
}

TEST(OwnershipTest, TopWindowedOwnerClimbsWindowedOwnersOnly) {
    TComponent root(nullptr);
    auto* outer = new TForm(&root);
    auto* inner = new TWinControl(outer);
    auto* leaf = new TComponent(inner);
    EXPECT_EQ(TopWindowedOwner(leaf), outer);
    EXPECT_EQ(TopWindowedOwner(inner), outer);
    EXPECT_EQ(TopWindowedOwner(outer), nullptr);
    EXPECT_EQ(TopWindowedOwner(nullptr), nullptr);
}

}  // namespace
}  // namespace mox
