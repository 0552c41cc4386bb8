// The power meter: where its bar, scale and labels go (also for settings at the ends of their
// types), the text of its labels, its setters' rules, what a rack file gives it, and the picture
// it paints.
#include <gtest/gtest.h>

#include <QLocale>
#include <cfloat>
#include <functional>
#include <limits>
#include <memory>

#include "instruments/base/vrexceptions.h"
#include "instruments/output/vrpowermeter.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/canvastesting.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

// A meter 100 × 200 whose title takes no room: by default the bar runs from row 15 to row 190.
TPowerMeterLayout Plain(double minValue = 0, double maxValue = 100, int topOffset = 15,
                        int bottomOffset = 10, int barWidth = 5) {
    return PowerMeterLayout(
        {100, 200, barWidth, topOffset, bottomOffset, 0, true, minValue, maxValue});
}

// The scale as defined: every tick by repeated addition, then only what shows in the picture.
std::vector<int> EveryTickRow(const TPowerMeterLayout& layout, double increment) {
    std::vector<int> rows;
    for (double v = layout.MinValue; v <= layout.MaxValue; v += increment) {
        const int row = ValueRow(layout, v);
        if (row >= 0 && row <= 200 && (rows.empty() || rows.back() != row)) rows.push_back(row);
    }
    return rows;
}

TEST(PowerMeterGeometryTest, BarLabelsAndMarkerOfANewMeter) {
    const TPowerMeterLayout layout =
        PowerMeterLayout({100, 200, 5, 15, 10, /*TitleHeight*/ 13, true, 0, 100});
    EXPECT_EQ(BarRect(layout), (TRect{35, 28, 40, 190}));
    EXPECT_EQ(MinLabelRect(layout), (TRect{50, 28, 100, 196}));
    EXPECT_EQ(MaxLabelRect(layout), (TRect{50, 22, 100, 200}));
    EXPECT_EQ(MarkerTopLeft(layout, 100, 6, 9), (TPoint{27, 24}));
    EXPECT_EQ(ScaleSpan(layout).Left, 43);
    // A title at the bottom lifts the bar's lower end instead.
    EXPECT_EQ(BarRect(PowerMeterLayout({100, 200, 5, 15, 10, 13, false, 0, 100})),
              (TRect{35, 15, 40, 177}));
}

TEST(PowerMeterGeometryTest, RowsRoundHalvesToEvenAndSpanTheBarForAnyRange) {
    struct Row {
        const char* Name;
        double MinValue, MaxValue, Value;
        int Expected;
    };
    const Row rows[] = {
        {"60 of 100", 0, 100, 60, 85},  // 1.75 rows a unit
        {"102.5 rounds down", 0, 100, 50, 102},
        {"137.5 rounds up", 0, 100, 30, 138},
        {"an empty range", 50, 50, 50, 0},
        {"a reversed range", 50, 40, 45, 0},
        {"all of double, bottom", -DBL_MAX, DBL_MAX, -DBL_MAX, 190},
        {"all of double, middle", -DBL_MAX, DBL_MAX, 0, 102},
        {"all of double, top", -DBL_MAX, DBL_MAX, DBL_MAX, 15},
        {"one denormal step", 0, DBL_TRUE_MIN, DBL_TRUE_MIN, 15},
        {"neighbours at the top of double", std::nextafter(DBL_MAX, 0.0), DBL_MAX,
         std::nextafter(DBL_MAX, 0.0), 190},
        {"a narrow range far from zero", 1e15, 1e15 + 100, 1e15 + 50, 102},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(ValueRow(Plain(row.MinValue, row.MaxValue), row.Value), row.Expected);
    }
}

// However the scale is reached (walking, every row of a fine scale, the ticks near the picture
// on a far longer bar), it shows the ticks drawing every tick shows.
TEST(PowerMeterGeometryTest, ScaleShowsWhatDrawingEveryTickShows) {
    struct Row {
        const char* Name;
        double MaxValue, Increment;
        int TopOffset;
    };
    const Row rows[] = {
        {"ten steps", 100, 10, 15},
        {"steps not dividing the range", 100, 3, 15},
        {"a tick every hundredth row", 100, 0.01, 15},
        {"thousands of ticks", 1000, 0.3, 15},
        {"a bar far taller than the picture", 100000, 1, -400000},
        {"a bar far taller, coarse steps", 100000, 7, -4000000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TPowerMeterLayout layout = Plain(0, row.MaxValue, row.TopOffset);
        EXPECT_EQ(ScaleRows(layout, row.Increment, 200), EveryTickRow(layout, row.Increment));
    }
    EXPECT_EQ(ScaleRows(Plain(), 10, 200).size(), 11u);
    EXPECT_EQ(ScaleRows(Plain(50, 50), 10, 200), std::vector<int>{0});
    for (const double step : {0.0, -10.0, std::nan("")})
        EXPECT_TRUE(ScaleRows(Plain(), step, 200).empty()) << step;
}

// Steps that would take forever, or never move the value, give at most a tick a row.
TEST(PowerMeterGeometryTest, ScalesWithoutEndGiveATickARowAtMost) {
    struct Row {
        const char* Name;
        TPowerMeterLayout Layout;
        double Increment;
        bool CoversTheBar;
    };
    const Row rows[] = {
        {"all of double in steps of one", Plain(-DBL_MAX, DBL_MAX), 1, true},
        {"the smallest step", Plain(), DBL_TRUE_MIN, true},
        {"steps below the value's precision", Plain(1e17, 1e17 + 4096), 1, true},
        {"a step of the whole range", Plain(-DBL_MAX, DBL_MAX), DBL_MAX, false},
        {"a bar of four billion rows", Plain(0, 1e9, kIntMin, kIntMin), 0.5, false},
        {"a bar upside down", Plain(0, 1e12, kIntMax), 1, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::vector<int> ticks = ScaleRows(row.Layout, row.Increment, 200);
        ASSERT_LE(ticks.size(), 201u);
        EXPECT_TRUE(std::is_sorted(ticks.rbegin(), ticks.rend()) ||
                    std::is_sorted(ticks.begin(), ticks.end()));
        EXPECT_EQ(std::adjacent_find(ticks.begin(), ticks.end()), ticks.end());
        for (const int tick : ticks)
            EXPECT_TRUE(tick >= 0 && tick <= 200) << tick;
        if (row.CoversTheBar) {
            EXPECT_EQ(ticks, EveryTickRow(Plain(0, 175), 1));
        }
    }
}

TEST(PowerMeterGeometryTest, SettingsAtTheEndsOfIntStayInTheCanvasSpace) {
    const TPowerMeterLayout wide = Plain(0, 100, kIntMin, kIntMin, kIntMax);
    // The bar grows to the left; its right edge and the labels stay put.
    EXPECT_EQ(BarRect(wide), (TRect{-kCoordLimit, -kCoordLimit, 40, kCoordLimit}));
    EXPECT_EQ(MinLabelRect(wide).Left, 50);
    EXPECT_EQ(MarkerTopLeft(wide, 50, 6, 9).X, -kCoordLimit);
    EXPECT_EQ(LevelLine(wide, 50)->Right, 40);
}

TEST(PowerMeterLabelTest, NumbersHaveEightSignificantDigitsAndTheAskedDecimals) {
    struct Row {
        double Value;
        int Decimals;
        const char* Expected;
    };
    const Row rows[] = {
        {0, 0, "0"},
        {0, 2, "0,00"},
        {-12.5, 1, "-12,5"},
        {123.456789, 4, "123,4568"},
        {1.23456789, 10, "1,2345679000"},
        {0.000123456789, 12, "0,000123456790"},
        {99999999.4, 0, "99999999"},
        {99999999.6, 0, "1E+08"},
        {123456789, 3, "1,2345679E+08"},
        {-DBL_MAX, 0, "-1,7976931E+308"},
        {-0.001, 2, "0,00"},
        {7, -3, "7"},
        {7, kIntMax, "7,000000000000000000"},
        {std::nan(""), 2, "NAN"},
        {-HUGE_VAL, 0, "-INF"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LabelNumber(row.Value, row.Decimals, QStringLiteral(",")), row.Expected)
            << row.Value << " " << row.Decimals;
}

// The pattern is text the user typed: only its first "%s" takes the number.
TEST(PowerMeterLabelTest, PatternsAreTextWithOneNumberInserted) {
    const std::pair<const char*, const char*> rows[] = {
        {"%s dB", "42 dB"},       {"", ""},           {"volts", "volts"},
        {"%s %s %s", "42 %s %s"}, {"%d dB", "%d dB"}, {"%n%s", "%n42"},
        {"100%", "100%"},         {"%s%", "42%"},     {"%1$s %s", "%1$s 42"},
        {"%*.*s %s", "%*.*s 42"},
    };
    for (const auto& [pattern, expected] : rows)
        EXPECT_EQ(LabelText(QString::fromLatin1(pattern), QStringLiteral("42")), expected)
            << pattern;
}

// --- The meter ------------------------------------------------------------------------------

struct PowerMeterTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 240);
    TVrPowerMeter* Meter = new TVrPowerMeter(Form);
    int Changes = 0;

    PowerMeterTest() {
        Meter->SetParent(Form);
        Meter->OnChange = [this](TObject*) { ++Changes; };
    }
    const TBitmap& Painted() {
        Meter->Repaint();
        TApplication::Instance().ProcessMessages();
        return Meter->Image();
    }
};

TEST_F(PowerMeterTest, NewMeterLabelsItsRangeFromThePattern) {
    // The empty title is still as high as a line of the bold font.
    EXPECT_EQ(Meter->Layout().Top, 15 + Meter->TitleFont()->Metric().Height());
    EXPECT_EQ(Meter->LabelFor(0), "0 dB");
    EXPECT_EQ(Meter->LabelFor(100), "100 dB");
    Meter->SetDecimals(2);
    EXPECT_EQ(Meter->LabelFor(0), "0" + QLocale::system().decimalPoint() + "00 dB");
    Meter->SetUnitsText(QStringLiteral("%s %s %d %n %"));
    EXPECT_EQ(Meter->LabelFor(100), "100" + QLocale::system().decimalPoint() + "00 %s %d %n %");
}

TEST_F(PowerMeterTest, ValueStaysInTheRangeAndEveryChangeIsReported) {
    struct Step {
        double Set, Stored;
        int ChangesAfter;
    };
    const Step steps[] = {{150, 100, 1},     {100, 100, 1},        {250, 100, 1},
                          {-5, 0, 2},        {std::nan(""), 0, 2}, {HUGE_VAL, 100, 3},
                          {-HUGE_VAL, 0, 4}, {42.5, 42.5, 5}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Set);
        Meter->SetValue(step.Set);
        EXPECT_EQ(Meter->Value(), step.Stored);
        EXPECT_EQ(Changes, step.ChangesAfter);
    }
}

TEST_F(PowerMeterTest, BoundsAndSettingsOutsideTheirRangeAreRefused) {
    Meter->SetMinValue(70);  // above the value 60
    Meter->SetMaxValue(50);
    Meter->SetMaxValue(std::nan(""));
    Meter->SetMinValue(-HUGE_VAL);
    Meter->SetDecimals(-1);
    for (const double step : {0.0, -2.0, std::nan(""), HUGE_VAL})
        Meter->SetIncrement(step);
    Meter->SetBarWidth(0);
    Meter->SetBarWidth(kIntMin);
    Meter->MarkerImage()->SetSize(0, 0);  // brings the built-in marker back
    EXPECT_EQ((std::vector{Meter->MinValue(), Meter->MaxValue(), Meter->Increment()}),
              (std::vector{0.0, 100.0, 10.0}));
    EXPECT_EQ((std::vector{Meter->Decimals(), Meter->BarWidth(), Meter->MarkerImage()->Width(),
                           Meter->MarkerImage()->Height()}),
              (std::vector{0, 5, 6, 9}));

    // A whole range moves past the value and takes it along.
    Meter->SetRange(200, 300);
    EXPECT_EQ(Meter->Value(), 200);
    EXPECT_EQ(Changes, 1);
    EXPECT_THROW(Meter->SetRange(5, 4), EVrException);
    EXPECT_THROW(Meter->SetRange(0, HUGE_VAL), EVrException);
    EXPECT_EQ(Meter->MinValue(), 200);
}

// The bar in plain colours, away from any text: the empty bar, the fill, the light and dark
// edges, the engraved level line and the scale right of the bar.
TEST_F(PowerMeterTest, BarEdgesLevelAndScaleArePaintedWhereTheyBelong) {
    Meter->SetBounds(0, 0, 60, 16);
    Meter->SetUnitsText(QString());
    Meter->SetMarkerVisible(false);
    Meter->SetColor(clTeal);
    Meter->SetBarColor(clSilver);
    Meter->SetFillColor(clRed);
    Meter->SetColorShadow(clNavy);
    Meter->SetColorHighlight(clYellow);
    // The bar from row 3 to row 12; ticks every 3 rows.
    Meter->SetTopOffset(3 - Meter->TitleFont()->Metric().Height());
    Meter->SetBottomOffset(4);
    Meter->SetRange(0, 30);
    const std::pair<double, const char*> rows[] = {
        {10,
         "...............\n"
         "..........NNNN.\n"
         "..YYYYY...YYYY.\n"
         "..YSSSSN.......\n"
         "..YSSSSN..NNNN.\n"
         "..YSSSSN..YYYY.\n"
         "..YSSSSN.......\n"
         "..YNNNNN..NNNN.\n"
         "..YYYYYN..YYYY.\n"
         "..YRRRRN.......\n"
         "..NNNNNN..NNNN.\n"
         "..........YYYY."},
        // No level line at the maximum.
        {30,
         "...............\n"
         "..........NNNN.\n"
         "..YYYYY...YYYY.\n"
         "..YRRRRN.......\n"
         "..YRRRRN..NNNN.\n"
         "..YRRRRN..YYYY.\n"
         "..YRRRRN.......\n"
         "..YRRRRN..NNNN.\n"
         "..YRRRRN..YYYY.\n"
         "..YRRRRN.......\n"
         "..NNNNNN..NNNN.\n"
         "..........YYYY."},
    };
    const std::map<TColor, char> legend{
        {clTeal, '.'}, {clSilver, 'S'}, {clRed, 'R'}, {clNavy, 'N'}, {clYellow, 'Y'}};
    for (const auto& [value, picture] : rows) {
        SCOPED_TRACE(value);
        Meter->SetValue(value);
        EXPECT_EQ(canvastesting::Picture(Painted().Image().copy(13, 1, 15, 12), legend), picture);
    }
}

TEST_F(PowerMeterTest, MarkerPointsAtTheValueWithItsSeeThroughColourLeftOut) {
    Meter->SetColor(clTeal);
    const TBitmap& marker = *Meter->MarkerImage();
    for (const double value : {0.0, 37.0, 100.0}) {
        SCOPED_TRACE(value);
        Meter->SetValue(value);
        const TBitmap& image = Painted();
        const TPoint at = MarkerTopLeft(Meter->Layout(), value, 6, 9);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 6; ++x) {
                const TColor own = marker.Pixels(x, y);
                EXPECT_EQ(image.Pixels(at.X + x, at.Y + y),
                          own == marker.TransparentColor() ? clTeal : own);
            }
    }
}

// Settings at the ends of their types paint at once and show what is still visible.
TEST_F(PowerMeterTest, SettingsAtTheEndsOfTheirTypesPaintSafely) {
    struct Row {
        const char* Name;
        std::function<void(TVrPowerMeter*)> Apply;
        TPoint Probe;  // a pixel of the fill
    };
    const Row rows[] = {
        {"a bar as wide as int", [](TVrPowerMeter* m) { m->SetBarWidth(kIntMax); }, {1, 150}},
        {"offsets at the ends of int",
         [](TVrPowerMeter* m) {
             m->SetTopOffset(kIntMin);
             m->SetBottomOffset(kIntMin);
         },
         {38, 100}},
        {"all of double in steps of one",
         [](TVrPowerMeter* m) {
             m->SetRange(-DBL_MAX, DBL_MAX);
             m->SetIncrement(1);
         },
         {38, 150}},
        {"the smallest step", [](TVrPowerMeter* m) { m->SetIncrement(DBL_TRUE_MIN); }, {38, 150}},
        {"all the decimals and a long pattern",
         [](TVrPowerMeter* m) {
             m->SetDecimals(kIntMax);
             m->SetUnitsText(QString(100000, QLatin1Char('%')));
         },
         {38, 150}},
    };
    Meter->SetFillColor(clLime);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Apply(Meter);
        EXPECT_EQ(Painted().Pixels(row.Probe.X, row.Probe.Y), clLime);
    }
    // An empty range puts every row at 0: nothing is filled.
    Meter->SetRange(60, 60);
    EXPECT_EQ(canvastesting::CountPixels(Painted(), clLime), 0);
}

// A rack file's values arrive in stream order: the range and the value are kept as written
// whatever the order, and a range crossed by a damaged file still paints.
TEST(PowerMeterStreamTest, ValuesLoadAsWrittenInAnyOrder) {
    struct Row {
        const char* Name;
        const char* Properties;
        double MinValue, MaxValue, Value;
    };
    const Row rows[] = {
        {"range below the first value", "MaxValue = 50.0\nValue = 30.0\n", 0, 50, 30},
        {"range above the first maximum", "MaxValue = 1000.0\nMinValue = 500.0\nValue = 700.0\n",
         500, 1000, 700},
        {"value outside the range", "MaxValue = 50.0\nValue = 80.0\n", 0, 50, 50},
        {"crossed range", "MaxValue = 10.0\nMinValue = 20.0\nValue = 15.0\n", 20, 10, 10},
        {"beyond double", "MaxValue = 1e4000\nValue = 1e4000\n", 0, DBL_MAX, DBL_MAX},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TComponent owner(nullptr);
        TForm* form = test::ShowForm(&owner, 120, 220);
        TClassRegistry registry;
        registry.RegisterClass(TVrPowerMeter::StaticClass());
        rack::ReadComponentTree(rack::ReadObjectText(QByteArray("object f: TForm\n"
                                                                "object p: TVrPowerMeter\n") +
                                                     row.Properties + "end\nend\n"),
                                *form, registry);
        auto* meter = dynamic_cast<TVrPowerMeter*>(form->FindComponent(QStringLiteral("p")));
        ASSERT_NE(meter, nullptr);
        EXPECT_EQ((std::vector{meter->MinValue(), meter->MaxValue(), meter->Value()}),
                  (std::vector{row.MinValue, row.MaxValue, row.Value}));
        meter->Repaint();
        TApplication::Instance().ProcessMessages();
    }
}

// A new meter shows "%s dB" from 0 to 100 at 60: no units, a maximum of 0 and a value of 0
// must be written, or a reloaded meter would take the new meter's values back.
TEST(PowerMeterStreamTest, EmptyUnitsAndZeroValuesSurviveARoundTrip) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 120, 220);
    auto* meter = new TVrPowerMeter(form);
    meter->SetName(QStringLiteral("p"));
    meter->SetParent(form);
    meter->SetUnitsText(QString());
    meter->SetMinValue(-10);
    meter->SetValue(0);
    meter->SetMaxValue(0);
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*form));
    TForm* again = test::ShowForm(&owner, 120, 220);
    TClassRegistry registry;
    registry.RegisterClass(TVrPowerMeter::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText(text), *again, registry);
    auto* loaded = dynamic_cast<TVrPowerMeter*>(again->FindComponent(QStringLiteral("p")));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->UnitsText(), QString());
    EXPECT_EQ((std::vector{loaded->MinValue(), loaded->MaxValue(), loaded->Value()}),
              (std::vector{-10.0, 0.0, 0.0}));
}

TEST(PowerMeterStreamTest, NewMeterStoresWhatDiffersFromTheDefaultsInStreamOrder) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* meter = new TVrPowerMeter(form);
    meter->SetName(QStringLiteral("pmeter1"));
    meter->SetParent(form);
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    QStringList names;
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names,
              (QStringList{"Left", "Top", "Width", "Height", "UnitsText", "MaxValue", "Value",
                           "Increment", "MarkerImage.Data", "TitleFont.Charset", "TitleFont.Color",
                           "TitleFont.Height", "TitleFont.Name", "TitleFont.Style", "Caption"}));
}

// --- The face kept across value changes -----------------------------------------------------

// Whatever changes the look shows at the next paint, as on a meter that had that look all
// along; a value change then copies the face and paints what a full paint paints.
TEST(PowerMeterFaceTest, ValueChangesOnAnyLookPaintWhatAFullPaintPaints) {
    using Change = std::function<void(TVrPowerMeter*)>;
    const std::pair<const char*, Change> looks[] = {
        {"caption", [](TVrPowerMeter* m) { m->SetCaption(QStringLiteral("Amps")); }},
        {"title font and place",
         [](TVrPowerMeter* m) {
             m->TitleFont()->SetColor(clRed);
             m->SetTitleAlignment(TVrTitleAlignment::tiaBottom);
         }},
        {"labels", [](TVrPowerMeter* m) { m->SetUnitsText(QStringLiteral("%s V")); }},
        {"scale", [](TVrPowerMeter* m) { m->SetIncrement(0.5); }},
        {"bar", [](TVrPowerMeter* m) { m->SetBarWidth(30); }},
        {"colours", [](TVrPowerMeter* m) { m->SetColorShadow(clMaroon); }},
        {"range", [](TVrPowerMeter* m) { m->SetRange(-40, 35); }},
        {"a big marker", [](TVrPowerMeter* m) { m->MarkerImage()->SetSize(20, 30); }},
        {"size", [](TVrPowerMeter* m) { m->SetBounds(m->Left(), m->Top(), 80, 150); }},
        {"transparency", [](TVrPowerMeter* m) { m->SetTransparent(true); }},
    };
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 280, 230);
    // Over striped panels, so that a transparent meter shows a busy background.
    for (int i = 0; i < 6; ++i) {
        auto* behind = new TVrPowerMeter(form);
        behind->SetParent(form);
        behind->SetBounds(140 * (i / 3) + 40 * (i % 3), 0, 40, 230);
        behind->SetFillColor(i % 3 == 1 ? clPurple : clOlive);
    }
    auto* meter = new TVrPowerMeter(form);
    meter->SetParent(form);
    meter->SetBounds(10, 10, 110, 210);
    const auto faceKey = [meter] { return meter->Face().Image().Image().cacheKey(); };
    std::vector<Change> applied;
    for (const auto& [name, change] : looks) {
        SCOPED_TRACE(name);
        change(meter);
        meter->Repaint();
        TApplication::Instance().ProcessMessages();
        // A twin that had this look all along (first painted once it has it all), painted from
        // a face made afresh each time.
        applied.push_back(change);
        std::unique_ptr<TVrPowerMeter> twin(new TVrPowerMeter(form));
        twin->SetBounds(150, 10, 110, 210);
        for (const Change& c : applied)
            c(twin.get());
        twin->SetParent(form);
        const double low = meter->MinValue(), high = meter->MaxValue();
        for (double v = low - 3; v <= high + 3; v += (high - low) / 7) {
            SCOPED_TRACE(v);
            const qint64 face = faceKey();
            meter->SetValue(v);
            EXPECT_EQ(faceKey(), face);  // copied, not made again
            twin->SetValue(meter->Value());
            twin->SetBottomOffset(twin->BottomOffset() + 1);
            twin->SetBottomOffset(twin->BottomOffset() - 1);
            ASSERT_TRUE(meter->Image().Image() == twin->Image().Image());
        }
    }
}

}  // namespace
}  // namespace mox
