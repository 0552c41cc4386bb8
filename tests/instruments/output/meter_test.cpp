// The analog meter: where its scale, labels and needle go, its setters' rules, what a new meter
// stores, and the picture it paints.
#include <gtest/gtest.h>

#include "instruments/base/vrexceptions.h"
#include "instruments/output/vrmeter.h"
#include "rackfile/componentwriter.h"
#include "toolkit/testwindows.h"

namespace mox {
namespace {

TEST(MeterGeometryTest, DefaultScaleSpansTheArcAndTheNeedleEndsOneStepPastTheLastTick) {
    const TMeterLayout layout = MeterLayout(240, 105, 20, 40, 61);
    EXPECT_EQ(layout.Radius, 95);
    EXPECT_EQ(layout.Pivot, (TPoint{120, 125}));
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

}  // namespace
}  // namespace mox
