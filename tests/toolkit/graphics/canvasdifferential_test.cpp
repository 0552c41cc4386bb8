// The canvas writes pixels in spans and runs straight into an image's bits; the reference device
// writes the same primitives one pixel at a time the plain way. Seeded random sequences of every
// kind of primitive, state and clip are drawn through both and the images compared bit for bit.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <climits>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "referenceimagedevice.h"
#include "support/canvastesting.h"
#include "toolkit/graphics/rasterline.h"

namespace mox {
namespace {

using canvastesting::kSentinel;
using canvastesting::TReferenceImageDevice;

constexpr std::array kCopyModes = {cmBlackness,  cmDstInvert,   cmMergeCopy, cmMergePaint,
                                   cmNotSrcCopy, cmNotSrcErase, cmPatCopy,   cmPatInvert,
                                   cmPatPaint,   cmSrcAnd,      cmSrcCopy,   cmSrcErase,
                                   cmSrcInvert,  cmSrcPaint,    cmWhiteness};
constexpr std::array kExtremes = {INT_MIN,     INT_MIN + 1,  INT_MAX,         INT_MAX - 1,
                                  kCoordLimit, -kCoordLimit, kCoordLimit + 1, -kCoordLimit - 1,
                                  1 << 30,     -(1 << 30)};
const std::array<QString, 6> kTexts = {QStringLiteral("Ag"),
                                       QStringLiteral("Hello &World"),
                                       QStringLiteral("a&&b c"),
                                       QString(),
                                       QStringLiteral("wrap these words\nand lines"),
                                       QStringLiteral("|||")};

// Random primitives and canvas states, every choice written into a description for the failure
// message.
class TPrimitiveMaker {
public:
    TPrimitiveMaker(unsigned seed, int width, int height)
        : FRandom(seed), FWidth(width), FHeight(height) {
        for (auto& bitmap : FSources) {
            bitmap = std::make_unique<TBitmap>();
            bitmap->SetSize(Between(1, 12), Between(1, 9));
            QImage& image = bitmap->Image();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, Chance(30) ? 0xFF000000u : Color() | 0xFF000000u);
        }
        FSources[1]->SetTransparent(true);
        FSources[2]->SetTransparent(true);
        FSources[2]->SetTransparentMode(TTransparentMode::tmFixed);
        FSources[2]->SetTransparentColor(clBlack);
    }

    // Draws one random primitive with a random state on both canvases.
    std::string DrawOn(TCanvas& fast, TCanvas& reference) {
        std::ostringstream text;
        const int kind = Between(0, 17);
        SetState(text);
        const std::array<int, 8> v = {X(), Y(), X(), Y(), X(), Y(), X(), Y()};
        text << "kind " << kind << " coords";
        for (int c : v)
            text << ' ' << c;
        std::vector<TPoint> points(static_cast<std::size_t>(Between(1, 6)));
        for (TPoint& p : points)
            p = {X(), Y()};
        if (kind == 1 || kind == 2) {
            text << " points";
            for (const TPoint& p : points)
                text << " (" << p.X << ',' << p.Y << ')';
        }
        const QString& words = kTexts[static_cast<std::size_t>(Between(0, kTexts.size() - 1))];
        const int flags = Between(0, 0xFFF) & ~DT_CALCRECT;
        const TBitmap& bitmap = *FSources[static_cast<std::size_t>(Between(0, 2))];
        const bool fromItself = Chance(30);
        if (kind >= 11 && kind <= 17)
            text << " text \"" << words.toStdString() << "\" flags " << flags << " source "
                 << (fromItself ? "itself" : "bitmap") << ' ' << bitmap.Width() << 'x'
                 << bitmap.Height();
        for (TCanvas* canvas : {&fast, &reference}) {
            ApplyState(*canvas);
            TCanvas& source = fromItself ? *canvas : *bitmap.Canvas();
            TRect r{v[0], v[1], v[2], v[3]};
            switch (kind) {
                case 0:
                    canvas->MoveTo(v[0], v[1]);
                    canvas->LineTo(v[2], v[3]);
                    break;
                case 1:
                    canvas->Polyline(points);
                    break;
                case 2:
                    canvas->Polygon(points);
                    break;
                case 3:
                    canvas->Rectangle(r);
                    break;
                case 4:
                    canvas->FillRect(r);
                    break;
                case 5:
                    canvas->FrameRect(r);
                    break;
                case 6:
                    canvas->Ellipse(r);
                    break;
                case 7:
                    canvas->Arc(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
                    break;
                case 8:
                    canvas->Pie(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
                    break;
                case 9:
                    canvas->Chord(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
                    break;
                case 10:
                    canvas->SetPixels(v[0], v[1], FPenColor);
                    break;
                case 11:
                    canvas->TextOut(v[0], v[1], words);
                    break;
                case 12:
                    canvas->TextRect(r, v[4], v[5], words);
                    break;
                case 13:
                    canvas->DrawText(words, r, flags);
                    break;
                case 14:
                    canvas->CopyRect(r, source, {v[4], v[5], v[6], v[7]});
                    break;
                case 15:
                    canvas->Draw(v[0], v[1], bitmap);
                    break;
                case 16:
                    canvas->StretchDraw(r, bitmap);
                    break;
                default:
                    canvas->BrushCopy(r, bitmap, {v[4], v[5], v[6], v[7]}, FPenColor);
                    break;
            }
        }
        return text.str();
    }

private:
    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(FRandom); }
    int Between(int low, std::size_t high) { return Between(low, static_cast<int>(high)); }
    bool Chance(int percent) { return Between(0, 99) < percent; }
    TColor Color() {
        static constexpr std::array kPalette = {clBlack, clWhite, clRed, clBlue, 0x123456};
        return Chance(50) ? kPalette[static_cast<std::size_t>(Between(0, kPalette.size() - 1))]
                          : Between(0, 0xFFFFFF);
    }
    // Mostly on and around the image, sometimes far off it and at the ends of int.
    int Coord(int extent) {
        const int pick = Between(0, 99);
        if (pick < 80) return Between(-8, extent + 8);
        if (pick < 90) return Between(-1000, 1000);
        if (pick < 95) return kExtremes[static_cast<std::size_t>(Between(0, kExtremes.size() - 1))];
        return Between(INT_MIN, INT_MAX);
    }
    int X() { return Coord(FWidth); }
    int Y() { return Coord(FHeight); }

    void SetState(std::ostringstream& text) {
        FPenColor = Color();
        FPenStyle = static_cast<TPenStyle>(Between(0, 6));
        const int widthPick = Between(0, 99);
        FPenWidth = widthPick < 70   ? 1
                    : widthPick < 92 ? Between(2, 5)
                    : widthPick < 97 ? Between(-3, 0)
                                     : Between(6, 40);
        FPenMode = Chance(50) ? TPenMode::pmCopy : static_cast<TPenMode>(Between(0, 15));
        FBrushColor = Color();
        const int brushPick = Between(0, 99);
        FBrushStyle = brushPick < 40   ? TBrushStyle::bsSolid
                      : brushPick < 55 ? TBrushStyle::bsClear
                                       : static_cast<TBrushStyle>(Between(2, 7));
        FBrushPattern = Chance(10);
        FCopyMode = Chance(50) ? cmSrcCopy
                    : Chance(80)
                        ? kCopyModes[static_cast<std::size_t>(Between(0, kCopyModes.size() - 1))]
                        : Between(0, 0xFF) << 16;
        const int clipPick = Between(0, 99);
        FClip.reset();
        if (clipPick >= 60) FClip = TRect{X(), Y(), X(), Y()};
        FFontSize = Between(6, 14);
        FFontColor = Color();
        text << std::hex << "pen " << FPenColor << std::dec << " style "
             << static_cast<int>(FPenStyle) << " width " << FPenWidth << " mode "
             << static_cast<int>(FPenMode) << "; brush " << std::hex << FBrushColor << std::dec
             << " style " << static_cast<int>(FBrushStyle) << (FBrushPattern ? " pattern" : "")
             << "; copy mode " << std::hex << FCopyMode << std::dec << "; clip ";
        if (FClip)
            text << FClip->Left << ',' << FClip->Top << ',' << FClip->Right << ',' << FClip->Bottom;
        else
            text << "none";
        text << "; font " << FFontSize << "; ";
    }

    void ApplyState(TCanvas& canvas) const {
        canvas.Pen()->SetColor(FPenColor);
        canvas.Pen()->SetStyle(FPenStyle);
        canvas.Pen()->SetWidth(FPenWidth);
        canvas.Pen()->SetMode(FPenMode);
        canvas.Brush()->SetBitmap(FBrushPattern ? FSources[0].get() : nullptr);
        canvas.Brush()->SetColor(FBrushColor);
        canvas.Brush()->SetStyle(FBrushStyle);
        canvas.SetCopyMode(FCopyMode);
        if (FClip)
            canvas.SetClipRect(*FClip);
        else
            canvas.ResetClipRect();
        canvas.Font()->SetName(QStringLiteral("Arial"));
        canvas.Font()->SetSize(FFontSize);
        canvas.Font()->SetColor(FFontColor);
    }

    std::mt19937 FRandom;
    int FWidth;
    int FHeight;
    std::array<std::unique_ptr<TBitmap>, 3> FSources;
    TColor FPenColor = clBlack;
    TPenStyle FPenStyle = TPenStyle::psSolid;
    int FPenWidth = 1;
    TPenMode FPenMode = TPenMode::pmCopy;
    TColor FBrushColor = clWhite;
    TBrushStyle FBrushStyle = TBrushStyle::bsSolid;
    bool FBrushPattern = false;
    TCopyMode FCopyMode = cmSrcCopy;
    std::optional<TRect> FClip;
    int FFontSize = 8;
    TColor FFontColor = clBlack;
};

// Where two images first differ, as text; empty when they are the same.
std::string FirstDifference(const QImage& fast, const QImage& reference) {
    for (int y = 0; y < fast.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(fast.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
        for (int x = 0; x < fast.width(); ++x)
            if (a[x] != b[x]) {
                std::ostringstream text;
                text << "pixel (" << x << ',' << y << ") is " << std::hex << a[x]
                     << ", the reference has " << b[x];
                return text.str();
            }
    }
    return {};
}

struct TDifferentialRow {
    const char* Name;
    unsigned Seed;
    int Width;
    int Height;
    int Primitives;
};

TEST(CanvasDifferential, SpanWritingMatchesThePixelByPixelReference) {
    const TDifferentialRow rows[] = {
        {"odd size", 1, 37, 23, 1500},
        {"even size", 2, 64, 48, 1000},
        {"odd size, another sequence", 3, 37, 23, 1500},
    };
    for (const TDifferentialRow& row : rows) {
        SCOPED_TRACE(row.Name);
        QImage fastImage(row.Width, row.Height, QImage::Format_RGB32);
        fastImage.fill(ToQColor(kSentinel));
        QImage referenceImage = fastImage.copy();
        TCanvas fast(&fastImage);
        TCanvas reference(std::make_unique<TReferenceImageDevice>(&referenceImage));
        TPrimitiveMaker maker(row.Seed, row.Width, row.Height);
        for (int i = 0; i < row.Primitives; ++i) {
            const std::string primitive = maker.DrawOn(fast, reference);
            const std::string difference = FirstDifference(fastImage, referenceImage);
            ASSERT_TRUE(difference.empty())
                << "seed " << row.Seed << ", primitive " << i << ": " << primitive << "\n"
                << difference;
            EXPECT_EQ(fast.PenPos(), reference.PenPos());
        }
    }
}

// ---- The line arithmetic the span writing relies on

TEST(CanvasDifferential, StepsInsideAreExactlyThePixelsInTheClip) {
    std::mt19937 random(7);
    const auto coord = [&] { return std::uniform_int_distribution(-30, 60)(random); };
    for (int i = 0; i < 3000; ++i) {
        const TPoint from{coord(), coord()}, to{coord(), coord()};
        const TRect clip{coord(), coord(), coord(), coord()};
        const TLineRaster line(from, to);
        const TStepRange inside = line.StepsInside(clip);
        for (int step = 0; step < line.Length(); ++step) {
            const bool expected = clip.Contains(line.At(step));
            const bool got = !inside.IsEmpty() && step >= inside.First && step < inside.End;
            ASSERT_EQ(got, expected) << "line (" << from.X << ',' << from.Y << ")-(" << to.X << ','
                                     << to.Y << ") clip " << clip.Left << ',' << clip.Top << ','
                                     << clip.Right << ',' << clip.Bottom << " step " << step;
        }
    }
}

TEST(CanvasDifferential, FrameLinesSetTheFramePixelsWithTheirSteps) {
    std::mt19937 random(11);
    const auto coord = [&] { return std::uniform_int_distribution(-3, 12)(random); };
    for (int i = 0; i < 500; ++i) {
        const TRect box{coord(), coord(), coord(), coord()};
        const TRect clip{coord(), coord(), coord(), coord()};
        std::vector<std::pair<TPoint, int>> expected, got;
        ForEachFramePixel(box, clip, [&](TPoint p, int step) { expected.emplace_back(p, step); });
        int index = 0;
        for (const TLineSegment& line : FrameLines(box)) {
            ForEachLinePixel(line.From, line.To, clip,
                             [&](TPoint p, int step) { got.emplace_back(p, index + step); });
            index += TLineRaster(line.From, line.To).Length();
        }
        ASSERT_EQ(got, expected) << "box " << box.Left << ',' << box.Top << ',' << box.Right << ','
                                 << box.Bottom;
    }
}

TEST(CanvasDifferential, DashCursorFollowsThePenStyleFromAnyIndex) {
    for (const TPenStyle style : {TPenStyle::psSolid, TPenStyle::psDash, TPenStyle::psDot,
                                  TPenStyle::psDashDot, TPenStyle::psDashDotDot}) {
        for (const int start : {0, 5, 23, -7, INT_MAX - 30}) {
            TDashCursor dash(PenDashRuns(style), start);
            for (int i = 0; i < 60; ++i, dash.Advance())
                ASSERT_EQ(
                    dash.IsOn(),
                    PenStyleSetsPixel(style, static_cast<int>((std::int64_t{start} + i) % 288)))
                    << "style " << static_cast<int>(style) << " from " << start << " at " << i;
        }
    }
}

// ---- Coordinates at the ends of int

TEST(CanvasDifferential, DashesRunOnPastIntAlongHugePaths) {
    // Eight crossings of the whole limited coordinate space above the image run the pattern's
    // index past 2^31 before the visible line; the dots go on from where it stands.
    auto bmp = canvastesting::SentinelBitmap(12, 1);
    TCanvas& canvas = *bmp->Canvas();
    canvas.Pen()->SetStyle(TPenStyle::psDot);
    std::vector<TPoint> path;
    for (int i = 0; i < 9; ++i)
        path.push_back({i % 2 ? kCoordLimit : -kCoordLimit, -5});
    path.push_back({-kCoordLimit, 0});
    path.push_back({12, 0});
    canvas.Polyline(path);
    std::int64_t index = 0;
    for (std::size_t i = 0; i + 2 < path.size(); ++i)
        index += TLineRaster(path[i], path[i + 1]).Length();
    index += kCoordLimit;  // the last line's steps before x = 0
    std::string expected, got;
    for (int x = 0; x < 12; ++x) {
        expected += (index + x) % 6 < 3 ? '#' : '.';
        got += bmp->Canvas()->Pixels(x, 0) == clBlack ? '#' : '.';
    }
    EXPECT_EQ(got, expected);
}

TEST(CanvasDifferential, LinesAcrossTheWholeOfIntOnlyCostTheirVisiblePixels) {
    // Each of these would take seconds if any loop ran over the line's length.
    auto bmp = canvastesting::SentinelBitmap(20, 10);
    TCanvas& canvas = *bmp->Canvas();
    for (int i = 0; i < 200; ++i) {
        canvas.Rectangle(INT_MIN, INT_MIN, INT_MAX - i, INT_MAX);
        canvas.FrameRect({INT_MIN, INT_MIN + i, INT_MAX, INT_MAX});
        canvas.MoveTo(INT_MIN, INT_MIN + i);
        canvas.LineTo(INT_MAX, INT_MAX - i);
        canvas.MoveTo(INT_MIN + i, 5);
        canvas.LineTo(INT_MAX, 5);
    }
    EXPECT_EQ(canvas.Pixels(19, 5), clBlack);
}

}  // namespace
}  // namespace mox
