// The track bar's and the switch's sheets: what they show, the order Apply sets the rows in, the
// colour dialogs, and the switch's refusal of fewer than two positions with the switch selected
// again after every Apply.
#include "propsheets/trackbarsheets.h"

#include "instruments/input/vrswitch.h"
#include "instruments/input/vrtrackbar.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

struct TrackBarSheetsTest : test::CommandsFixture {
    TComponent Windows{nullptr};
    TPropertySheet* BarSheet =
        new TPropertySheet(&Windows, {Palette, Rack, Designer}, QStringLiteral("FrmTBar"),
                           QStringLiteral("Track Bar"), TrackBarSheet());
    TPropertySheet* SwitchSheetWindow =
        new TPropertySheet(&Windows, {Palette, Rack, Designer}, QStringLiteral("FrmSwitch"),
                           QStringLiteral("Switch"), SwitchSheet());
    TVrTrackBar* Bar = Add<TVrTrackBar>("tbar1");
    TVrSwitch* Switch = Add<TVrSwitch>("switch1");

    template <class C>
    C* Add(const char* name) {
        auto* control = new C(&Rack);
        control->SetName(QString::fromLatin1(name));
        control->SetParent(&Rack);
        return control;
    }
    QStringList Apply(TPropertySheet& sheet, const QStringList& values) {
        for (int row = 0; row < values.size(); ++row)
            sheet.Grid()->SetValue(row, values[row]);
        return ApplyShowing(sheet);
    }
};

TEST_F(TrackBarSheetsTest, ApplyOrderNamesRowsOfEachSheet) {
    for (const TSheetDefinition& sheet : {TrackBarSheet(), SwitchSheet()})
        for (const QString& key : sheet.ApplyOrder) {
            SCOPED_TRACE(key.toStdString());
            EXPECT_EQ(std::count_if(sheet.Rows.begin(), sheet.Rows.end(),
                                    [&](const TSheetRow& row) { return row.Key == key; }),
                      1);
        }
}

TEST_F(TrackBarSheetsTest, TrackBarSheetShowsItsRowsAndAppliesTheRangeInEitherDirection) {
    BarSheet->Fill(*Bar);
    EXPECT_EQ(SheetRows(*BarSheet),
              (QStringList{"Name=tbar1", "Min value=0", "Max value=100", "Ticks frequency=10",
                           "Gutter width=9", "Direction=Horizontal", "Color=Click to change",
                           "Ticks color=Click to change", "Gutter color=Click to change"}));
    Bar->SetPosition(50);
    EXPECT_EQ(Apply(*BarSheet, {"level", "200", "300", "25", "5", "Vertical"}), QStringList{});
    EXPECT_EQ(Bar->Name(), "level");
    EXPECT_EQ(Bar->MinValue(), 200);
    EXPECT_EQ(Bar->MaxValue(), 300);
    EXPECT_EQ(Bar->Position(), 200);
    EXPECT_EQ(Bar->Frequency(), 25);
    EXPECT_EQ(Bar->GutterWidth(), 5);
    EXPECT_EQ(Bar->Orientation(), TVrOrientation::voVertical);
    EXPECT_EQ(Bar->Height(), 175);

    // A bad number stops Apply at its row: the rows before it are set.
    EXPECT_EQ(Apply(*BarSheet, {"level", "-10", "ten", "5", "5", "Horizontal"}),
              QStringList{"Please check properties !"});
    EXPECT_EQ(Bar->MinValue(), -10);
    EXPECT_EQ(Bar->MaxValue(), 300);
    EXPECT_EQ(Bar->Frequency(), 25);
    EXPECT_EQ(Bar->Orientation(), TVrOrientation::voVertical);
}

TEST_F(TrackBarSheetsTest, TrackBarColourRowsSetOnOk) {
    BarSheet->Fill(*Bar);
    struct Row {
        int Index;
        std::function<TColor()> Color;
    };
    const Row rows[] = {{6, [&] { return Bar->Color(); }},
                        {7, [&] { return Bar->TickColor(); }},
                        {8, [&] { return Bar->GutterColor(); }}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Index);
        const TColor before = row.Color();
        BarSheet->Grid()->SetRow(row.Index);
        Dialogs.CancelColor();
        BarSheet->EditCurrentRow();
        EXPECT_EQ(row.Color(), before);
        Dialogs.AnswerColor(clOlive);
        BarSheet->EditCurrentRow();
        EXPECT_EQ(row.Color(), clOlive);
    }
    EXPECT_EQ(Bar->Image().Pixels(80, 22), clOlive);  // the gutter
}

TEST_F(TrackBarSheetsTest, SwitchSheetRefusesFewerThanTwoPositionsAndSelectsTheSwitchAgain) {
    SwitchSheetWindow->Fill(*Switch);
    EXPECT_EQ(SheetRows(*SwitchSheetWindow),
              (QStringList{"Name=switch1", "Positions=4", "Direction=Vertical",
                           "Color=Click to change"}));
    struct Row {
        const char* Name;
        QStringList Values;
        int Positions;
        TVrOrientation Orientation;
        const char* ExpectedName;
        QStringList Messages;
    };
    using enum TVrOrientation;
    const QStringList refused{"Please check properties !"};
    const Row rows[] = {
        {"six across", {"selector", "6", "Horizontal"}, 6, voHorizontal, "selector", {}},
        {"one position", {"other", "1", "Vertical"}, 6, voHorizontal, "selector", refused},
        {"no positions", {"other", "0", "Vertical"}, 6, voHorizontal, "selector", refused},
        {"not a number", {"other", "two", "Vertical"}, 6, voHorizontal, "selector", refused},
        {"two upright", {"selector", "2", "Vertical"}, 2, voVertical, "selector", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Designer.SetControl(nullptr);
        EXPECT_EQ(Apply(*SwitchSheetWindow, row.Values), row.Messages);
        EXPECT_EQ(Switch->Positions(), row.Positions);
        EXPECT_EQ(Switch->Orientation(), row.Orientation);
        EXPECT_EQ(Switch->Name(), row.ExpectedName);
        EXPECT_EQ(Designer.Control(), Switch);
    }
    EXPECT_EQ(Switch->Height(), 26);
}

}  // namespace
}  // namespace mox
