// The level bar: where its segments go (also for bars too thin for one and ranges at the ends of
// int), its setters' rules, the pixels it paints in each direction and fill, what a rack file
// gives it back, and a position change painting what a full paint paints.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrexceptions.h"
#include "instruments/output/vrprogressbar.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/testwindows.h"
#include "toolkit/core/classregistry.h"

namespace mox {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
using enum TVrOrientation;

// The bar area of a new 200 × 16 bar and of the same bar turned upright.
constexpr TRect kWide{1, 1, 199, 15};
constexpr TRect kTall{1, 1, 15, 199};
constexpr TRect kEverywhere{kIntMin, kIntMin, kIntMax, kIntMax};

std::vector<TLevelSegment> Segments(TRect area, int percent, bool smooth, TVrOrientation o,
                                    TRect visible = kEverywhere) {
    return LevelBarSegments(
        {.Area = area, .Visible = visible, .Percent = percent, .Smooth = smooth, .Orientation = o});
}

TEST(LevelBarGeometryTest, PercentOfTheRangeForAnyInts) {
    struct Row {
        int Position, MinValue, MaxValue, Expected;
    };
    const Row rows[] = {
        {100, 0, 100, 100},
        {0, 0, 100, 0},
        {29, 0, 100, 29},
        {1, 0, 3, 33},
        {5, 5, 5, 0},
        {-75, -100, -50, 50},
        {kIntMax, kIntMin, kIntMax, 100},
        {kIntMin, kIntMin, kIntMax, 0},
        {0, kIntMin, kIntMax, 50},
        {7, 10, 5, 60},  // crossed: whatever it gives, no overflow
    };
    for (const Row& row : rows)
        EXPECT_EQ(LevelPercent(row.Position, row.MinValue, row.MaxValue), row.Expected)
            << row.Position << " of " << row.MinValue << ".." << row.MaxValue;
}

TEST(LevelBarGeometryTest, FilledLengthAndPitchStayWithinTheBar) {
    const std::tuple<int, int, int> lengths[] = {{100, 198, 198}, {50, 198, 99},       {1, 198, 1},
                                                 {0, 198, 0},     {kIntMax, 198, 198}, {-5, 198, 0},
                                                 {100, 0, 0},     {100, -3, 0}};
    for (const auto& [percent, extent, expected] : lengths)
        EXPECT_EQ(FilledLength(percent, extent), expected) << percent << " of " << extent;
    const std::pair<int, int> pitches[] = {
        {14, 8}, {0, 0}, {2, 0}, {3, 2}, {6, 4}, {-7, 0}, {kIntMax, kIntMax / 3 * 2}};
    for (const auto& [thickness, expected] : pitches)
        EXPECT_EQ(SegmentPitch(thickness), expected) << thickness;
}

// Every segment lies inside the bar, a pixel clear of its near edges, and shows a part of the
// fill picture that exists.
void ExpectInsideTheBar(const std::vector<TLevelSegment>& segments, const TRect& a) {
    const TRect fill{0, 0, a.Width(), a.Height()};
    for (const TLevelSegment& s : segments) {
        EXPECT_TRUE(s.Dest.Left > a.Left && s.Dest.Top > a.Top && s.Dest.Right < a.Right + 1 &&
                    s.Dest.Bottom <= a.Bottom && s.Dest.Width() > 0 && s.Dest.Height() > 0)
            << s.Dest.Left << "," << s.Dest.Top << "," << s.Dest.Right << "," << s.Dest.Bottom;
        EXPECT_TRUE(s.Source.Left >= 0 && s.Source.Top >= 0 && s.Source.Right <= fill.Right &&
                    s.Source.Bottom <= fill.Bottom);
    }
}

TEST(LevelBarGeometryTest, SegmentsOfTheDefaultBarInEachDirection) {
    // Upright bars use kTall; each segment shows the fill's whole width from a row above.
    struct Row {
        const char* Name;
        int Percent;
        bool Smooth;
        TVrOrientation O;
        std::size_t Count;
        TRect FirstDest, LastDest, LastSource;
    };
    const Row rows[] = {
        // Every 8 pixels a 6 × 12 segment; the last one clipped a pixel inside the far edge.
        {"full", 100, false, voHorizontal, 25, {2, 2, 8, 14}, {194, 2, 198, 14}, {193, 0, 197, 12}},
        // The last segment reaches past the filled length of 99.
        {"half", 50, false, voHorizontal, 13, {2, 2, 8, 14}, {98, 2, 104, 14}, {97, 0, 103, 12}},
        {"4%", 4, false, voHorizontal, 1, {2, 2, 8, 14}, {2, 2, 8, 14}, {1, 0, 7, 12}},
        {"smooth half", 50, true, voHorizontal, 1, {}, {2, 2, 100, 14}, {1, 0, 99, 12}},
        {"smooth full", 100, true, voHorizontal, 1, {}, {2, 2, 198, 14}, {1, 0, 197, 12}},
        {"upright", 100, false, voVertical, 25, {2, 192, 14, 198}, {2, 2, 14, 6}, {0, 0, 14, 4}},
        {"upright half", 50, false, voVertical, 13, {}, {2, 96, 14, 102}, {0, 94, 14, 100}},
        // An upright smooth block is the filled length long.
        {"upright smooth half", 50, true, voVertical, 1, {}, {2, 100, 14, 199}, {0, 98, 14, 197}},
        {"upright smooth full", 100, true, voVertical, 1, {}, {2, 2, 14, 199}, {0, 0, 14, 197}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TRect area = row.O == voHorizontal ? kWide : kTall;
        const auto segments = Segments(area, row.Percent, row.Smooth, row.O);
        ASSERT_EQ(segments.size(), row.Count);
        if (row.FirstDest != TRect{}) {
            EXPECT_EQ(segments.front().Dest, row.FirstDest);
        }
        EXPECT_EQ(segments.back().Dest, row.LastDest);
        EXPECT_EQ(segments.back().Source, row.LastSource);
        ExpectInsideTheBar(segments, area);
    }
    for (const bool smooth : {false, true}) {
        EXPECT_TRUE(Segments(kWide, 0, smooth, voHorizontal).empty());
        EXPECT_TRUE(Segments(kTall, 0, smooth, voVertical).empty());
        // A filled length of one pixel does not reach past the pixel left free at the start.
        EXPECT_TRUE(Segments(kWide, 1, smooth, voHorizontal).empty());
    }
}

// Bars too thin for a segment, or with no room at all, show none and never loop; a smooth bar
// still shows its block as long as a pixel is left across it.
TEST(LevelBarGeometryTest, BarsTooThinForASegmentShowNone) {
    for (int thickness = -2; thickness <= 6; ++thickness)
        for (const bool smooth : {false, true}) {
            SCOPED_TRACE(testing::Message() << thickness << (smooth ? " smooth" : ""));
            const auto wide = Segments({0, 0, 50, thickness}, 100, smooth, voHorizontal);
            const auto tall = Segments({0, 0, thickness, 50}, 100, smooth, voVertical);
            const bool expected = smooth ? thickness >= 3 : thickness >= 6;
            EXPECT_EQ(!wide.empty(), expected);
            EXPECT_EQ(!tall.empty(), expected);
            ExpectInsideTheBar(wide, {0, 0, 50, thickness});
            ExpectInsideTheBar(tall, {0, 0, thickness, 50});
        }
}

// Areas at the ends of int: only what shows in the picture is made, so the count follows the
// picture's pixels, and nothing overflows.
TEST(LevelBarGeometryTest, HugeAreasMakeOnlyTheSegmentsThePictureShows) {
    const TRect picture{0, 0, 200, 200};
    const TRect areas[] = {{kIntMin, 0, kIntMax, 16},
                           {0, kIntMin, 16, kIntMax},
                           kEverywhere,
                           {kIntMin, kIntMin, kIntMin + 1, kIntMin + 1}};
    for (const TRect& area : areas)
        for (const int percent : {0, 1, 50, 100, kIntMax, kIntMin})
            for (const bool smooth : {false, true})
                for (const TVrOrientation o : {voHorizontal, voVertical}) {
                    const auto segments = Segments(area, percent, smooth, o, picture);
                    ASSERT_LE(segments.size(), 100u);
                    for (const TLevelSegment& s : segments)
                        EXPECT_TRUE(s.Dest.Left < 200 && s.Dest.Right > 0 && s.Dest.Top < 200 &&
                                    s.Dest.Bottom > 0);
                }
    // Bars reaching far beyond the picture: its segments are those of the whole bar that show
    // in it, in step with the bar's start.
    const std::pair<TRect, TVrOrientation> far[] = {{{-1000001, 0, 1000001, 16}, voHorizontal},
                                                    {{0, -1000001, 16, 1000001}, voVertical}};
    for (const auto& [area, o] : far) {
        std::vector<TLevelSegment> shown;
        for (const TLevelSegment& s : Segments(area, 100, false, o))
            if (s.Dest.Left < 200 && s.Dest.Top < 200 && s.Dest.Right > 0 && s.Dest.Bottom > 0)
                shown.push_back(s);
        const auto clipped = Segments(area, 100, false, o, picture);
        ASSERT_EQ(clipped.size(), shown.size());
        EXPECT_EQ(clipped.size(), 20u);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(clipped[i].Dest, shown[i].Dest);
            EXPECT_EQ(clipped[i].Source, shown[i].Source);
        }
    }
}

// --- The bar --------------------------------------------------------------------------------

struct ProgressBarTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 260, 240);
    TVrProgressBar* Bar = new TVrProgressBar(Form);
    int Changes = 0;

    ProgressBarTest() {
        Bar->SetParent(Form);
        Bar->OnChange = [this](TObject*) { ++Changes; };
        Bar->SetColor(clTeal);
    }
    const TBitmap& Painted() {
        Bar->Repaint();
        TApplication::Instance().ProcessMessages();
        return Bar->Image();
    }
    // A gradient whose red channel grows by one a pixel along a 198-pixel bar.
    void RedRamp() {
        Bar->SetStartColor(RGB(0, 0, 0));
        Bar->SetEndColor(RGB(198, 0, 0));
    }
};

TEST_F(ProgressBarTest, NewBarIsAFullHorizontalGradientInALoweredFrame) {
    EXPECT_EQ(Bar->Width(), 200);
    EXPECT_EQ(Bar->Height(), 16);
    EXPECT_EQ((std::vector{Bar->MinValue(), Bar->MaxValue(), Bar->Position(), Bar->Step()}),
              (std::vector{0, 100, 100, 10}));
    EXPECT_EQ(Bar->StartColor(), clNavy);
    EXPECT_EQ(Bar->EndColor(), clAqua);
    EXPECT_EQ(Bar->FillType(), TVrProgressBarFill::pfGradient);
    EXPECT_EQ(Bar->Orientation(), voHorizontal);
    EXPECT_FALSE(Bar->Smooth());
    EXPECT_TRUE(Bar->Bitmap()->Empty());
    EXPECT_EQ(Bar->BarArea(), kWide);
    EXPECT_FALSE(Bar->ControlStyle().Contains(TControlStyleFlag::csSetCaption));
    EXPECT_TRUE(Bar->ControlStyle().Contains(TControlStyleFlag::csOpaque));
    TVrProgressBar fresh(nullptr);
    EXPECT_EQ(fresh.Color(), clBlack);
    EXPECT_FALSE(fresh.ParentColor());
}

TEST_F(ProgressBarTest, PositionStaysInTheRangeAndBoundsThatWouldCrossAreIgnored) {
    struct Step {
        const char* Name;
        std::function<void(TVrProgressBar*)> Apply;
        int MinValue, MaxValue, Position, ChangesAfter;
    };
    const Step steps[] = {
        {"above the maximum", [](auto* b) { b->SetPosition(150); }, 0, 100, 100, 0},
        {"inside", [](auto* b) { b->SetPosition(40); }, 0, 100, 40, 1},
        {"minimum above the position moves it", [](auto* b) { b->SetMinValue(60); }, 60, 100, 60,
         2},
        {"minimum at the maximum", [](auto* b) { b->SetMinValue(100); }, 60, 100, 60, 2},
        {"minimum above the maximum", [](auto* b) { b->SetMinValue(200); }, 60, 100, 60, 2},
        {"maximum at the minimum", [](auto* b) { b->SetMaxValue(60); }, 60, 100, 60, 2},
        {"maximum below the minimum", [](auto* b) { b->SetMaxValue(50); }, 60, 100, 60, 2},
        {"maximum above the position", [](auto* b) { b->SetMaxValue(80); }, 60, 80, 60, 2},
        {"maximum below the position moves it",
         [](auto* b) {
             b->SetPosition(80);
             b->SetMaxValue(70);
         },
         60, 70, 70, 4},
        {"all of int", [](auto* b) { b->SetMinValue(kIntMin); }, kIntMin, 70, 70, 4},
        {"all of int, to the bottom",
         [](auto* b) {
             b->SetMaxValue(kIntMax);
             b->SetPosition(kIntMin);
         },
         kIntMin, kIntMax, kIntMin, 5},
        {"a range past the current one", [](auto* b) { b->SetRange(-100, -50); }, -100, -50, -100,
         6},
        {"the same range", [](auto* b) { b->SetRange(-100, -50); }, -100, -50, -100, 6},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Name);
        step.Apply(Bar);
        EXPECT_EQ((std::vector{Bar->MinValue(), Bar->MaxValue(), Bar->Position(), Changes}),
                  (std::vector{step.MinValue, step.MaxValue, step.Position, step.ChangesAfter}));
    }
    EXPECT_THROW(Bar->SetRange(5, 5), EVrException);
    EXPECT_THROW(Bar->SetRange(6, 5), EVrException);
    EXPECT_EQ(Bar->MinValue(), -100);
}

// Each pixel of the bar area on a red ramp: inside a segment the fill shows at the same column,
// elsewhere the background. Segments start every 8 pixels and are 6 × 12.
TEST_F(ProgressBarTest, HorizontalSegmentsShowTheGradientEveryEightPixels) {
    RedRamp();
    struct Row {
        const char* Name;
        int Position;
        int FilledTo;  // the column after the last filled one
    };
    const Row rows[] = {{"empty", 0, 2}, {"half", 50, 104}, {"full", 100, 198}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Bar->SetPosition(row.Position);
        const TBitmap& image = Painted();
        int wrong = 0;
        for (int y = kWide.Top; y < kWide.Bottom; ++y)
            for (int x = kWide.Left; x < kWide.Right; ++x) {
                const bool filled =
                    y >= 2 && y < 14 && x >= 2 && x < row.FilledTo && (x - 2) % 8 < 6;
                wrong += image.Pixels(x, y) != (filled ? RGB(x - 1, 0, 0) : clTeal);
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(ProgressBarTest, UprightSegmentsGrowUpwardsWithTheEndColourAtTheTop) {
    RedRamp();
    Bar->SetOrientation(voVertical);
    // Turned through a right angle about its top-left corner.
    EXPECT_EQ(Bar->BoundsRect(), (TRect{0, 0, 16, 200}));
    EXPECT_EQ(Bar->BarArea(), kTall);
    const std::pair<int, int> rows[] = {{100, 2}, {50, 96}, {0, 198}};  // first filled row
    for (const auto& [position, firstRow] : rows) {
        SCOPED_TRACE(position);
        Bar->SetPosition(position);
        const TBitmap& image = Painted();
        int wrong = 0;
        for (int y = kTall.Top; y < kTall.Bottom; ++y)
            for (int x = kTall.Left; x < kTall.Right; ++x) {
                const bool filled =
                    x >= 2 && x < 14 && y >= firstRow && y < 198 && (197 - y) % 8 < 6;
                wrong += image.Pixels(x, y) != (filled ? RGB(200 - y, 0, 0) : clTeal);
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(ProgressBarTest, SmoothBarsAreOneBlock) {
    RedRamp();
    Bar->SetSmooth(true);
    Bar->SetPosition(50);
    const TBitmap& wide = Painted();
    EXPECT_EQ(wide.Pixels(1, 8), clTeal);
    EXPECT_EQ(wide.Pixels(2, 8), RGB(1, 0, 0));
    EXPECT_EQ(wide.Pixels(99, 8), RGB(98, 0, 0));
    EXPECT_EQ(wide.Pixels(100, 8), clTeal);
    for (int x = 2; x < 100; ++x)
        ASSERT_EQ(wide.Pixels(x, 2), RGB(x - 1, 0, 0)) << x;
    Bar->SetOrientation(voVertical);
    const TBitmap& tall = Painted();
    // The filled length, 99 rows, from the bottom edge of the bar area up.
    EXPECT_EQ(tall.Pixels(8, 99), clTeal);
    for (int y = 100; y < 199; ++y)
        ASSERT_EQ(tall.Pixels(8, y), RGB(200 - y, 0, 0)) << y;
    EXPECT_EQ(tall.Pixels(1, 150), clTeal);
    EXPECT_EQ(tall.Pixels(14, 150), clTeal);
}

TEST_F(ProgressBarTest, PlainAndTiledFills) {
    const TColor highlight = ColorToRGB(clHighlight);
    auto tile = std::make_unique<TBitmap>();
    tile->SetSize(2, 1);
    tile->SetPixels(0, 0, clRed);
    tile->SetPixels(1, 0, clLime);
    struct Row {
        const char* Name;
        std::function<void(TVrProgressBar*)> Apply;
        std::function<TColor(int x)> Expected;  // at column x of a segment
    };
    const Row rows[] = {
        {"plain", [](auto* b) { b->SetFillType(TVrProgressBarFill::pfPlain); },
         [&](int) { return highlight; }},
        {"an empty bitmap", [](auto* b) { b->SetFillType(TVrProgressBarFill::pfBitmap); },
         [&](int) { return highlight; }},
        {"tiles", [&](auto* b) { b->SetBitmap(tile.get()); },
         [](int x) { return (x - 1) % 2 == 0 ? clRed : clLime; }},
        {"the bitmap emptied again", [](auto* b) { b->Bitmap()->SetSize(0, 0); },
         [&](int) { return highlight; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Apply(Bar);
        const TBitmap& image = Painted();
        for (const int x : {2, 3, 10, 11, 197})
            EXPECT_EQ(image.Pixels(x, 7), row.Expected(x)) << x;
    }
}

// A bitmap change of a bar that is not tiled must not drop a rebuild that a colour change made
// due while the bar could not paint.
TEST(ProgressBarFillTest, ABitmapChangeKeepsARebuildDue) {
    TVrProgressBar bar(nullptr);
    bar.SetStartColor(clRed);
    ASSERT_TRUE(bar.FillStale());
    TBitmap tile;
    tile.SetSize(3, 3);
    bar.SetBitmap(&tile);
    EXPECT_TRUE(bar.FillStale());
    // A change of the system colours makes the highlight and named colours due again.
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 220, 40);
    auto* shown = new TVrProgressBar(form);
    shown->SetParent(form);
    shown->Repaint();
    TApplication::Instance().ProcessMessages();
    ASSERT_FALSE(shown->FillStale());
    shown->SetParent(nullptr);
    shown->Perform(CM_SYSCOLORCHANGE);
    EXPECT_TRUE(shown->FillStale());
}

// Settings at the ends of their types and bars too small for a segment paint at once, with
// the picture the geometry gives.
TEST_F(ProgressBarTest, ExtremeRangesAndTinyBarsPaintSafely) {
    struct Row {
        const char* Name;
        std::function<void(TVrProgressBar*)> Apply;
        int FilledPixels;  // of the fill's colour
    };
    const Row rows[] = {
        {"all of int at the top",
         [](auto* b) {
             b->SetRange(kIntMin, kIntMax);
             b->SetPosition(kIntMax);
         },
         25 * 6 * 12 - 2 * 12},
        {"all of int at the bottom", [](auto* b) { b->SetPosition(kIntMin); }, 0},
        {"all of int in the middle", [](auto* b) { b->SetPosition(0); }, 13 * 6 * 12},
        {"two pixels high", [](auto* b) { b->SetBounds(0, 0, 200, 2); }, 0},
        {"four pixels high", [](auto* b) { b->SetBounds(0, 0, 200, 4); }, 0},
        {"no size", [](auto* b) { b->SetBounds(0, 0, 0, 0); }, 0},
        {"one pixel wide", [](auto* b) { b->SetBounds(0, 0, 1, 200); }, 0},
        {"smooth and three pixels across",
         [](auto* b) {
             b->SetSmooth(true);
             b->SetPosition(kIntMax);
             b->SetBounds(0, 0, 200, 5);
         },
         196},
        {"a bevel wider than the bar",
         [](auto* b) {
             b->SetBounds(0, 0, 200, 16);
             b->Bevel()->SetBorderWidth(kIntMax);
         },
         0},
    };
    Bar->SetFillType(TVrProgressBarFill::pfPlain);
    const TColor highlight = ColorToRGB(clHighlight);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Apply(Bar);
        const TBitmap& image = Painted();
        int filled = 0;
        for (const TLevelSegment& s : Bar->Segments())
            filled += s.Dest.Width() * s.Dest.Height();
        EXPECT_EQ(filled, row.FilledPixels);
        int shown = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                shown += image.Pixels(x, y) == highlight;
        EXPECT_EQ(shown, row.FilledPixels);
    }
}

// --- The face kept across position changes --------------------------------------------------

TEST(ProgressBarFaceTest, PositionChangesOnAnyLookPaintWhatAFullPaintPaints) {
    using Change = std::function<void(TVrProgressBar*)>;
    const std::pair<const char*, Change> looks[] = {
        {"default", [](TVrProgressBar*) {}},
        {"smooth", [](TVrProgressBar* b) { b->SetSmooth(true); }},
        {"upright", [](TVrProgressBar* b) { b->SetOrientation(voVertical); }},
        {"plain", [](TVrProgressBar* b) { b->SetFillType(TVrProgressBarFill::pfPlain); }},
        {"bevel", [](TVrProgressBar* b) { b->Bevel()->SetOuterWidth(3); }},
        {"colour", [](TVrProgressBar* b) { b->SetColor(clOlive); }},
        {"gradient", [](TVrProgressBar* b) { b->SetEndColor(clYellow); }},
        {"size", [](TVrProgressBar* b) { b->SetBounds(b->Left(), b->Top(), 40, 150); }},
        {"range", [](TVrProgressBar* b) { b->SetRange(-7, 13); }},
    };
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 460, 230);
    auto* bar = new TVrProgressBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 200, 16);
    const auto faceKey = [bar] { return bar->Face().Image().Image().cacheKey(); };
    std::vector<Change> applied;
    for (const auto& [name, change] : looks) {
        SCOPED_TRACE(name);
        change(bar);
        bar->Repaint();
        TApplication::Instance().ProcessMessages();
        applied.push_back(change);
        std::unique_ptr<TVrProgressBar> twin(new TVrProgressBar(form));
        twin->SetBounds(230, 10, 200, 16);
        for (const Change& c : applied)
            c(twin.get());
        twin->SetParent(form);
        const int low = bar->MinValue(), high = bar->MaxValue();
        for (int v = low - 3; v <= high + 3; v += (high - low) / 7) {
            SCOPED_TRACE(v);
            const qint64 face = faceKey();
            bar->SetPosition(v);
            EXPECT_EQ(faceKey(), face);  // put back, not made again
            twin->SetPosition(bar->Position());
            // The twin paints from a face made afresh.
            twin->SetColor(clWhite);
            twin->SetColor(bar->Color());
            ASSERT_TRUE(bar->Image().Image() == twin->Image().Image());
        }
    }
}

// --- The rack file --------------------------------------------------------------------------

TVrProgressBar* Reload(TForm& form, TComponent& owner) {
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(form));
    TForm* again = test::ShowForm(&owner, 260, 240);
    TClassRegistry registry;
    registry.RegisterClass(TVrProgressBar::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText(text), *again, registry);
    return dynamic_cast<TVrProgressBar*>(again->FindComponent(QStringLiteral("bar")));
}

// Everything the bar stores comes back, an upright bar keeps its size, and a range below the
// default minimum survives even though the maximum is read first.
TEST(ProgressBarStreamTest, SettingsSurviveARoundTrip) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 260, 240);
    auto* bar = new TVrProgressBar(form);
    bar->SetName(QStringLiteral("bar"));
    bar->SetParent(form);
    bar->SetRange(-100, -50);
    bar->SetPosition(-70);
    bar->SetStartColor(clMaroon);
    bar->SetEndColor(clYellow);
    bar->SetSmooth(true);
    bar->SetOrientation(voVertical);
    bar->SetStep(3);
    TBitmap tile;
    tile.SetSize(2, 2);
    tile.SetPixels(1, 1, clBlue);
    bar->SetBitmap(&tile);
    bar->SetFillType(TVrProgressBarFill::pfBitmap);
    bar->Bevel()->SetOuterWidth(2);
    bar->SetColor(clTeal);
    TVrProgressBar* loaded = Reload(*form, owner);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ((std::vector{loaded->MinValue(), loaded->MaxValue(), loaded->Position(),
                           loaded->Step(), loaded->Width(), loaded->Height()}),
              (std::vector{-100, -50, -70, 3, 16, 200}));
    EXPECT_EQ((std::vector{loaded->StartColor(), loaded->EndColor(), loaded->Color()}),
              (std::vector{clMaroon, clYellow, clTeal}));
    EXPECT_TRUE(loaded->Smooth());
    EXPECT_EQ(loaded->Orientation(), voVertical);
    EXPECT_EQ(loaded->FillType(), TVrProgressBarFill::pfBitmap);
    EXPECT_EQ(loaded->Bevel()->OuterWidth(), 2);
    EXPECT_EQ(loaded->Bitmap()->Pixels(1, 1), clBlue);
    EXPECT_EQ(loaded->Bitmap()->Width(), 2);
}

TEST(ProgressBarStreamTest, NewBarStoresItsBevelAndSizeOnly) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* bar = new TVrProgressBar(form);
    bar->SetName(QStringLiteral("lbar1"));
    bar->SetParent(form);
    QStringList names;
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names,
              (QStringList{"Left", "Top", "Width", "Height", "Bevel.InnerShadow",
                           "Bevel.InnerHighlight", "Bevel.InnerWidth", "Bevel.InnerStyle",
                           "Bevel.InnerSpace", "Bevel.InnerColor", "Bevel.OuterShadow",
                           "Bevel.OuterHighlight", "Bevel.OuterStyle", "Bevel.OuterOutline"}));
}

// A damaged file with crossed bounds keeps them as written and paints without fault.
TEST(ProgressBarStreamTest, CrossedBoundsFromAFileStillPaint) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 260, 60);
    TClassRegistry registry;
    registry.RegisterClass(TVrProgressBar::StaticClass());
    rack::ReadComponentTree(
        rack::ReadObjectText("object f: TForm\nobject bar: TVrProgressBar\n"
                             "MaxValue = -2147483648\nMinValue = 2147483647\nPosition = 15\n"
                             "Orientation = voVertical\nend\nend\n"),
        *form, registry);
    auto* bar = dynamic_cast<TVrProgressBar*>(form->FindComponent(QStringLiteral("bar")));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ((std::vector{bar->MinValue(), bar->MaxValue()}), (std::vector{kIntMax, kIntMin}));
    // Read while loading, the direction does not turn the bar.
    EXPECT_EQ(bar->Width(), 200);
    bar->Repaint();
    TApplication::Instance().ProcessMessages();
    EXPECT_LE(bar->Segments().size(), 25u);
}

}  // namespace
}  // namespace mox
