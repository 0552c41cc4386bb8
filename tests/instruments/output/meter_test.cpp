// The analog meter: where its scale, labels and needle go, its setters' rules, what a new meter
// stores, and the picture it paints.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrexceptions.h"
#include "instruments/output/vrmeter.h"
#include "rackfile/componentwriter.h"
#include "rackfile/rackio.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/canvastesting.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

// The racks of meters with settings at the ends of int, kept as text and as a rack file.
QString ExtremeMetersFile(const char* extension) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../data/extreme_meters." +
           QLatin1String(extension);
}
void LoadExtremeMeters(TForm& form) {
    TClassRegistry registry;
    registry.RegisterClass(TVrMeter::StaticClass());
    rack::LoadRackFile(ExtremeMetersFile("res"), form, registry);
}

TEST(MeterGeometryTest, DefaultScaleSpansTheArcAndTheNeedleEndsOneStepPastTheLastTick) {
    const TMeterLayout layout = MeterLayout(240, 105, 20, 40, 61);
    EXPECT_EQ(layout.Radius, 95);
    EXPECT_EQ(layout.Pivot, (TFarPoint{120, 125}));
    EXPECT_DOUBLE_EQ(layout.StartAngle, 310.0);
    EXPECT_DOUBLE_EQ(layout.Step, 100.0 / 61);
    EXPECT_EQ(NeedleIndex(0, 0, 100, 61), 0);
    EXPECT_EQ(NeedleIndex(100, 0, 100, 61), 61);
    EXPECT_EQ(NeedleIndex(50, 0, 100, 61), 30);  // 3050 / 100, truncated
    EXPECT_EQ(NeedleIndex(-5, -10, 10, 61), 15);
    // Truncation toward zero, also for points left of the pivot.
    EXPECT_EQ(PointAt({120, 125}, 310.0, 95), (TPoint{48, 64}));
}

TEST(MeterGeometryTest, EmptyRangeOrNoTicksGiveARestingNeedleInsteadOfADivisionByZero) {
    EXPECT_EQ(NeedleIndex(7, 7, 7, 61), 0);
    EXPECT_EQ(NeedleIndex(50, 0, 100, 0), 0);
    const TMeterLayout layout = MeterLayout(240, 105, 20, 40, 0);
    EXPECT_EQ(layout.Step, 0.0);
    TMeterScaleSettings scale{0, 5, 60, 25, 8, 5, clGreen, clYellow, clRed};
    EXPECT_TRUE(MeterTicks(layout, scale).empty());
    EXPECT_TRUE(MeterLabels(layout, 0, 10, 0, 100).empty());
}

TEST(MeterGeometryTest, TicksFallIntoThreeZonesWithEveryEnlargeThTickLong) {
    const TMeterLayout layout = MeterLayout(240, 105, 20, 40, 61);
    TMeterScaleSettings scale{61, 5, 60, 25, 8, 5, clGreen, clYellow, clRed};
    const std::vector<TMeterTick> ticks = MeterTicks(layout, scale);
    ASSERT_EQ(ticks.size(), 61u);
    // 60 % of 61 is 36 ticks, 25 % another 15.
    EXPECT_EQ(ticks[35].Color, clGreen);
    EXPECT_EQ(ticks[36].Color, clYellow);
    EXPECT_EQ(ticks[50].Color, clYellow);
    EXPECT_EQ(ticks[51].Color, clRed);
    const auto length = [&](std::size_t i) {
        const TPoint d{ticks[i].Outer.X - ticks[i].Inner.X, ticks[i].Outer.Y - ticks[i].Inner.Y};
        return std::hypot(d.X, d.Y);
    };
    EXPECT_NEAR(length(0), 8, 1.5);
    EXPECT_NEAR(length(1), 5, 1.5);
    EXPECT_NEAR(length(5), 8, 1.5);
    EXPECT_NEAR(length(6), 5, 1.5);
    EXPECT_EQ(ticks[0].Inner, PointAt(layout.Pivot, 310.0, 90));

    scale.Percent1 = 0;
    scale.Percent2 = 0;
    for (const TMeterTick& tick : MeterTicks(layout, scale))
        EXPECT_EQ(tick.Color, clRed);
}

TEST(MeterGeometryTest, LabelsStandOnEveryStrideThTickAndTooManyShowOnlyTheFirst) {
    const TMeterLayout layout = MeterLayout(240, 105, 20, 40, 61);
    const std::vector<TMeterLabel> labels = MeterLabels(layout, 61, 10, 0, 100);
    ASSERT_EQ(labels.size(), 11u);
    for (std::size_t j = 0; j < labels.size(); ++j) {
        EXPECT_EQ(labels[j].Tick, static_cast<int>(j) * 6);
        EXPECT_EQ(labels[j].Text, QString::number(static_cast<int>(j) * 10));
    }
    // Values are rounded, halves to even: 0, 2 (2.5), 5, 8 (7.5), 10.
    const std::vector<TMeterLabel> halves = MeterLabels(layout, 61, 4, 0, 10);
    QStringList texts;
    for (const TMeterLabel& l : halves)
        texts << l.Text;
    EXPECT_EQ(texts.mid(0, 5), (QStringList{"0", "2", "5", "8", "10"}));

    const std::vector<TMeterLabel> crowded = MeterLabels(layout, 61, 70, 0, 100);
    ASSERT_EQ(crowded.size(), 1u);
    EXPECT_EQ(crowded[0].Tick, 0);
    EXPECT_EQ(crowded[0].Text, "0");
    EXPECT_TRUE(MeterLabels(layout, 61, 0, 0, 100).empty());
}

TEST(MeterGeometryTest, LabelsOfAnyRangeCountOnWithoutWrapping) {
    struct Row {
        const char* Name;
        int Labels, MinValue, MaxValue;
        QStringList Expected;
    };
    const Row rows[] = {
        {"two billion each way",
         4,
         -2'000'000'000,
         2'000'000'000,
         {"-2000000000", "-1000000000", "0", "1000000000", "2000000000"}},
        // Half of 2^32 − 1 is 2^31 − 0.5, which rounds to the even 2^31.
        {"the whole of int", 2, kMin, kMax, {"-2147483648", "0", "2147483647"}},
    };
    const TMeterLayout layout = MeterLayout(240, 105, 20, 40, 61);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        QStringList texts;
        for (const TMeterLabel& label :
             MeterLabels(layout, 61, row.Labels, row.MinValue, row.MaxValue))
            texts << label.Text;
        EXPECT_EQ(texts, row.Expected);
    }
}

// The zone a tick falls in and whether it is long, straight from the scale's rules.
TColor ZoneColor(const TMeterScaleSettings& s, long long i) {
    const long long n1 = PercentOf(s.Percent1, s.Ticks);
    const long long n2 = n1 + PercentOf(s.Percent2, s.Ticks);
    return i + 1 <= n1 ? s.Color1 : i + 1 <= n2 ? s.Color2 : s.Color3;
}

TEST(MeterGeometryTest, MoreTicksThanPixelsDrawABoundedSpreadThatKeepsZonesAndLongTicks) {
    struct Row {
        const char* Name;
        int Ticks, Enlarge;
    };
    const Row rows[] = {
        {"ten million", 10'000'000, 5},
        {"the whole of int", kMax, 5},
        {"every tick long", kMax, 1},
        {"no tick long but the first", kMax, 0},
        {"long ticks far apart", kMax, 100'000'000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TMeterLayout layout = MeterLayout(240, 105, 20, 40, row.Ticks);
        const TMeterScaleSettings scale{row.Ticks, row.Enlarge, 60,       25,   8,
                                        5,         clGreen,     clYellow, clRed};
        const std::vector<TMeterTick> ticks = MeterTicks(layout, scale);
        ASSERT_LE(ticks.size(), 2u * layout.TickBudget + 6);
        EXPECT_EQ(ticks.front().Index, 0);
        EXPECT_EQ(ticks.back().Index, row.Ticks - 1);

        std::set<int> drawn;
        double widestGap = 0;
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            drawn.insert(ticks[k].Index);
            EXPECT_EQ(ticks[k].Color, ZoneColor(scale, ticks[k].Index));
            if (k > 0) widestGap = std::max(widestGap, 1.0 * ticks[k].Index - ticks[k - 1].Index);
        }
        EXPECT_EQ(drawn.size(), ticks.size());  // in order, each once
        // Neighbours stand less than half a pixel apart on the outer arc.
        EXPECT_LT(widestGap * layout.Step * M_PI / 180 * layout.Radius, 0.5);
        const long long n1 = PercentOf(60, row.Ticks), n2 = n1 + PercentOf(25, row.Ticks);
        for (const long long edge : {n1 - 1, n1, n2 - 1, n2})
            EXPECT_TRUE(drawn.contains(static_cast<int>(edge))) << edge;
        // Long ticks that the budget can hold are each drawn.
        if (row.Enlarge > 1 && row.Ticks / row.Enlarge < layout.TickBudget) {
            for (long long i = 0; i < row.Ticks; i += row.Enlarge)
                EXPECT_TRUE(drawn.contains(static_cast<int>(i))) << i;
        }
    }
}

TEST(MeterGeometryTest, MoreLabelsThanPixelsAreThinnedKeepingTheFirstAndTheLast) {
    const TMeterLayout layout = MeterLayout(240, 105, 20, 40, kMax);
    const std::vector<TMeterLabel> labels = MeterLabels(layout, kMax, kMax, 0, 100);
    ASSERT_LE(labels.size(), static_cast<std::size_t>(layout.LabelBudget) + 1);
    EXPECT_EQ(labels.front().Tick, 0);
    EXPECT_EQ(labels.front().Text, "0");
    EXPECT_EQ(labels.back().Tick, kMax - 1);
    EXPECT_EQ(labels.back().Text, "100");
}

// A scale too dense for its pixels looks as if every tick had been drawn.
TEST(MeterGeometryTest, DenseScalePictureMatchesDrawingEveryTick) {
    using canvastesting::SentinelBitmap;
    struct Row {
        const char* Name;
        int Ticks, Enlarge, HeightMax;
    };
    const Row rows[] = {
        {"just past the budget", 6000, 5, 8},
        {"long ticks dense too", 40000, 2, 20},
        {"long ticks sparse", 40000, 4000, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TMeterLayout layout = MeterLayout(240, 105, 20, 40, row.Ticks);
        ASSERT_GT(row.Ticks, layout.TickBudget);
        const TMeterScaleSettings scale{row.Ticks, row.Enlarge, 60,       25,   row.HeightMax,
                                        5,         clGreen,     clYellow, clRed};
        auto every = SentinelBitmap(240, 105);
        TCanvas& all = *every->Canvas();
        for (int i = 0; i < row.Ticks; ++i) {
            const double angle = layout.StartAngle + i * layout.Step;
            const int length = i % row.Enlarge == 0 ? row.HeightMax : 5;
            const TPoint inner = PointAt(layout.Pivot, angle, layout.Radius - 5);
            const TPoint outer = PointAt(layout.Pivot, angle, layout.Radius - 5 + length);
            all.Pen()->SetColor(ZoneColor(scale, i));
            all.MoveTo(inner.X, inner.Y);
            all.LineTo(outer.X, outer.Y);
        }
        auto spread = SentinelBitmap(240, 105);
        TCanvas& some = *spread->Canvas();
        for (const TMeterTick& tick : MeterTicks(layout, scale)) {
            some.Pen()->SetColor(tick.Color);
            some.MoveTo(tick.Inner.X, tick.Inner.Y);
            some.LineTo(tick.Outer.X, tick.Outer.Y);
        }
        int differing = 0;
        for (int y = 0; y < 105; ++y)
            for (int x = 0; x < 240; ++x)
                differing += every->Pixels(x, y) != spread->Pixels(x, y);
        EXPECT_EQ(differing, 0);
    }
}

struct MeterTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 160);
    TVrMeter* Meter = new TVrMeter(Form);

    MeterTest() {
        Meter->SetName(QStringLiteral("ameter1"));
        Meter->SetParent(Form);
    }
    const TBitmap& Painted() {
        Meter->Repaint();
        TApplication::Instance().ProcessMessages();
        return Meter->Image();
    }
    // Whether `color` is at `p` or next to it (line drawing may land a pixel aside).
    static bool Near(const TBitmap& image, TPoint p, TColor color) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.Pixels(p.X + dx, p.Y + dy) == color) return true;
        return false;
    }
};

TEST_F(MeterTest, NewMeterStoresItsOwnLookAndBothScaleValuesThatDifferFromTheDefaults) {
    EXPECT_EQ(Meter->Width(), 240);
    EXPECT_EQ(Meter->Height(), 105);
    const rack::TObjectRecord root = rack::WriteComponentTree(*Form);
    ASSERT_EQ(root.Children.size(), 1u);
    QStringList names;
    for (const rack::TStreamProperty& p : root.Children[0].Properties)
        names << p.Name;
    EXPECT_TRUE(names.contains("Scale.Percent1"));
    EXPECT_TRUE(names.contains("Scale.Ticks"));
    EXPECT_TRUE(names.contains("Bevel.InnerWidth"));
    EXPECT_TRUE(names.contains("Color"));
    EXPECT_TRUE(names.contains("ParentColor"));
    EXPECT_TRUE(names.contains("Font.Name"));
    EXPECT_FALSE(names.contains("Version"));
    EXPECT_FALSE(names.contains("MaxValue"));
    EXPECT_FALSE(names.contains("BackImage.Data"));
    EXPECT_LT(names.indexOf("Scale.Percent1"), names.indexOf("Bevel.InnerWidth"));
    EXPECT_LT(names.indexOf("Bevel.InnerWidth"), names.indexOf("Color"));
}

TEST_F(MeterTest, RangeSettersRefuseCrossingValuesExceptWhileLoadingAndPullThePositionAlong) {
    int changes = 0;
    Meter->OnChange = [&](TObject*) { ++changes; };
    Meter->SetPosition(150);
    EXPECT_EQ(Meter->Position(), 100);
    EXPECT_EQ(changes, 1);
    Meter->SetPosition(100);
    EXPECT_EQ(changes, 1);

    EXPECT_THROW(Meter->SetMinValue(101), EVrException);
    EXPECT_THROW(Meter->SetMaxValue(-1), EVrException);
    EXPECT_EQ(Meter->MinValue(), 0);
    EXPECT_EQ(Meter->MaxValue(), 100);

    Meter->SetMaxValue(80);
    EXPECT_EQ(Meter->Position(), 80);
    EXPECT_EQ(changes, 1);  // pulled along without an OnChange

    Meter->BeginLoading();
    Meter->SetMinValue(500);
    Meter->SetMaxValue(900);
    Meter->Loaded();
    EXPECT_EQ(Meter->MinValue(), 500);
    EXPECT_EQ(Meter->MaxValue(), 900);
}

TEST_F(MeterTest, ScaleZonesNeverTakeMoreThanAllTheTicks) {
    TVrMeterScale& scale = *Meter->Scale();
    scale.SetPercent1(70);
    EXPECT_EQ(scale.Percent1(), 70);
    scale.SetPercent1(80);
    EXPECT_EQ(scale.Percent1(), 75);
    scale.SetPercent1(60);
    scale.SetPercent2(50);
    EXPECT_EQ(scale.Percent2(), 25);
    Meter->BeginLoading();
    scale.SetPercent1(90);
    Meter->Loaded();
    EXPECT_EQ(scale.Percent1(), 90);
}

TEST_F(MeterTest, NeedleRestsOnTickZeroAtTheMinimumAndPastTheLastTickAtTheMaximum) {
    Meter->Scale()->SetVisible(false);
    Meter->SetLabels(0);
    const TMeterLayout layout = Meter->Layout();
    const TPoint atMin = PointAt(layout.Pivot, layout.StartAngle, 60);
    const TPoint atMax = PointAt(layout.Pivot, layout.StartAngle + 61 * layout.Step, 60);
    EXPECT_TRUE(Near(Painted(), atMin, clSilver));
    EXPECT_FALSE(Near(Meter->Image(), atMax, clSilver));
    Meter->SetPosition(100);
    EXPECT_TRUE(Near(Painted(), atMax, clSilver));
    EXPECT_FALSE(Near(Meter->Image(), atMin, clSilver));
    // 61 steps of 100/61 degrees end at 50 degrees right of vertical.
    EXPECT_EQ(atMax, PointAt(layout.Pivot, 50.0, 60));
}

TEST_F(MeterTest, HiddenScaleLeavesLabelsAndNeedleAndADegenerateRangePaintsSafely) {
    const TMeterLayout layout = Meter->Layout();
    const TPoint firstTick = PointAt(layout.Pivot, layout.StartAngle + 2 * layout.Step, 91);
    EXPECT_TRUE(Near(Painted(), firstTick, clGreen));
    Meter->Scale()->SetVisible(false);
    EXPECT_FALSE(Near(Painted(), firstTick, clGreen));

    Meter->SetMinValue(100);  // an empty range
    Meter->Scale()->SetTicks(0);
    Meter->SetLabels(3);
    const TBitmap& image = Painted();
    EXPECT_EQ(image.Width(), 240);
}

// Racks whose settings sit at the ends of int, as a rack file holds them: each loads, and each
// meter paints quickly and shows what its settings ask for where that is still visible.
TEST(MeterRackFileTest, SettingsAtTheEndsOfIntLoadAndPaint) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 520, 380);
    LoadExtremeMeters(*form);
    const auto meter = [form](const char* name) {
        auto* found = dynamic_cast<TVrMeter*>(form->FindComponent(QString::fromLatin1(name)));
        EXPECT_TRUE(found) << name;
        return found;
    };
    const auto paint = [](TVrMeter* m) -> const TBitmap& {
        m->Repaint();
        TApplication::Instance().ProcessMessages();
        return m->Image();
    };

    // Two billion each way: the needle stands one step past the last tick at the maximum.
    TVrMeter* wide = meter("ameter1");
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->Position(), 2'000'000'000);
    const TMeterLayout layout = wide->Layout();
    const TBitmap& wideImage = paint(wide);
    EXPECT_TRUE(MeterTest::Near(
        wideImage, PointAt(layout.Pivot, layout.StartAngle + 61 * layout.Step, 60), clSilver));
    EXPECT_FALSE(
        MeterTest::Near(wideImage, PointAt(layout.Pivot, layout.StartAngle, 60), clSilver));

    // The pivot far below: nothing of the scale or the needle reaches the control.
    for (const char* name : {"ameter2", "ameter4"}) {
        SCOPED_TRACE(name);
        TVrMeter* far = meter(name);
        ASSERT_TRUE(far);
        const TBitmap& image = paint(far);
        EXPECT_EQ(canvastesting::CountPixels(image, clGreen), 0);
        EXPECT_EQ(canvastesting::CountPixels(image, clSilver), 0);
    }

    // Ten million and 2^31 − 1 ticks: the three zones, in order along the arc.
    for (const char* name : {"ameter3", "ameter5"}) {
        SCOPED_TRACE(name);
        TVrMeter* dense = meter(name);
        ASSERT_TRUE(dense);
        const TMeterLayout d = dense->Layout();
        const TBitmap& image = paint(dense);
        const int ticks = dense->Scale()->Ticks();
        for (const auto& [share, color] :
             {std::pair{0.3, clGreen}, std::pair{0.72, clYellow}, std::pair{0.93, clRed}})
            EXPECT_TRUE(MeterTest::Near(
                image, PointAt(d.Pivot, d.StartAngle + share * ticks * d.Step, 92), color))
                << share;
    }

    // A needle as wide as int covers the whole face; the frame is painted over it.
    TVrMeter* broad = meter("ameter6");
    ASSERT_TRUE(broad);
    const TBitmap& broadImage = paint(broad);
    EXPECT_EQ(broadImage.Pixels(120, 50), clSilver);
    EXPECT_GT(canvastesting::CountPixels(broadImage, clSilver), 240 * 105 * 3 / 4);
}

// Loading and resizing make no pixels, also not for a transparent meter's background; the first
// paint gives the picture that a meter painted all along shows.
TEST(MeterImageTest, UnpaintedMetersHoldNoPixelsAndPaintLikeMetersPaintedAllAlong) {
    TComponent owner(nullptr);
    TForm* eagerForm = test::ShowForm(&owner, 520, 480);
    auto* lateForm = new TForm(&owner);
    LoadExtremeMeters(*eagerForm);
    LoadExtremeMeters(*lateForm);
    const auto paint = [](TVrMeter* m) -> const TBitmap& {
        m->Repaint();
        TApplication::Instance().ProcessMessages();
        return m->Image();
    };
    std::vector<std::pair<TVrMeter*, TVrMeter*>> twins;  // painted all along, painted late
    for (int i = 0; i < lateForm->ComponentCount(); ++i) {
        auto* late = dynamic_cast<TVrMeter*>(lateForm->Components(i));
        if (!late) continue;
        auto* eager = dynamic_cast<TVrMeter*>(eagerForm->FindComponent(late->Name()));
        ASSERT_TRUE(eager);
        paint(eager);
        for (TVrMeter* m : {eager, late}) {
            m->SetBounds(m->Left(), m->Top(), m->Width() + 17, m->Height() + 9);
            m->SetTransparent(i % 2 == 0);
        }
        twins.emplace_back(eager, late);
    }
    ASSERT_GE(twins.size(), 3u);
    for (const auto& [eager, late] : twins) {
        SCOPED_TRACE(late->Name().toStdString());
        EXPECT_FALSE(late->HasImage());
        EXPECT_TRUE(late->Background().Empty());
    }

    lateForm->Show();
    static_cast<void>(QTest::qWaitForWindowExposed(lateForm->Handle()));
    for (const auto& [eager, late] : twins) {
        SCOPED_TRACE(late->Name().toStdString());
        const QImage& expected = paint(eager).Image();
        const QImage& actual = paint(late).Image();
        EXPECT_EQ(actual.size(), QSize(late->Width(), late->Height()));
        EXPECT_TRUE(actual == expected);
    }
}

// The face kept across value changes: a new position paints what a face made afresh paints.
struct MeterFaceTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 560, 170);
    // Each half over a meter behind it, so that a transparent one shows a busy background.
    TVrMeter* Meter = AddOverBackdrop(0);
    TVrMeter* Twin = AddOverBackdrop(280);

    TVrMeter* AddOverBackdrop(int left) {
        auto* behind = new TVrMeter(Form);
        behind->SetParent(Form);
        behind->SetBounds(left, 0, 240, 105);
        behind->SetPosition(40);
        behind->SetCaption(QStringLiteral("behind"));
        auto* meter = new TVrMeter(Form);
        meter->SetParent(Form);
        meter->SetBounds(left + 30, 50, 240, 105);
        meter->SetCaption(QStringLiteral("Volts"));
        return meter;
    }
    // The twin painted from a face made afresh, through the repaint a setting asks for.
    const QImage& FullPaint() {
        const int offset = Twin->LabelOffsetY();
        Twin->SetLabelOffsetY(offset + 1);
        Twin->SetLabelOffsetY(offset);
        return Twin->Image().Image();
    }
    static qint64 FaceKey(const TVrMeter* m) { return m->Face().Image().Image().cacheKey(); }
};

TEST_F(MeterFaceTest, ValueChangesPaintWhatAFullPaintPaintsAcrossASweep) {
    struct Phase {
        const char* Name;
        std::function<void(TVrMeter*)> Change;
    };
    const Phase phases[] = {
        {"default range", [](TVrMeter*) {}},
        {"range moved",
         [](TVrMeter* m) {
             m->SetMinValue(-50);
             m->SetMaxValue(50);
         }},
        {"transparent", [](TVrMeter* m) { m->SetTransparent(true); }},
        {"back image",
         [](TVrMeter* m) {
             m->BackImage()->SetSize(30, 12);
             m->BackImage()->Canvas()->Brush()->SetColor(clMaroon);
             m->BackImage()->Canvas()->FillRect({0, 0, 15, 12});
         }},
        {"opaque again, wide needle",
         [](TVrMeter* m) {
             m->SetTransparent(false);
             m->SetNeedleWidth(4);
         }},
    };
    for (const Phase& phase : phases) {
        SCOPED_TRACE(phase.Name);
        phase.Change(Meter);
        phase.Change(Twin);
        Meter->Repaint();
        TApplication::Instance().ProcessMessages();
        for (int v = Meter->MinValue(); v <= Meter->MaxValue() + 6; v += 7) {
            SCOPED_TRACE(v);
            const qint64 face = FaceKey(Meter);
            Meter->SetPosition(v);
            Twin->SetPosition(v);
            ASSERT_TRUE(Meter->Face().Valid());
            EXPECT_EQ(FaceKey(Meter), face);  // copied, not made again
            ASSERT_TRUE(Meter->Image().Image() == FullPaint());
        }
    }
}

// The caption and the frame lie over the needle, in a face made afresh and in a copied one.
TEST_F(MeterFaceTest, CaptionAndFrameStayOverTheNeedle) {
    Meter->Font()->SetColor(clYellow);
    Meter->SetNeedleColor(clRed);
    Meter->SetNeedleWidth(2'000'000'000);  // covers the whole face
    auto frame = canvastesting::SentinelBitmap(240, 105);
    TRect inside{0, 0, 240, 105};
    Meter->Bevel()->Paint(*frame->Canvas(), inside);
    for (const int position : {0, 50}) {
        SCOPED_TRACE(position);
        Meter->SetPosition(position);
        const TBitmap& image = Meter->Image();
        int framePixels = 0;
        for (int y = 0; y < 105; ++y)
            for (int x = 0; x < 240; ++x)
                if (frame->Pixels(x, y) != canvastesting::kSentinel) {
                    ++framePixels;
                    ASSERT_EQ(image.Pixels(x, y), frame->Pixels(x, y)) << x << "," << y;
                }
        EXPECT_GT(framePixels, 2 * (240 + 105));
        EXPECT_GT(canvastesting::CountPixels(image, clYellow), 10);
        EXPECT_GT(canvastesting::CountPixels(image, clRed), 240 * 105 / 2);
    }
}

// Whatever changes the look after a value change shows at the next paint, as on a meter that
// had that look all along.
TEST(MeterFaceChangeTest, ChangesOtherThanTheValueRepaintTheNewFace) {
    using Change = std::function<void(TVrMeter*)>;
    struct Row {
        const char* Name;
        Change Setup, Alter;
    };
    const Change none = [](TVrMeter*) {};
    const Change backImage = [](TVrMeter* m) {
        m->BackImage()->SetSize(40, 20);
        m->BackImage()->Canvas()->Brush()->SetColor(clNavy);
        m->BackImage()->Canvas()->FillRect({0, 0, 40, 20});
    };
    const Change transparent = [](TVrMeter* m) { m->SetTransparent(true); };
    const Row rows[] = {
        {"caption", none, [](TVrMeter* m) { m->SetCaption(QStringLiteral("Amps")); }},
        {"font colour", none, [](TVrMeter* m) { m->Font()->SetColor(clRed); }},
        {"colour", none, [](TVrMeter* m) { m->SetColor(clNavy); }},
        {"scale", none, [](TVrMeter* m) { m->Scale()->SetColor1(clAqua); }},
        {"bevel", none, [](TVrMeter* m) { m->Bevel()->SetOuterStyle(TVrBevelStyle::bsRaised); }},
        {"labels", none, [](TVrMeter* m) { m->SetLabels(4); }},
        {"range", none, [](TVrMeter* m) { m->SetMaxValue(300); }},
        {"angle", none, [](TVrMeter* m) { m->SetAngle(20); }},
        {"size", none, [](TVrMeter* m) { m->SetBounds(m->Left(), m->Top(), 200, 90); }},
        {"back image drawn on", backImage,
         [](TVrMeter* m) {
             m->BackImage()->Canvas()->Brush()->SetColor(clOlive);
             m->BackImage()->Canvas()->FillRect({0, 0, 20, 20});
         }},
        {"transparency", none, transparent},
        {"parent colour behind a see-through meter", transparent,
         [](TVrMeter* m) { m->Parent()->SetColor(clTeal); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TComponent owner(nullptr);
        TForm* form = test::ShowForm(&owner, 520, 130);
        auto* meter = new TVrMeter(form);
        meter->SetParent(form);
        meter->SetCaption(QStringLiteral("Volts"));
        row.Setup(meter);
        meter->SetPosition(30);
        meter->Repaint();
        TApplication::Instance().ProcessMessages();
        meter->SetPosition(60);
        row.Alter(meter);
        meter->Repaint();
        TApplication::Instance().ProcessMessages();

        auto* twin = new TVrMeter(form);
        twin->SetCaption(QStringLiteral("Volts"));
        twin->SetPosition(60);
        row.Setup(twin);
        twin->SetLeft(260);
        twin->SetParent(form);
        row.Alter(twin);
        twin->Repaint();
        TApplication::Instance().ProcessMessages();
        EXPECT_TRUE(meter->Image().Image() == twin->Image().Image());
    }
}

// The rack's text form and its binary file hold the same rack.
TEST(MeterRackFileTest, TextFormAndBinaryFileAgree) {
    QFile text(ExtremeMetersFile("txt")), binary(ExtremeMetersFile("res"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    ASSERT_TRUE(binary.open(QIODevice::ReadOnly));
    EXPECT_EQ(rack::WriteObjectText(rack::ReadObjectText(text.readAll())),
              rack::WriteObjectText(rack::ReadRackTree(binary.readAll())));
}

}  // namespace
}  // namespace mox
