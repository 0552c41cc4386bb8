// Pixel rules of the canvas's lines and shapes, checked pixel by pixel on small bitmaps.
#include <gtest/gtest.h>

#include <QPainter>
#include <climits>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

#include "support/canvastesting.h"
#include "toolkit/core/exceptions.h"

namespace mox {
namespace {

using canvastesting::AllOpaque;
using canvastesting::CountPixels;
using canvastesting::kSentinel;
using canvastesting::PaintedBounds;
using canvastesting::Picture;
using canvastesting::SentinelBitmap;

const std::map<TColor, char> kLegend = {
    {clBlack, '#'}, {clRed, 'R'}, {clBlue, 'B'}, {clWhite, 'W'}, {clLime, 'G'}};

// The result of every pen mode on pen colour p over pixel d, as its definition reads.
TColor ExpectedMode(TPenMode mode, TColor p, TColor d) {
    constexpr TColor kBits = 0xFFFFFF;
    switch (mode) {
        case TPenMode::pmBlack:
            return 0;
        case TPenMode::pmWhite:
            return kBits;
        case TPenMode::pmNop:
            return d;
        case TPenMode::pmNot:
            return ~d & kBits;
        case TPenMode::pmCopy:
            return p;
        case TPenMode::pmNotCopy:
            return ~p & kBits;
        case TPenMode::pmMergePenNot:
            return (p | ~d) & kBits;
        case TPenMode::pmMaskPenNot:
            return p & ~d & kBits;
        case TPenMode::pmMergeNotPen:
            return (~p | d) & kBits;
        case TPenMode::pmMaskNotPen:
            return ~p & d & kBits;
        case TPenMode::pmMerge:
            return p | d;
        case TPenMode::pmNotMerge:
            return ~(p | d) & kBits;
        case TPenMode::pmMask:
            return p & d;
        case TPenMode::pmNotMask:
            return ~(p & d) & kBits;
        case TPenMode::pmXor:
            return p ^ d;
        case TPenMode::pmNotXor:
            return ~(p ^ d) & kBits;
    }
    return -1;
}

constexpr TColor kPenColor = 0x0FF033;
constexpr TColor kDestColor = 0x5555AA;

TEST(CanvasLine, HorizontalLineLeavesOutItsEndPixel) {
    auto bmp = SentinelBitmap(7, 1);
    bmp->Canvas()->MoveTo(0, 0);
    bmp->Canvas()->LineTo(5, 0);
    EXPECT_EQ(Picture(*bmp, kLegend), "#####..");
    EXPECT_EQ(bmp->Canvas()->PenPos(), Point(5, 0));
}

TEST(CanvasLine, ShallowLineStepsAtTheNearestPixel) {
    auto bmp = SentinelBitmap(7, 3);
    bmp->Canvas()->MoveTo(0, 0);
    bmp->Canvas()->LineTo(6, 2);
    EXPECT_EQ(Picture(*bmp, kLegend),
              "##.....\n"
              "..###..\n"
              ".....#.");
}

// Every octant (and the axes and diagonals between them): exactly one pixel per step along the
// major axis, the start set, the end left out, each pixel within half a pixel of the ideal line.
TEST(CanvasLine, EndPixelExcludedInEveryOctant) {
    const TPoint ends[] = {{7, 3}, {3, 7}, {-3, 7}, {-7, 3}, {-7, -3}, {-3, -7}, {3, -7},  {7, -3},
                           {7, 0}, {0, 7}, {-7, 0}, {0, -7}, {5, 5},   {-5, 5},  {-5, -5}, {5, -5}};
    constexpr int kCentre = 10;
    for (const TPoint d : ends) {
        SCOPED_TRACE(::testing::Message() << "towards " << d.X << "," << d.Y);
        auto bmp = SentinelBitmap(2 * kCentre + 1, 2 * kCentre + 1);
        bmp->Canvas()->MoveTo(kCentre, kCentre);
        bmp->Canvas()->LineTo(kCentre + d.X, kCentre + d.Y);
        EXPECT_EQ(bmp->Pixels(kCentre, kCentre), clBlack);
        EXPECT_EQ(bmp->Pixels(kCentre + d.X, kCentre + d.Y), kSentinel);
        const bool xMajor = std::abs(d.X) >= std::abs(d.Y);
        const int length = std::max(std::abs(d.X), std::abs(d.Y));
        EXPECT_EQ(CountPixels(*bmp, clBlack), length);
        for (int step = 0; step < length; ++step) {
            const int major = (xMajor ? d.X : d.Y) > 0 ? step : -step;
            const double ideal =
                static_cast<double>(major) * (xMajor ? d.Y : d.X) / (xMajor ? d.X : d.Y);
            int found = 0;
            for (int minor = -kCentre; minor <= kCentre; ++minor) {
                const int x = kCentre + (xMajor ? major : minor);
                const int y = kCentre + (xMajor ? minor : major);
                if (bmp->Pixels(x, y) != clBlack) continue;
                ++found;
                EXPECT_LE(std::abs(minor - ideal), 0.5) << "step " << step;
            }
            EXPECT_EQ(found, 1) << "step " << step;
        }
    }
}

TEST(CanvasLine, ClippedLineKeepsTheSamePixels) {
    // A line far longer than the bitmap sets exactly the pixels the same line sets in a larger one.
    const TPoint from{-3000, -1000}, to{3000, 1030};
    auto big = SentinelBitmap(60, 60);
    big->Canvas()->MoveTo(from.X + 20, from.Y + 20);
    big->Canvas()->LineTo(to.X + 20, to.Y + 20);
    auto small = SentinelBitmap(20, 20);
    small->Canvas()->MoveTo(from.X, from.Y);
    small->Canvas()->LineTo(to.X, to.Y);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(small->Pixels(x, y), big->Pixels(x + 20, y + 20)) << x << "," << y;
    EXPECT_GT(CountPixels(*small, clBlack), 0);
}

TEST(CanvasLine, DotAndDashPatterns) {
    auto bmp = SentinelBitmap(21, 2);
    TCanvas& c = *bmp->Canvas();
    c.Pen()->SetStyle(TPenStyle::psDot);
    c.MoveTo(0, 0);
    c.LineTo(20, 0);
    c.Pen()->SetStyle(TPenStyle::psDashDot);
    c.MoveTo(0, 1);
    c.LineTo(21, 1);
    EXPECT_EQ(Picture(*bmp, kLegend),
              "###...###...###...##.\n"
              "#########......###...");

    auto dash = SentinelBitmap(30, 1);
    dash->Canvas()->Pen()->SetStyle(TPenStyle::psDash);
    dash->Canvas()->MoveTo(0, 0);
    dash->Canvas()->LineTo(30, 0);
    EXPECT_EQ(Picture(*dash, kLegend), std::string(18, '#') + std::string(6, '.') + "######");
}

TEST(CanvasLine, ClearPenDrawsNothingButMovesThePen) {
    auto bmp = SentinelBitmap(5, 5);
    bmp->Canvas()->Pen()->SetStyle(TPenStyle::psClear);
    bmp->Canvas()->MoveTo(0, 0);
    bmp->Canvas()->LineTo(4, 4);
    EXPECT_EQ(CountPixels(*bmp, kSentinel), 25);
    EXPECT_EQ(bmp->Canvas()->PenPos(), Point(4, 4));
}

TEST(CanvasPolyline, PatternRunsOnAcrossSegments) {
    auto bmp = SentinelBitmap(5, 5);
    bmp->Canvas()->Pen()->SetStyle(TPenStyle::psDot);
    const TPoint path[] = {{0, 0}, {4, 0}, {4, 4}};
    bmp->Canvas()->Polyline(path);
    EXPECT_EQ(Picture(*bmp, kLegend),
              "###..\n"
              ".....\n"
              "....#\n"
              "....#\n"
              ".....");
}

TEST(CanvasPolyline, ClosedPathSetsEveryVertexOnce) {
    // Drawn with pmXor on black, a pixel set twice would turn back to black.
    auto bmp = SentinelBitmap(7, 7, clBlack);
    TCanvas& c = *bmp->Canvas();
    c.Pen()->SetColor(clWhite);
    c.Pen()->SetMode(TPenMode::pmXor);
    const TPoint square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}, {1, 1}};
    c.Polyline(square);
    EXPECT_EQ(Picture(*bmp, {{clBlack, '.'}, {clWhite, 'W'}}),
              ".......\n"
              ".WWWWW.\n"
              ".W...W.\n"
              ".W...W.\n"
              ".W...W.\n"
              ".WWWWW.\n"
              ".......");
}

TEST(CanvasPolygon, FillsTheInteriorAndOutlinesEveryVertex) {
    auto bmp = SentinelBitmap(8, 8);
    TCanvas& c = *bmp->Canvas();
    c.Brush()->SetColor(clRed);
    const TPoint triangle[] = {{1, 1}, {6, 1}, {1, 6}};
    c.Polygon(triangle);
    EXPECT_EQ(Picture(*bmp, kLegend),
              "........\n"
              ".######.\n"
              ".#RRR#..\n"
              ".#RR#...\n"
              ".#R#....\n"
              ".##.....\n"
              ".#......\n"
              "........");
}

TEST(CanvasRectangle, OutlineAndFillExcludeRightAndBottom) {
    auto bmp = SentinelBitmap(7, 5);
    TCanvas& c = *bmp->Canvas();
    c.Brush()->SetColor(clRed);
    c.Rectangle(1, 1, 6, 4);
    EXPECT_EQ(Picture(*bmp, kLegend),
              ".......\n"
              ".#####.\n"
              ".#RRR#.\n"
              ".#####.\n"
              ".......");
}

TEST(CanvasRectangle, ClearPenFillsTheWholeBoxAndClearBrushNothing) {
    auto bmp = SentinelBitmap(6, 4);
    TCanvas& c = *bmp->Canvas();
    c.Pen()->SetStyle(TPenStyle::psClear);
    c.Brush()->SetColor(clRed);
    c.Rectangle(1, 1, 5, 3);
    EXPECT_EQ(Picture(*bmp, kLegend), "......\n.RRRR.\n.RRRR.\n......");

    auto hollow = SentinelBitmap(5, 4);
    hollow->Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    hollow->Canvas()->Rectangle(0, 0, 5, 4);
    EXPECT_EQ(Picture(*hollow, kLegend), "#####\n#...#\n#...#\n#####");
}

TEST(CanvasRectangle, OnePixelBoxesAreSetOnce) {
    auto bmp = SentinelBitmap(4, 4, clBlack);
    TCanvas& c = *bmp->Canvas();
    c.Pen()->SetColor(clWhite);
    c.Pen()->SetMode(TPenMode::pmXor);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Rectangle(1, 0, 2, 3);  // one pixel wide
    c.Rectangle(0, 3, 4, 4);  // one pixel high
    EXPECT_EQ(Picture(*bmp, {{clBlack, '.'}, {clWhite, 'W'}}), ".W..\n.W..\n.W..\nWWWW");
}

TEST(CanvasRectangle, WidePenCentresOnTheOutlineOrStaysInside) {
    auto bmp = SentinelBitmap(9, 9);
    TCanvas& c = *bmp->Canvas();
    c.Pen()->SetWidth(3);
    c.Brush()->SetColor(clRed);
    c.Rectangle(2, 2, 7, 7);
    EXPECT_EQ(PaintedBounds(*bmp), Rect(1, 1, 8, 8));
    EXPECT_EQ(Picture(*bmp, kLegend).substr(4 * 10, 9), ".###R###.");

    auto inside = SentinelBitmap(9, 9);
    inside->Canvas()->Pen()->SetWidth(3);
    inside->Canvas()->Pen()->SetStyle(TPenStyle::psInsideFrame);
    inside->Canvas()->Brush()->SetColor(clRed);
    inside->Canvas()->Rectangle(1, 1, 8, 8);
    EXPECT_EQ(PaintedBounds(*inside), Rect(1, 1, 8, 8));
    EXPECT_EQ(inside->Pixels(4, 4), clRed);
    EXPECT_EQ(inside->Pixels(3, 4), clBlack);
}

TEST(CanvasRectangle, FillRectAndFrameRectUseTheBrushOnly) {
    auto bmp = SentinelBitmap(6, 5);
    TCanvas& c = *bmp->Canvas();
    c.Brush()->SetColor(clBlue);
    c.Pen()->SetMode(TPenMode::pmXor);  // FillRect and FrameRect ignore the pen
    c.FillRect(Rect(1, 1, 4, 3));
    EXPECT_EQ(Picture(*bmp, kLegend), "......\n.BBB..\n.BBB..\n......\n......");

    auto frame = SentinelBitmap(6, 5);
    frame->Canvas()->Brush()->SetColor(clRed);
    frame->Canvas()->FrameRect(Rect(1, 1, 5, 5));
    EXPECT_EQ(Picture(*frame, kLegend), "......\n.RRRR.\n.R..R.\n.R..R.\n.RRRR.");
}

TEST(CanvasBrush, HatchesAndBitmapsTileFromTheDeviceOrigin) {
    auto bmp = SentinelBitmap(20, 20);
    TCanvas& c = *bmp->Canvas();
    c.Brush()->SetColor(clRed);
    c.Brush()->SetStyle(TBrushStyle::bsCross);
    c.FillRect(Rect(3, 3, 20, 20));
    for (int y = 3; y < 20; ++y)
        for (int x = 3; x < 20; ++x)
            EXPECT_EQ(bmp->Pixels(x, y), (x % 8 == 0 || y % 8 == 0) ? clRed : kSentinel);

    TBitmap tile;
    tile.SetSize(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            tile.SetPixels(x, y, RGB(x * 100, y * 100, 7));
    auto patterned = SentinelBitmap(12, 12);
    patterned->Canvas()->Brush()->SetBitmap(&tile);
    patterned->Canvas()->Pen()->SetStyle(TPenStyle::psClear);
    patterned->Canvas()->Rectangle(2, 5, 11, 12);
    for (int y = 5; y < 12; ++y)
        for (int x = 2; x < 11; ++x)
            EXPECT_EQ(patterned->Pixels(x, y), tile.Pixels(x % 3, y % 2)) << x << "," << y;
}

TEST(CanvasEllipse, StaysInsideItsBoxAndTouchesEveryEdge) {
    const TRect boxes[] = {Rect(2, 3, 19, 12), Rect(1, 1, 9, 9), Rect(0, 0, 5, 20),
                           Rect(4, 4, 24, 24)};
    for (const TRect& box : boxes) {
        SCOPED_TRACE(::testing::Message()
                     << box.Left << "," << box.Top << "," << box.Right << "," << box.Bottom);
        auto bmp = SentinelBitmap(26, 26);
        bmp->Canvas()->Brush()->SetColor(clRed);
        bmp->Canvas()->Ellipse(box);
        EXPECT_EQ(PaintedBounds(*bmp), box);

        // Without a pen the fill stays inside too.
        auto filled = SentinelBitmap(26, 26);
        filled->Canvas()->Pen()->SetStyle(TPenStyle::psClear);
        filled->Canvas()->Brush()->SetColor(clRed);
        filled->Canvas()->Ellipse(box);
        const TRect inside = PaintedBounds(*filled);
        EXPECT_GE(inside.Left, box.Left);
        EXPECT_GE(inside.Top, box.Top);
        EXPECT_LE(inside.Right, box.Right);
        EXPECT_LE(inside.Bottom, box.Bottom);
    }
}

TEST(CanvasEllipse, ArcsRunCounterClockwiseBetweenRadials) {
    // Quarter from the radial through the right to the radial through the top.
    auto quarter = SentinelBitmap(21, 21);
    quarter->Canvas()->Arc(0, 0, 21, 21, 20, 10, 10, 0);
    EXPECT_EQ(quarter->Pixels(20, 10), clBlack);
    EXPECT_EQ(quarter->Pixels(10, 0), clBlack);
    const TRect drawn = PaintedBounds(*quarter);
    EXPECT_GE(drawn.Left, 9);
    EXPECT_LE(drawn.Bottom, 12);

    // The same radials the other way round give the other three quarters.
    auto rest = SentinelBitmap(21, 21);
    rest->Canvas()->Arc(0, 0, 21, 21, 10, 0, 20, 10);
    EXPECT_EQ(rest->Pixels(0, 10), clBlack);
    EXPECT_EQ(rest->Pixels(10, 20), clBlack);
    EXPECT_EQ(rest->Pixels(17, 3), kSentinel);

    // A pie fills its sector only; radial points far outside the ellipse work the same.
    auto pie = SentinelBitmap(21, 21);
    pie->Canvas()->Brush()->SetColor(clRed);
    pie->Canvas()->Pie(0, 0, 21, 21, 400, 10, 10, -400);
    EXPECT_EQ(pie->Pixels(14, 6), clRed);
    EXPECT_EQ(pie->Pixels(6, 14), kSentinel);
    EXPECT_EQ(pie->Pixels(6, 6), kSentinel);
    EXPECT_EQ(pie->Pixels(10, 10), clBlack);  // the radials meet at the centre

    // A half chord: filled above, closed by a straight line through the centre.
    auto chord = SentinelBitmap(21, 21);
    chord->Canvas()->Brush()->SetColor(clRed);
    chord->Canvas()->Chord(0, 0, 21, 21, 20, 10, 0, 10);
    EXPECT_EQ(PaintedBounds(*chord), Rect(0, 0, 21, 11));
    for (int x = 0; x < 21; ++x)
        EXPECT_EQ(chord->Pixels(x, 10), clBlack) << x;
    EXPECT_EQ(chord->Pixels(10, 5), clRed);
}

TEST(CanvasPenMode, EveryModeCombinesBitsAndStaysOpaque) {
    for (int m = 0; m < EnumInfo<TPenMode>().Count(); ++m) {
        const auto mode = static_cast<TPenMode>(m);
        SCOPED_TRACE(EnumInfo<TPenMode>().NameOf(m).toStdString());
        auto bmp = SentinelBitmap(12, 12, kDestColor);
        TCanvas& c = *bmp->Canvas();
        c.Pen()->SetColor(kPenColor);
        c.Pen()->SetMode(mode);
        c.Brush()->SetColor(kPenColor);
        c.MoveTo(0, 0);
        c.LineTo(5, 0);           // the canvas's own rasteriser
        c.Ellipse(0, 2, 12, 12);  // pixels Qt covers
        const TColor expected = ExpectedMode(mode, kPenColor, kDestColor);
        EXPECT_EQ(bmp->Pixels(2, 0), expected);
        EXPECT_EQ(bmp->Pixels(6, 2), expected);  // outline
        EXPECT_EQ(bmp->Pixels(6, 7), expected);  // interior
        EXPECT_EQ(bmp->Pixels(11, 0), kDestColor);
        EXPECT_TRUE(AllOpaque(bmp->Image()));
    }
}

TEST(CanvasPenMode, XorTwiceRestoresThePicture) {
    auto bmp = SentinelBitmap(30, 30);
    TCanvas& c = *bmp->Canvas();
    for (int i = 0; i < 30; ++i)
        c.SetPixels(i, (i * 7) % 30, RGB(i * 8, 255 - i * 8, i));
    const QImage before = bmp->Image().copy();
    c.Pen()->SetMode(TPenMode::pmXor);
    c.Pen()->SetColor(0xA5C3F0);
    c.Brush()->SetColor(0x3C5A69);
    for (int pass = 0; pass < 2; ++pass) {
        c.MoveTo(1, 2);
        c.LineTo(28, 17);
        c.Rectangle(3, 3, 20, 25);
        c.Ellipse(5, 1, 29, 22);
        const TPoint star[] = {{15, 0}, {29, 29}, {0, 10}, {29, 10}, {0, 29}};
        c.Polygon(star);
        c.Pie(0, 0, 30, 30, 30, 0, 0, 30);
        if (pass == 0) {
            EXPECT_NE(bmp->Image(), before);
        }
    }
    EXPECT_EQ(bmp->Image(), before);
}

TEST(CanvasPixels, ReadAndWriteWithinTheClip) {
    auto bmp = SentinelBitmap(4, 4);
    TCanvas& c = *bmp->Canvas();
    c.Pen()->SetMode(TPenMode::pmXor);  // setting a pixel ignores the pen
    c.SetPixels(1, 2, clRed);
    EXPECT_EQ(c.Pixels(1, 2), clRed);
    EXPECT_EQ(c.Pixels(4, 0), clInvalidPixel);
    EXPECT_EQ(c.Pixels(-1, 0), clInvalidPixel);
    c.SetPixels(9, 9, clRed);  // outside: ignored

    c.SetClipRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 2, 2));
    c.Brush()->SetColor(clBlue);
    c.FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(Picture(*bmp, kLegend), "BB..\nBB..\n.R..\n....");
    c.ResetClipRect();
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 4, 4));
}

TEST(CanvasDevice, ExtremeCoordinatesDrawOnlyWhatIsVisible) {
    // Geometry gone wrong upstream must neither overflow nor walk billions of pixels.
    constexpr int lo = INT_MIN, hi = INT_MAX;
    auto bmp = SentinelBitmap(8, 8);
    TCanvas& c = *bmp->Canvas();
    c.Brush()->SetColor(clRed);
    c.MoveTo(lo, lo);
    c.LineTo(hi, hi);
    c.Rectangle(lo, lo, hi, hi);
    c.Ellipse(lo, 0, hi, 4);
    c.Pie(lo, lo, hi, hi, hi, 0, 0, lo);
    const TPoint far[] = {{lo, 3}, {hi, 3}, {0, hi}};
    c.Polygon(far);
    c.Pen()->SetWidth(3);
    c.Polyline(far);
    c.Rectangle(lo, lo, hi, hi);
    c.FrameRect(Rect(lo, lo, hi, hi));
    c.TextOut(hi, hi, QStringLiteral("x"));
    TRect r = Rect(lo, lo, hi, hi);
    c.DrawText(QStringLiteral("x"), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    c.CopyRect(Rect(lo, lo, hi, hi), c, Rect(0, 0, 2, 2));
    c.StretchDraw(Rect(lo, lo, hi, hi), *bmp);
    EXPECT_EQ(CountPixels(*bmp, kSentinel), 0);
}

TEST(CanvasDevice, PensWiderThanTheCoordinateSpaceCoverEverythingWithoutOverflow) {
    // A pen width read from a file may be anything; the widest lines and frames paint every
    // pixel in reach.
    struct Row {
        const char* Name;
        std::function<void(TCanvas&)> Draw;
    };
    const Row rows[] = {
        {"line",
         [](TCanvas& c) {
             c.MoveTo(1, 1);
             c.LineTo(2, 1);
         }},
        {"polyline",
         [](TCanvas& c) {
             const TPoint path[] = {{1, 1}, {2, 2}, {1, 3}};
             c.Polyline(path);
         }},
        {"rectangle", [](TCanvas& c) { c.Rectangle(2, 2, 4, 4); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        auto bmp = SentinelBitmap(8, 8);
        TCanvas& c = *bmp->Canvas();
        c.Pen()->SetColor(clRed);
        c.Pen()->SetWidth(INT_MAX);
        row.Draw(c);
        EXPECT_EQ(CountPixels(*bmp, clRed), 64);
    }
    // Curves go through Qt's stroker, which draws nothing for pens far wider than the curve;
    // they only have to keep their arithmetic in range.
    auto bmp = SentinelBitmap(8, 8);
    TCanvas& c = *bmp->Canvas();
    c.Pen()->SetWidth(INT_MAX);
    c.Ellipse(2, 2, 4, 4);
    c.Arc(2, 2, 4, 4, 4, 3, 2, 3);
    c.Pie(2, 2, 4, 4, 4, 3, 2, 3);
}

TEST(CanvasDevice, UnboundCanvasRefusesToDraw) {
    TCanvas c;
    EXPECT_FALSE(c.CanDraw());
    EXPECT_THROW(c.LineTo(3, 3), EInvalidOperation);
    EXPECT_EQ(c.Pixels(0, 0), clInvalidPixel);
    EXPECT_EQ(c.ClipRect(), TRect{});
    EXPECT_GT(c.TextHeight(QStringLiteral("x")), 0);  // measuring needs no device

    TBitmap empty;  // a canvas on an empty bitmap draws nothing, without failing
    empty.Canvas()->Rectangle(0, 0, 5, 5);
    EXPECT_TRUE(empty.Empty());
}

TEST(CanvasDevice, BoundPainterDrawsWithTheSameRules) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(ToQColor(kSentinel));
    QPainter painter(&image);
    painter.translate(2, 1);  // a control painting at its place in the parent
    TCanvas c;
    c.BindPainter(&painter);
    EXPECT_EQ(c.ClipRect(), Rect(-2, -1, 6, 5));
    c.Brush()->SetColor(clRed);
    c.Rectangle(0, 0, 4, 3);
    c.MoveTo(0, 4);
    c.LineTo(3, 4);
    EXPECT_EQ(c.Pixels(0, 0), clInvalidPixel);  // a painter's pixels cannot be read
    c.UnbindPainter();
    painter.end();
    EXPECT_EQ(Picture(image, kLegend),
              "........\n"
              "..####..\n"
              "..#RR#..\n"
              "..####..\n"
              "........\n"
              "..###...");
}

// A bitmap draws a part of an ellipse within bounds kept close to that part, and with plain
// colours straight through Qt; a bound painter has neither shortcut. Both must give the same
// pixels, however the part lies and however wide the pen.
TEST(CanvasDevice, CurvesOnABitmapMatchABoundPainter) {
    struct TCurveCase {
        TRect Box;
        TPoint Start, End;
        int PenWidth;
    };
    const TCurveCase cases[] = {
        {Rect(2, 2, 40, 40), {40, 2}, {2, 2}, 1},     // top quarter
        {Rect(2, 2, 40, 40), {2, 40}, {40, 40}, 1},   // bottom quarter
        {Rect(2, 2, 40, 40), {2, 2}, {2, 40}, 1},     // left quarter
        {Rect(2, 2, 40, 40), {40, 21}, {40, 20}, 1},  // all but a sliver
        {Rect(2, 2, 40, 40), {40, 20}, {40, 21}, 1},  // a sliver
        {Rect(1, 10, 43, 30), {43, 30}, {1, 30}, 1},  // flat, more than half
        {Rect(5, 1, 25, 43), {25, 1}, {5, 43}, 3},    // tall, half, wide pen
        {Rect(2, 2, 40, 40), {21, 0}, {0, 21}, 4},    // quarter, wide pen
    };
    for (const TCurveCase& curve : cases) {
        for (int kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE(testing::Message() << "box " << curve.Box.Left << ',' << curve.Box.Top
                                            << ',' << curve.Box.Right << ',' << curve.Box.Bottom
                                            << " pen " << curve.PenWidth << " kind " << kind);
            const auto draw = [&](TCanvas& c) {
                c.Pen()->SetColor(clBlue);
                c.Pen()->SetWidth(curve.PenWidth);
                c.Brush()->SetColor(clRed);
                const TRect& b = curve.Box;
                const TPoint &s = curve.Start, &e = curve.End;
                if (kind == 0) c.Pie(b.Left, b.Top, b.Right, b.Bottom, s.X, s.Y, e.X, e.Y);
                if (kind == 1) c.Chord(b.Left, b.Top, b.Right, b.Bottom, s.X, s.Y, e.X, e.Y);
                if (kind == 2) c.Arc(b.Left, b.Top, b.Right, b.Bottom, s.X, s.Y, e.X, e.Y);
            };
            auto bitmap = SentinelBitmap(48, 48);
            draw(*bitmap->Canvas());
            QImage image(48, 48, QImage::Format_RGB32);
            image.fill(ToQColor(kSentinel));
            QPainter painter(&image);
            TCanvas bound;
            bound.BindPainter(&painter);
            draw(bound);
            bound.UnbindPainter();
            painter.end();
            EXPECT_EQ(Picture(*bitmap, kLegend), Picture(image, kLegend));
        }
    }
}

TEST(CanvasDevice, BoundPainterAppliesEveryPenMode) {
    for (int m = 0; m < EnumInfo<TPenMode>().Count(); ++m) {
        const auto mode = static_cast<TPenMode>(m);
        SCOPED_TRACE(EnumInfo<TPenMode>().NameOf(m).toStdString());
        QImage image(6, 6, QImage::Format_RGB32);
        image.fill(ToQColor(kDestColor));
        QPainter painter(&image);
        TCanvas c;
        c.BindPainter(&painter);
        c.Pen()->SetColor(kPenColor);
        c.Pen()->SetMode(mode);
        c.Brush()->SetColor(kPenColor);
        c.MoveTo(0, 0);
        c.LineTo(4, 0);
        c.Rectangle(0, 2, 6, 6);
        painter.end();
        const TColor expected = ExpectedMode(mode, kPenColor, kDestColor);
        EXPECT_EQ(FromQColor(image.pixelColor(1, 0)), expected);
        EXPECT_EQ(FromQColor(image.pixelColor(0, 3)), expected);
        EXPECT_EQ(FromQColor(image.pixelColor(3, 4)), expected);
        EXPECT_TRUE(AllOpaque(image));
    }
}

TEST(CanvasLock, IsRecursiveAndExcludesOtherThreads) {
    TCanvas c;
    c.Lock();
    c.Lock();
    EXPECT_EQ(c.LockCount(), 2);
    bool otherGotIt = true;
    std::thread([&] { otherGotIt = c.TryLock(); }).join();
    EXPECT_FALSE(otherGotIt);
    c.Unlock();
    c.Unlock();
    EXPECT_EQ(c.LockCount(), 0);
    std::thread([&] {
        otherGotIt = c.TryLock();
        if (otherGotIt) c.Unlock();
    }).join();
    EXPECT_TRUE(otherGotIt);
}

}  // namespace
}  // namespace mox
