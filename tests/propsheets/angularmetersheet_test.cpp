// The angular meter's sheet: its rows, the range checked as a whole before anything applies,
// and a range that moves up or down in one Apply.
#include "instruments/output/vrangularmeter.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

using AngularMeterSheetTest = test::CommandsFixture;

TEST_F(AngularMeterSheetTest, RowsShowThePlacedMeterAndARangeMovesEitherWay) {
    auto* meter = dynamic_cast<TVrAngularMeter*>(Place("Angular meter", {8, 8}));
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->Caption(), "Angular Meter");
    EXPECT_TRUE(meter->Transparent());
    EXPECT_EQ(meter->Decimals(), 0);
    EXPECT_EQ(meter->Spacing(), 35);
    Commands.Properties();
    TPropertySheet* sheet = VisibleSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Caption(), "Angular Meter");
    TValueListEditor* grid = sheet->Grid();
    ASSERT_EQ(grid->RowCount(), 19);
    const QStringList keys{"Name",
                           "Caption",
                           "Caption font",
                           "Min value",
                           "Max value",
                           "Angle",
                           "Angle offset",
                           "Color zone1",
                           "Color zone2",
                           "Color zone3",
                           "Percent1",
                           "Percent2",
                           "Center dot color",
                           "Center dot width",
                           "Needle base width",
                           "Needle color",
                           "Labels number",
                           "Labels font",
                           "Labels offset"};
    for (int i = 0; i < grid->RowCount(); ++i)
        EXPECT_EQ(grid->Keys(i), keys[i]) << i;
    EXPECT_EQ(grid->Value(4), "100");
    EXPECT_EQ(grid->Value(7), "Click to set");

    // Up past the old maximum, then down below the old minimum.
    for (auto [low, high] : {std::pair{200.5, 300.0}, {-50.0, -10.0}}) {
        grid->SetValue(3, QString::number(low));
        grid->SetValue(4, QString::number(high));
        sheet->Apply();
        EXPECT_EQ(meter->MinValue(), low);
        EXPECT_EQ(meter->MaxValue(), high);
    }
    EXPECT_TRUE(Dialogs.Messages().empty());
}

TEST_F(AngularMeterSheetTest, ACrossedOrEmptyRangeAppliesNothing) {
    auto* meter = dynamic_cast<TVrAngularMeter*>(Place("Angular meter", {8, 8}));
    ASSERT_NE(meter, nullptr);
    Commands.Properties();
    TPropertySheet* sheet = VisibleSheet();
    TValueListEditor* grid = sheet->Grid();
    grid->SetValue(0, QStringLiteral("dial"));
    grid->SetValue(3, QStringLiteral("10"));
    grid->SetValue(4, QStringLiteral("10"));
    grid->SetValue(16, QStringLiteral("4"));
    sheet->Apply();
    EXPECT_EQ(MessagesShown(), QStringList{"Please check Min, Max values !"});
    EXPECT_NE(meter->Name(), "dial");
    EXPECT_EQ(meter->Labels(), 10);
    EXPECT_EQ(meter->MaxValue(), 100);
    // Text that is no number at all is a bad value like any other.
    grid->SetValue(4, QStringLiteral("lots"));
    sheet->Apply();
    EXPECT_EQ(MessagesShown().last(), "Please check properties !");
    EXPECT_NE(meter->Name(), "dial");
}

}  // namespace
}  // namespace mox
