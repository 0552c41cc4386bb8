// The property sheets and the rack properties dialog: what they show, the order they apply in,
// what they report, and what happens to an open sheet when its control goes.
#include <QFile>

#include "instruments/output/vrmeter.h"
#include "propsheets/sheetrows.h"
#include "support/commandtesting.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/memo.h"

namespace mox {
namespace {

using SheetsTest = test::CommandsFixture;

TEST_F(SheetsTest, SheetApplyStopsAtTheFirstFailureAndKeepsWhatCameBefore) {
    Place("Label", {8, 8});
    TControl* memoControl = Place("Memo", {8, 60});
    auto* memo = dynamic_cast<TMemo*>(memoControl);
    ASSERT_NE(memo, nullptr);
    Commands.Properties();
    TPropertySheet* sheet = VisibleSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Caption(), "Memo");
    TValueListEditor* grid = sheet->Grid();
    EXPECT_EQ(grid->Value(1), "None");
    EXPECT_EQ(grid->Value(2), "No");
    grid->SetValue(1, QStringLiteral("Both"));
    grid->SetValue(3, QStringLiteral("yes"));  // not an entry: left alone
    grid->SetValue(4, QStringLiteral("No"));
    sheet->Apply();
    EXPECT_EQ(memo->ScrollBars(), TScrollStyle::ssBoth);
    EXPECT_FALSE(memo->ReadOnly());
    EXPECT_FALSE(memo->WordWrap());
    EXPECT_TRUE(Dialogs.Messages().empty());

    // A taken name fails first: nothing after it is applied, the old name stays.
    grid->SetValue(0, QStringLiteral("LABEL1"));
    grid->SetValue(1, QStringLiteral("None"));
    sheet->Apply();
    EXPECT_EQ(MessagesShown(), QStringList{"Please check properties !"});
    EXPECT_EQ(memo->Name(), "memo1");
    EXPECT_EQ(memo->ScrollBars(), TScrollStyle::ssBoth);

    // Colour: Cancel changes nothing, OK sets it at once.
    const TColor before = memo->Color();
    grid->SetRow(5);
    Dialogs.CancelColor();
    sheet->EditCurrentRow();
    EXPECT_EQ(memo->Color(), before);
    Dialogs.AnswerColor(clYellow);
    sheet->EditCurrentRow();
    EXPECT_EQ(memo->Color(), clYellow);
    EXPECT_EQ(Dialogs.ColorRequests().back(), before);
}

TEST_F(SheetsTest, AnOpenSheetFollowsItsControlAndHidesWhenItGoes) {
    Rack.Designer()->SetSnapToGrid(false);
    TControl* edit = Place("Edit", {8, 8});
    auto* memo = dynamic_cast<TMemo*>(Place("Memo", {8, 60}));
    ASSERT_TRUE(edit && memo);
    Commands.Properties();
    TPropertySheet* sheet = VisibleSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->EditedControl(), memo);

    // Placing and sending to back shift the rack's children under the open sheet.
    Place("Label", {200, 8});
    Rack.Designer()->SetControl(edit);
    Commands.SendToBack();
    sheet->Grid()->SetValue(0, QStringLiteral("notes"));
    sheet->Grid()->SetValue(1, QStringLiteral("Vertical"));
    sheet->Apply();
    EXPECT_TRUE(Dialogs.Messages().empty());
    EXPECT_EQ(memo->Name(), "notes");
    EXPECT_EQ(memo->ScrollBars(), TScrollStyle::ssVertical);
    EXPECT_EQ(edit->Name(), "edit1");

    // Destroying the edited control hides the sheet; it edits nothing afterwards.
    ASSERT_TRUE(sheet->Visible());
    memo->SetParent(nullptr);
    delete memo;
    EXPECT_FALSE(sheet->Visible());
    EXPECT_EQ(sheet->EditedControl(), nullptr);
    sheet->Apply();
    sheet->EditCurrentRow();
    EXPECT_EQ(edit->Name(), "edit1");

    // A row never writes through to a control of another class.
    TSheetRow rows =
        PickRow<TMemo, bool>(QStringLiteral("Read only"), {{QStringLiteral("Yes"), true}},
                             &TMemo::ReadOnly, &TMemo::SetReadOnly);
    EXPECT_THROW(rows.Write(*edit, QStringLiteral("Yes")), EInvalidCast);
    EXPECT_THROW(static_cast<void>(rows.Read(*edit)), EInvalidCast);
}

TEST_F(SheetsTest, MeterSheetAppliesTheRangeMaximumFirstAndReportsACrossedRange) {
    auto* meter = dynamic_cast<TVrMeter*>(Place("Analog meter", {8, 8}));
    ASSERT_NE(meter, nullptr);
    Commands.Properties();
    TPropertySheet* sheet = VisibleSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Caption(), "AMeter");
    TValueListEditor* grid = sheet->Grid();
    ASSERT_EQ(grid->RowCount(), 13);
    EXPECT_EQ(grid->Value(9), "61");  // Ticks
    grid->SetValue(11, QStringLiteral("50"));
    grid->SetValue(10, QStringLiteral("10"));
    grid->SetValue(6, QStringLiteral("70"));
    sheet->Apply();
    EXPECT_EQ(meter->MaxValue(), 50);
    EXPECT_EQ(meter->MinValue(), 10);
    EXPECT_EQ(meter->Scale()->Percent1(), 70);
    EXPECT_TRUE(Dialogs.Messages().empty());

    grid->SetValue(11, QStringLiteral("40"));
    grid->SetValue(10, QStringLiteral("45"));  // above the new maximum: refused
    grid->SetValue(8, QStringLiteral("4"));
    sheet->Apply();
    EXPECT_EQ(MessagesShown(), QStringList{"Please check properties !"});
    EXPECT_EQ(meter->MaxValue(), 40);
    EXPECT_EQ(meter->MinValue(), 10);
    EXPECT_EQ(meter->Labels(), 10);
}

TEST_F(SheetsTest, ImageSheetLoadsABitmapAndKeepsItsPathInTheHint) {
    auto* image = dynamic_cast<TImage*>(Place("Image", {8, 8}));
    ASSERT_NE(image, nullptr);
    Commands.Properties();
    TPropertySheet* sheet = VisibleSheet();
    ASSERT_NE(sheet, nullptr);
    sheet->Grid()->SetRow(1);
    QFile junk(PathOf("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BMnot really");
    junk.close();
    Dialogs.AnswerFile(junk.fileName());
    sheet->EditCurrentRow();
    EXPECT_EQ(MessagesShown(), QStringList{"Invalid image file."});
    EXPECT_TRUE(image->Hint().isEmpty());
    EXPECT_EQ(Dialogs.FileRequests().back().Filter, "Bitmap image|*.bmp");

    const QString bitmap = WriteBitmap("ok.bmp");
    Dialogs.AnswerFile(bitmap);
    sheet->EditCurrentRow();
    EXPECT_EQ(image->Hint(), bitmap);
    EXPECT_EQ(image->Picture()->Height(), 3);
    // Its Apply renames like every other sheet.
    sheet->Grid()->SetValue(0, QStringLiteral("logo"));
    sheet->Apply();
    EXPECT_EQ(image->Name(), "logo");
}

TEST_F(SheetsTest, RackPropertiesDialogSetsTheRackAndTheDesigner) {
    TFrmRProp& dialog = Shell.RackProperties();
    Commands.RackProperties();
    EXPECT_EQ(dialog.CBControls()->Items()->Count(), 0);
    EXPECT_EQ(dialog.CBControls()->ItemIndex(), -1);
    TValueListEditor* grid = dialog.Grid();
    ASSERT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Value(6), "yes");

    grid->SetValue(0, QStringLiteral("Bench"));
    grid->SetValue(8, QStringLiteral("1"));
    grid->SetValue(6, QStringLiteral("no"));
    dialog.Apply();
    EXPECT_EQ(Rack.Caption(), "Bench");
    EXPECT_EQ(Rack.Designer()->GridStep(), 2);
    EXPECT_FALSE(Rack.Designer()->DisplayGrid());

    // A bad number: the caption stays applied, the switches are not touched.
    grid->SetValue(0, QStringLiteral("Bench 2"));
    grid->SetValue(5, QStringLiteral("big"));
    grid->SetValue(7, QStringLiteral("no"));
    dialog.Apply();
    EXPECT_EQ(MessagesShown(), QStringList{"Please check properties."});
    EXPECT_EQ(Rack.Caption(), "Bench 2");
    EXPECT_TRUE(Rack.Designer()->SnapToGrid());

    // Shown again with the grid off, the dialog says so, and applying unchanged keeps it off.
    Commands.RackProperties();
    EXPECT_EQ(grid->Value(6), "no");
    dialog.Apply();
    EXPECT_FALSE(Rack.Designer()->DisplayGrid());

    // A background colour, even cancelled, shows the grid again.
    grid->SetRow(1);
    Dialogs.CancelColor();
    dialog.EditCurrentRow();
    EXPECT_TRUE(Rack.Designer()->DisplayGrid());

    // Picking a name selects that control.
    Place("Label", {8, 8});
    Place("Label", {8, 48});
    Commands.RackProperties();
    EXPECT_EQ(dialog.CBControls()->ItemIndex(), 0);
    dialog.CBControls()->SetItemIndex(1);
    dialog.ControlPicked();
    EXPECT_EQ(Rack.Designer()->Control(), Placed("label2"));
}

}  // namespace
}  // namespace mox
