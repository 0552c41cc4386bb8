// The numeric display's property sheet: what it shows, the order it applies in, what it refuses
// and its colour rows.
#include "propsheets/numericsheet.h"

#include "designer/grabhandles.h"
#include "instruments/output/vrnum.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

struct NumericSheetTest : test::CommandsFixture {
    std::unique_ptr<TComponent> Windows = std::make_unique<TComponent>(nullptr);
    TPropertySheet* Sheet =
        new TPropertySheet(Windows.get(), {Palette, Rack, Designer}, QStringLiteral("FrmNum"),
                           QStringLiteral("Numeric"), NumericSheet());
    TVrNum* Num = new TVrNum(&Rack);

    NumericSheetTest() {
        Num->SetName(QStringLiteral("num1"));
        Num->SetParent(&Rack);
        Sheet->Fill(*Num);
        Sheet->Show();
    }
    TValueListEditor& Grid() const { return *Sheet->Grid(); }
    QStringList Shown() const { return SheetRows(*Sheet); }
    QStringList Apply(const std::vector<std::pair<const char*, const char*>>& cells) {
        return ApplyCells(*Sheet, cells);
    }
    std::vector<int> Settings() const { return {Num->Digits(), Num->Min(), Num->Max()}; }
};

TEST_F(NumericSheetTest, ShowsTheDigitsTheLimitsAndTheColourRows) {
    const QString dialog = QStringLiteral("=Click to change");
    EXPECT_EQ(Shown(), (QStringList{"Name=num1", "Digits=4", "Min value=0", "Max value=9999",
                                    "Low color" + dialog, "High color" + dialog}));
}

// Both limits are applied together, so a range may move anywhere, below the old one too.
TEST_F(NumericSheetTest, ApplyMovesTheRangeAnywhereAndTakesTheValueAlong) {
    struct Row {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Cells;
        std::vector<int> Expected;  // Digits, Min, Max
        int Value;
    };
    const Row rows[] = {
        {"above the old maximum",
         {{"Digits", "6"}, {"Min value", "10000"}, {"Max value", "20000"}},
         {6, 10000, 20000},
         10000},
        {"below the old minimum", {{"Min value", "-20"}, {"Max value", "-10"}}, {6, -20, -10}, -10},
        {"the whole of int",
         {{"Digits", "16"}, {"Min value", "-2147483648"}, {"Max value", "2147483647"}},
         {16, -2147483648, 2147483647},
         -10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_TRUE(Apply(row.Cells).isEmpty());
        EXPECT_EQ(Settings(), row.Expected);
        EXPECT_EQ(Num->Value(), row.Value);
    }
    EXPECT_EQ(Num->Name(), "num1");
}

// A bad cell stops Apply with the message; the name before it stays applied, and a range is
// applied whole or not at all.
TEST_F(NumericSheetTest, BadCellsAreReportedAndLoseNothingBeforeThem) {
    struct Row {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Cells;
        std::vector<int> Expected;  // Digits, Min, Max
    };
    const Row rows[] = {
        {"not a number", {{"Max value", "abc"}}, {4, 0, 9999}},
        {"beyond 32 bits", {{"Min value", "-2147483649"}}, {4, 0, 9999}},
        {"a crossed range", {{"Min value", "80"}, {"Max value", "20"}}, {4, 0, 9999}},
        {"an empty range", {{"Min value", "20"}, {"Max value", "20"}}, {4, 0, 9999}},
        {"no digits", {{"Min value", "-5"}, {"Max value", "5"}, {"Digits", "0"}}, {4, -5, 5}},
        {"too many digits", {{"Digits", "17"}}, {4, -5, 5}},
        {"a fraction of a digit", {{"Digits", "4.5"}}, {4, -5, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Grid().SetValue(0, QStringLiteral("counter"));
        EXPECT_EQ(Apply(row.Cells), QStringList{"Please check properties !"});
        EXPECT_EQ(Num->Name(), "counter");
        EXPECT_EQ(Settings(), row.Expected);
        // Back to what the display holds, for the next row.
        Sheet->Fill(*Num);
    }
}

TEST_F(NumericSheetTest, ColourRowsSetThePaletteOnOkOnly) {
    ExpectPaletteRowsSetOnOkOnly(*Sheet, *Num->Palette(), 4);
}

// An auto-sized display takes its new width from Apply, and the grab handles follow it.
TEST_F(NumericSheetTest, ApplySelectsTheDisplayAgainSoItsHandlesFollowANewWidth) {
    Num->SetAutoSize(true);
    Designer.SetControl(Num);
    EXPECT_TRUE(Apply({{"Digits", "8"}}).isEmpty());
    EXPECT_EQ(Num->Width(), 8 * 13 + 7 * 2);
    EXPECT_EQ(Designer.Control(), Num);
    ASSERT_NE(Designer.GrabHandles(), nullptr);
    EXPECT_EQ(Designer.GrabHandles()->TargetRect(), Num->BoundsRect());
}

}  // namespace
}  // namespace mox
