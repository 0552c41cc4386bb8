// The power meter from the palette and its property sheet: what a placed meter looks like, what
// the sheet shows, the order it applies in, and what it refuses.
#include "instruments/output/vrpowermeter.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

struct PowerMeterSheetTest : test::CommandsFixture {
    TVrPowerMeter* Meter = nullptr;
    TPropertySheet* Sheet = nullptr;

    // Places a power meter and opens its sheet.
    void Open() {
        Meter = dynamic_cast<TVrPowerMeter*>(Place("Power meter", {8, 8}));
        ASSERT_NE(Meter, nullptr);
        Commands.Properties();
        Sheet = VisibleSheet();
        ASSERT_NE(Sheet, nullptr);
    }
    TValueListEditor& Grid() const { return *Sheet->Grid(); }
    QStringList Apply(const std::vector<std::pair<const char*, const char*>>& cells) {
        return ApplyCells(*Sheet, cells);
    }
};

TEST_F(PowerMeterSheetTest, PlacedFromThePaletteNarrowSeeThroughAndWithoutText) {
    TControl* placed = Place("Power meter", {13, 21});
    ASSERT_NE(placed, nullptr);
    auto* meter = dynamic_cast<TVrPowerMeter*>(placed);
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->Name(), "pmeter1");
    EXPECT_EQ(meter->BoundsRect(), (TRect{16, 24, 66, 224}));
    EXPECT_EQ(meter->Caption(), "");
    EXPECT_EQ(meter->UnitsText(), "");
    EXPECT_TRUE(meter->Transparent());
    EXPECT_FALSE(meter->MarkerVisible());
    EXPECT_EQ(Rack.ControlList().Names(), QStringList{"pmeter1"});
    // It paints on the rack: bar left of its middle, the default fill up to 60.
    meter->Repaint();
    Pump();
    const TPowerMeterLayout layout = meter->Layout();
    EXPECT_EQ(layout.BarLeft, 10);
    EXPECT_EQ(meter->Image().Pixels(12, ValueRow(layout, 30)), clRed);
}

TEST_F(PowerMeterSheetTest, SheetShowsTheValuesAndTheDialogRows) {
    Open();
    EXPECT_EQ(Sheet->Caption(), "Power meter");
    const QStringList rows = SheetRows(*Sheet);
    const QString dialog = QStringLiteral("=Click to change");
    EXPECT_EQ(rows,
              (QStringList{"Name=pmeter1", "Min value=0", "Max value=100", "Tick increment=10",
                           "Bar width=5", "Value=60", "Bar color" + dialog, "Fill color" + dialog,
                           "Highlight color" + dialog, "Shadow color" + dialog}));
}

TEST_F(PowerMeterSheetTest, ApplyMovesTheRangePastTheValueAndClampsTheValue) {
    Open();
    EXPECT_TRUE(Apply({{"Min value", "200"}, {"Max value", "300"}, {"Value", "250"}}).isEmpty());
    EXPECT_EQ(Meter->MinValue(), 200);
    EXPECT_EQ(Meter->MaxValue(), 300);
    EXPECT_EQ(Meter->Value(), 250);

    EXPECT_TRUE(Apply({{"Min value", "-10"},
                       {"Max value", "50"},
                       {"Tick increment", "5"},
                       {"Bar width", "8"},
                       {"Value", "60"}})
                    .isEmpty());
    EXPECT_EQ(Meter->MinValue(), -10);
    EXPECT_EQ(Meter->MaxValue(), 50);
    EXPECT_EQ(Meter->Increment(), 5);
    EXPECT_EQ(Meter->BarWidth(), 8);
    EXPECT_EQ(Meter->Value(), 50);
}

// A bad cell stops Apply with the message; what came before it stays applied, nothing after it
// is, and a range is applied whole or not at all.
TEST_F(PowerMeterSheetTest, BadCellsAreReportedAndLoseNothingBeforeThem) {
    struct Row {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Cells;
        std::vector<double> Expected;  // MinValue, MaxValue, Increment, BarWidth
    };
    const Row rows[] = {
        {"a fraction", {{"Min value", "0.5"}, {"Max value", "90"}}, {0, 100, 10, 5}},
        {"not a number", {{"Max value", "abc"}}, {0, 100, 10, 5}},
        {"beyond 32 bits", {{"Min value", "-2147483649"}}, {0, 100, 10, 5}},
        {"a crossed range", {{"Min value", "80"}, {"Max value", "20"}}, {0, 100, 10, 5}},
        {"no step",
         {{"Min value", "10"}, {"Max value", "90"}, {"Tick increment", "0"}},
         {10, 90, 10, 5}},
        {"a negative width", {{"Tick increment", "20"}, {"Bar width", "-3"}}, {10, 90, 20, 5}},
        {"a value in exponent form", {{"Bar width", "7"}, {"Value", "1e3"}}, {10, 90, 20, 7}},
    };
    Open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Grid().SetValue(0, QStringLiteral("level"));
        EXPECT_EQ(Apply(row.Cells), QStringList{"Please check properties !"});
        EXPECT_EQ(Meter->Name(), "level");
        EXPECT_EQ((std::vector<double>{Meter->MinValue(), Meter->MaxValue(), Meter->Increment(),
                                       static_cast<double>(Meter->BarWidth())}),
                  row.Expected);
        EXPECT_EQ(Meter->Value(), 60);
        // Back to what the meter holds, for the next row.
        Commands.Properties();
    }
}

TEST_F(PowerMeterSheetTest, FractionalValuesShowButOnlyWholeNumbersApply) {
    Open();
    Meter->SetRange(0.25, 99.5);
    Meter->SetValue(12.125);
    Meter->SetIncrement(2.5);
    Commands.Properties();
    EXPECT_EQ(Grid().Value(1), "0.25");
    EXPECT_EQ(Grid().Value(2), "99.5");
    EXPECT_EQ(Grid().Value(3), "2.5");
    EXPECT_EQ(Grid().Value(5), "12.125");
    EXPECT_EQ(Apply({}), QStringList{"Please check properties !"});
    EXPECT_EQ(Meter->MinValue(), 0.25);
    EXPECT_EQ(Meter->MaxValue(), 99.5);
}

TEST_F(PowerMeterSheetTest, ColourRowsSetTheirColourOnOkOnly) {
    struct Row {
        int GridRow;
        TColor (TVrPowerMeter::*Get)() const;
    };
    const Row rows[] = {{6, &TVrPowerMeter::BarColor},
                        {7, &TVrPowerMeter::FillColor},
                        {8, &TVrPowerMeter::ColorHighlight},
                        {9, &TVrPowerMeter::ColorShadow}};
    Open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.GridRow);
        const TColor before = (Meter->*row.Get)();
        Grid().SetRow(row.GridRow);
        Dialogs.CancelColor();
        Sheet->EditCurrentRow();
        EXPECT_EQ((Meter->*row.Get)(), before);
        Dialogs.AnswerColor(clOlive);
        Sheet->EditCurrentRow();
        EXPECT_EQ((Meter->*row.Get)(), clOlive);
        EXPECT_EQ(Dialogs.ColorRequests().back(), before);
    }
    EXPECT_TRUE(Dialogs.Messages().empty());
}

}  // namespace
}  // namespace mox
