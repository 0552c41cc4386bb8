// The angular meter: where its zones, ticks, labels, caption and needle go, its setters' rules,
// what a new meter stores, the picture it paints, and a position change painting what a full
// paint paints.
#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <functional>
#include <limits>

#include "instruments/base/vrexceptions.h"
#include "instruments/output/vrangularmeter.h"
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

TAngularLayout DefaultLayout() {
    return AngularLayout(310, 250, -1, 45, 40, 280);
}

TEST(AngularGeometryTest, TheDialFitsTheControlOrTheRadius) {
    const TAngularLayout layout = DefaultLayout();
    EXPECT_EQ(layout.Centre, (TFarPoint{155, 125}));
    EXPECT_EQ(layout.InnerRadius, 80);  // min(155, 125) - 45
    EXPECT_DOUBLE_EQ(layout.Start, 220.0);
    // Radius 60: a 120-pixel dial in the top-left corner.
    const TAngularLayout small = AngularLayout(310, 250, 60, 45, 40, 280);
    EXPECT_EQ(small.Centre, (TFarPoint{60, 60}));
    EXPECT_EQ(small.InnerRadius, 15);
    EXPECT_EQ(ZoneBox(small, 14), (TRect{31, 31, 89, 89}));
    // The ends of int stay in 64 bits and come out saturated.
    const TAngularLayout huge = AngularLayout(10, 10, kIntMax, kIntMin, 0, 360);
    EXPECT_EQ(huge.InnerRadius, std::int64_t{kIntMax} - kIntMin);
    EXPECT_EQ(ZoneBox(huge, kIntMax).Right, kIntMax);
}

TEST(AngularGeometryTest, ZonesSplitTheSweepByTheirShares) {
    const TAngularLayout layout = DefaultLayout();
    const auto slices = ZoneSlices(layout, 60, 25, clGreen, clBlue, clRed);
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_DOUBLE_EQ(slices[0].To, 220 + 168.0);
    EXPECT_DOUBLE_EQ(slices[1].From, slices[0].To);
    EXPECT_DOUBLE_EQ(slices[1].To, 220 + 168.0 + 70);
    EXPECT_DOUBLE_EQ(slices[2].To, 500.0);
    // No first zone: the second starts at the start; shares of 100 leave out the third.
    const auto noFirst = ZoneSlices(layout, 0, 25, clGreen, clBlue, clRed);
    ASSERT_EQ(noFirst.size(), 2u);
    EXPECT_EQ(noFirst[0].Color, clBlue);
    EXPECT_DOUBLE_EQ(noFirst[0].From, 220.0);
    const auto full = ZoneSlices(layout, 60, 40, clGreen, clBlue, clRed);
    ASSERT_EQ(full.size(), 2u);
    EXPECT_EQ(full[1].Color, clBlue);
}

TEST(AngularGeometryTest, TicksIncludeBothEndsWithEveryEnlargeThLong) {
    const TAngularLayout layout = DefaultLayout();
    EXPECT_TRUE(AngularTicks(layout, 0, 5, 14, 10).empty());
    const auto ticks = AngularTicks(layout, 100, 5, 14, 10);
    ASSERT_EQ(ticks.size(), 101u);
    const auto length = [&](std::size_t i) {
        return std::hypot(ticks[i].Outer.X - ticks[i].Inner.X, ticks[i].Outer.Y - ticks[i].Inner.Y);
    };
    for (std::size_t i = 0; i <= 100; ++i)
        EXPECT_NEAR(length(i), i % 10 == 0 ? 14 : 5, 1.5) << i;
    // Tick 0 at 220° (lower left), the last at 140° (lower right), both 80 out.
    EXPECT_EQ(ticks[0].Inner, DialPointLimited(layout.Centre, 220, 80));
    EXPECT_EQ(ticks[100].Inner, DialPointLimited(layout.Centre, 500, 80));
    // Enlarge 0 makes only the first tick long instead of taking a remainder of zero.
    const auto plain = AngularTicks(layout, 4, 5, 14, 0);
    ASSERT_EQ(plain.size(), 5u);
    EXPECT_NEAR(
        std::hypot(plain[1].Outer.X - plain[1].Inner.X, plain[1].Outer.Y - plain[1].Inner.Y), 5,
        1.5);
}

TEST(AngularGeometryTest, HugeCountsDrawABoundedSpreadThatKeepsBothEnds) {
    const TAngularLayout layout = DefaultLayout();
    const auto ticks = AngularTicks(layout, kIntMax, 5, 14, kIntMax);
    EXPECT_LE(ticks.size(), static_cast<std::size_t>(layout.MarkBudget) + 2);
    EXPECT_EQ(ticks.back().Inner, DialPointLimited(layout.Centre, 500, 80));
    const auto labels = AngularLabels(layout, kIntMax, 30, 0, 100, 0);
    EXPECT_LE(labels.size(), static_cast<std::size_t>(layout.MarkBudget) + 2);
    EXPECT_EQ(labels.front().Text, "0");
    EXPECT_EQ(labels.back().Text, "100");
}

TEST(AngularGeometryTest, LabelsReadTheRangeWithTheirDecimals) {
    QLocale::setDefault(QLocale::c());
    const TAngularLayout layout = DefaultLayout();
    const auto labels = AngularLabels(layout, 10, 30, 0, 100, 2);
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels[0].Text, "0.00");
    EXPECT_EQ(labels[1].Text, "10.00");
    EXPECT_EQ(labels[10].Text, "100.00");
    EXPECT_EQ(labels[0].Centre, DialPointLimited(layout.Centre, 220, 110));
    EXPECT_TRUE(AngularLabels(layout, 0, 30, 0, 100, 2).empty());
    EXPECT_TRUE(AngularLabels(layout, -3, 30, 0, 100, 2).empty());
    // A file's huge Decimals shows a bounded number of digits, not a giant string.
    EXPECT_EQ(LabelText(0.5, kIntMax).size(), 2 + kMaxDialDecimals);
    EXPECT_EQ(LabelText(1.25, 0), "1");
}

TEST(AngularGeometryTest, CaptionLinesSplitAtBars) {
    EXPECT_EQ(CaptionLines(QStringLiteral("|A|B")), (QStringList{"", "A", "B"}));
    EXPECT_EQ(CaptionLines(QStringLiteral("A|")), QStringList{"A"});
    EXPECT_EQ(CaptionLines(QStringLiteral("A||B")), (QStringList{"A", "", "B"}));
    EXPECT_TRUE(CaptionLines(QString()).isEmpty());
}

TEST(AngularGeometryTest, TheNeedleSweepsTheScaleAndRestsAtTheStartForNoRange) {
    const TAngularLayout layout = DefaultLayout();
    EXPECT_DOUBLE_EQ(NeedleAngle(layout, 0, 0, 100), 220.0);
    EXPECT_DOUBLE_EQ(NeedleAngle(layout, 50, 0, 100), 360.0);
    EXPECT_DOUBLE_EQ(NeedleAngle(layout, 100, 0, 100), 500.0);
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [position, low, high] :
         {std::tuple{5.0, 5.0, 5.0}, {0.0, -inf, inf}, {std::nan(""), 0.0, 1.0}})
        EXPECT_DOUBLE_EQ(NeedleAngle(layout, position, low, high), 220.0);
    // Straight up at 360°: the tip 80 above the centre, the base corners 4 to each side.
    const TNeedle needle = NeedleTriangle(layout, 360, -1, 8);
    EXPECT_EQ(needle.Tip, (TPoint{155, 45}));
    EXPECT_EQ(needle.Corner1, (TPoint{151, 125}));
    EXPECT_EQ(needle.Corner2, (TPoint{159, 125}));
    EXPECT_EQ(NeedleTriangle(layout, 360, 20, 8).Tip, (TPoint{155, 105}));
}

struct AngularMeterTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 660, 270);
    TVrAngularMeter* Meter = Add(0);
    TVrAngularMeter* Twin = Add(330);

    TVrAngularMeter* Add(int left) {
        auto* m = new TVrAngularMeter(Form);
        m->SetParent(Form);
        m->SetBounds(left, 0, 310, 250);
        m->SetCaption(QStringLiteral("|Volts"));
        return m;
    }
    const TBitmap& Painted(TVrAngularMeter* m) {
        m->Repaint();
        TApplication::Instance().ProcessMessages();
        return m->Image();
    }
    // The twin painted from a dial drawn afresh, through the repaint a setting asks for.
    const QImage& FullPaint() {
        Twin->SetSpacing(Twin->Spacing() + 1);
        Twin->SetSpacing(Twin->Spacing() - 1);
        return Painted(Twin).Image();
    }
};

TEST_F(AngularMeterTest, ANewMeterStoresItsRangeAndWhatDiffersFromTheDefaults) {
    const rack::TObjectRecord root = rack::WriteComponentTree(*Form);
    ASSERT_EQ(root.Children.size(), 2u);
    QStringList names;
    for (const rack::TStreamProperty& p : root.Children[0].Properties)
        names << p.Name;
    // The range and the position are always written: a reader keeps a new meter's 0..100
    // for any value left out.
    for (const char* written : {"MaxValue", "MinValue", "Position", "LabelsFont.Color", "Caption"})
        EXPECT_TRUE(names.contains(QLatin1String(written))) << written;
    for (const char* absent : {"Decimals", "Ticks", "Percent1", "ParentColor", "Color", "Radius"})
        EXPECT_FALSE(names.contains(QLatin1String(absent))) << absent;
    EXPECT_LT(names.indexOf("MaxValue"), names.indexOf("LabelsFont.Color"));
    EXPECT_LT(names.indexOf("LabelsFont.Color"), names.indexOf("Caption"));
    EXPECT_EQ(Meter->LabelsFont()->Color(), clWhite);
    EXPECT_EQ(Meter->Font()->Color(), clWhite);
    EXPECT_TRUE(Meter->ControlStyle().Contains(TControlStyleFlag::csOpaque));
    EXPECT_FALSE(Meter->ControlStyle().Contains(TControlStyleFlag::csSetCaption));
}

TEST_F(AngularMeterTest, ARangeEndingAtZeroSurvivesARoundTrip) {
    Meter->SetMinValue(-100);
    Meter->SetMaxValue(0);
    Meter->SetPosition(-30);
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*Form));
    TForm* again = test::ShowForm(&Owner, 660, 270);
    TClassRegistry registry;
    registry.RegisterClass(TVrAngularMeter::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText(text), *again, registry);
    ASSERT_GE(again->ControlCount(), 1);
    auto* loaded = dynamic_cast<TVrAngularMeter*>(again->Controls(0));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ((std::vector{loaded->MinValue(), loaded->MaxValue(), loaded->Position()}),
              (std::vector{-100.0, 0.0, -30.0}));
}

TEST_F(AngularMeterTest, SettersKeepRangesAndShares) {
    int changes = 0;
    Meter->OnChange = [&](TObject*) { ++changes; };
    Meter->SetPosition(150);
    EXPECT_EQ(Meter->Position(), 100);
    Meter->SetPosition(-1);
    EXPECT_EQ(Meter->Position(), 0);
    Meter->SetPosition(0);
    EXPECT_EQ(changes, 2);
    Meter->SetPosition(std::nan(""));
    EXPECT_EQ(Meter->Position(), 0);
    EXPECT_THROW(Meter->SetMinValue(101), EVrException);
    EXPECT_THROW(Meter->SetMaxValue(-1), EVrException);
    EXPECT_EQ(Meter->MinValue(), 0);
    Meter->SetPosition(80);
    Meter->SetMaxValue(50);  // the position comes down with it, silently
    EXPECT_EQ(Meter->Position(), 50);
    Meter->SetMinValue(60 - 10);
    EXPECT_EQ(changes, 3);
    Meter->SetPercent1(90);  // 90 + 25 > 100: cut back
    EXPECT_EQ(Meter->Percent1(), 75);
    Meter->SetPercent2(40);
    EXPECT_EQ(Meter->Percent2(), 25);
    Meter->SetPercent1(-5);
    EXPECT_EQ(Meter->Percent1(), 0);
    Meter->SetAngleOffset(1000);
    EXPECT_EQ(Meter->AngleOffset(), 360);
    Meter->SetDecimals(-3);
    EXPECT_EQ(Meter->Decimals(), 0);
}

TEST_F(AngularMeterTest, TheDialShowsZonesTicksAndNeedle) {
    Meter->SetPosition(50);  // straight up
    const TBitmap& image = Painted(Meter);
    const TAngularLayout layout = Meter->Layout();
    // Zone ring from RI - 2 out to RI + TicksMax, coloured where the zones lie.
    const auto ringAt = [&](double angle) {
        return DialPointLimited(layout.Centre, angle, static_cast<double>(layout.InnerRadius) + 10);
    };
    struct Probe {
        double Angle;
        TColor Color;
    };
    for (const Probe& p : {Probe{250, clGreen}, {400, clBlue}, {480, clRed}}) {
        const TPoint at = ringAt(p.Angle);
        EXPECT_EQ(image.Pixels(at.X, at.Y), p.Color) << p.Angle;
    }
    // Below the dial, between the ends of the scale, nothing but the background.
    const TPoint gap = ringAt(180);
    EXPECT_EQ(image.Pixels(gap.X, gap.Y), clBlack);
    // The needle, the hub and the centre dot.
    EXPECT_EQ(image.Pixels(155, 60), clRed);
    EXPECT_EQ(image.Pixels(155 + 6, 125), clRed);
    EXPECT_EQ(image.Pixels(155, 125), clWhite);
    // The first long tick runs from the inner radius outwards in white.
    const TPoint tick = DialPointLimited(layout.Centre, 220, 80 + 3);
    EXPECT_EQ(image.Pixels(tick.X, tick.Y), clWhite);
}

TEST_F(AngularMeterTest, TransparentShowsWhatIsBehindOnlyWhereTheDialKeptItsColour) {
    Form->SetColor(clTeal);
    Meter->SetTransparent(true);
    const TBitmap& image = Painted(Meter);
    EXPECT_EQ(image.Pixels(5, 5), clTeal);
    const TAngularLayout layout = Meter->Layout();
    const TPoint zone = DialPointLimited(layout.Centre, 250, 90);
    EXPECT_EQ(image.Pixels(zone.X, zone.Y), clGreen);
}

TEST_F(AngularMeterTest, PositionChangesPaintWhatAFullPaintPaintsAcrossASweep) {
    struct Phase {
        const char* Name;
        std::function<void(TVrAngularMeter*)> Change;
    };
    const Phase phases[] = {
        {"default", [](TVrAngularMeter*) {}},
        {"range moved",
         [](TVrAngularMeter* m) {
             m->SetMinValue(-50);
             m->SetMaxValue(50);
         }},
        {"transparent over a colour",
         [this](TVrAngularMeter* m) {
             Form->SetColor(clOlive);
             m->SetTransparent(true);
         }},
        {"long needle, no dot",
         [](TVrAngularMeter* m) {
             m->SetNeedleLength(200);
             m->SetCenterDotWidth(0);
         }},
    };
    for (const Phase& phase : phases) {
        SCOPED_TRACE(phase.Name);
        phase.Change(Meter);
        phase.Change(Twin);
        Painted(Meter);
        for (double v = Meter->MinValue(); v <= Meter->MaxValue(); v += 9.5) {
            SCOPED_TRACE(v);
            const qint64 dial = Meter->Dial().Image().cacheKey();
            Meter->SetPosition(v);
            Twin->SetPosition(v);
            Painted(Meter);
            EXPECT_EQ(Meter->Dial().Image().cacheKey(), dial);  // not drawn again
            ASSERT_TRUE(Meter->Image().Image() == FullPaint());
        }
    }
}

TEST_F(AngularMeterTest, ExtremeSettingsPaintWithoutHangingOrGrowing) {
    const std::function<void(TVrAngularMeter*)> extremes[] = {
        [](TVrAngularMeter* m) { m->SetRadius(kIntMax); },
        [](TVrAngularMeter* m) { m->SetSpacing(kIntMin); },
        [](TVrAngularMeter* m) {
            m->SetTicks(kIntMax);
            m->SetLabels(kIntMax);
            m->SetDecimals(kIntMax);
        },
        [](TVrAngularMeter* m) {
            m->SetNeedleBaseWidth(kIntMax);
            m->SetCenterDotWidth(kIntMin);
            m->SetLabelsOffset(kIntMax);
            m->SetTicksMax(kIntMax);
        },
        [](TVrAngularMeter* m) {
            m->SetMaxValue(std::numeric_limits<double>::max());
            m->SetMinValue(-std::numeric_limits<double>::max());
            m->SetPosition(1);
        },
    };
    for (const auto& extreme : extremes) {
        auto* m = new TVrAngularMeter(Form);
        m->SetParent(Form);
        m->SetBounds(0, 0, 120, 100);
        extreme(m);
        EXPECT_EQ(Painted(m).Width(), 120);
        delete m;
    }
}

}  // namespace
}  // namespace mox
