// The palette's rack commands, property sheets and the rack properties dialog, with every
// dialog answered through the scripted provider.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "instruments/output/vrmeter.h"
#include "propsheets/sheetrows.h"
#include "rackfile/rackio.h"
#include "support/shelltesting.h"
#include "toolkit/dialogs/dialogprovider.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"
#include "toolkit/stdctrls/panel.h"

namespace mox {
namespace {

struct RackCommandsTest : test::ShellFixture {
    TScriptedDialogs Dialogs;
    QTemporaryDir Folder;
    TRackCommands& Commands = Shell.Commands();

    QString PathOf(const char* name) const { return Folder.filePath(QString::fromLatin1(name)); }
    QStringList MessagesShown() const {
        QStringList texts;
        for (const TMessageRequest& m : Dialogs.Messages())
            texts << m.Text;
        return texts;
    }
    // A small bitmap file for image controls.
    QString WriteBitmap(const char* name) const {
        TBitmap bmp;
        bmp.SetSize(4, 3);
        bmp.Canvas()->Brush()->SetColor(clRed);
        bmp.Canvas()->FillRect({0, 0, 4, 3});
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bmp.SaveToBmpData());
        return file.fileName();
    }
    TPropertySheet* VisibleSheet() const {
        for (TPropertySheet* sheet : Shell.SheetTable())
            if (sheet->Visible()) return sheet;
        return nullptr;
    }
};

TEST_F(RackCommandsTest, LoadAsksOnlyWithControlsAndNoLeavesTheRackAlone) {
    Dialogs.CancelFile();
    Commands.LoadRack();
    EXPECT_TRUE(Dialogs.Messages().empty());
    ASSERT_EQ(Dialogs.FileRequests().size(), 1u);
    EXPECT_EQ(Dialogs.FileRequests()[0].Filter, "Rack files|*.res");

    Place("Label", {8, 8});
    Dialogs.AnswerMessage(TMsgDlgBtn::mbNo);
    Commands.LoadRack();
    EXPECT_EQ(MessagesShown(), QStringList{"This will clear existing rack.  Continue?"});
    EXPECT_NE(Placed("label1"), nullptr);
    EXPECT_EQ(Dialogs.FileRequests().size(), 1u);

    // Yes, then cancelling the file choice, keeps the rack as it was.
    Dialogs.AnswerMessage(TMsgDlgBtn::mbYes).CancelFile();
    Commands.LoadRack();
    EXPECT_NE(Placed("label1"), nullptr);
    EXPECT_EQ(Palette.Caption(), "Moxbench - untitled.res");
}

TEST_F(RackCommandsTest, LoadNeverLeavesTheFileNameOnAnotherRack) {
    Place("Label", {8, 8});
    Place("Edit", {8, 40});
    Dialogs.AnswerFile(PathOf("kept.res"));
    Commands.SaveRackAs();
    QFile kept(PathOf("kept.res"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const QByteArray saved = kept.readAll();
    kept.close();

    // Cancelling the open dialog: the rack and its file name stay, so Save rack writes the
    // same rack to the same file.
    Dialogs.AnswerMessage(TMsgDlgBtn::mbYes).CancelFile();
    Commands.LoadRack();
    EXPECT_NE(Placed("edit1"), nullptr);
    Commands.SaveRack();
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), saved);
    kept.close();

    // A file that fails part-way: the rack forgets its file name, so Save rack asks for one.
    QByteArray cut = saved;
    cut.chop(20);
    QFile damaged(PathOf("cut.res"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(cut);
    damaged.close();
    Dialogs.AnswerMessage(TMsgDlgBtn::mbYes).AnswerFile(damaged.fileName());
    Commands.LoadRack();
    EXPECT_EQ(MessagesShown().last(), "Error loading rack !");
    EXPECT_EQ(Palette.Caption(), "Moxbench - untitled.res");
    EXPECT_EQ(Rack.BorderStyle(), TFormBorderStyle::bsSizeable);
    const std::size_t asked = Dialogs.FileRequests().size();
    Dialogs.CancelFile();
    Commands.SaveRack();
    ASSERT_EQ(Dialogs.FileRequests().size(), asked + 1);
    EXPECT_TRUE(Dialogs.FileRequests().back().Save);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), saved);
    EXPECT_EQ(QFileInfo(damaged).size(), cut.size());
}

TEST_F(RackCommandsTest, SaveAndLoadRoundTripWithTheFixUps) {
    Place("Label", {8, 8});
    auto* memo = dynamic_cast<TMemo*>(Place("Memo", {8, 40}));
    auto* image = dynamic_cast<TImage*>(Place("Image", {200, 40}));
    ASSERT_TRUE(memo && image);
    memo->SetTabStop(false);
    const QString bitmap = WriteBitmap("red.bmp");
    image->SetHint(bitmap);
    image->Picture()->LoadFromFile(bitmap);

    Dialogs.AnswerFile(PathOf("one.res"));
    Commands.SaveRack();  // never saved: asks for a name
    EXPECT_EQ(Palette.Caption(), "Moxbench - one.res");
    EXPECT_EQ(Palette.RackFileName(), PathOf("one.res"));
    // On screen the rack stays sizeable with its handlers and the image keeps its picture.
    EXPECT_EQ(Rack.BorderStyle(), TFormBorderStyle::bsSizeable);
    EXPECT_EQ(Rack.BorderIcons(), TBorderIcons{});
    EXPECT_TRUE(static_cast<bool>(Rack.OnShow));
    EXPECT_EQ(image->Picture()->Width(), 4);

    QFile file(PathOf("one.res"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const rack::TObjectRecord tree = rack::ReadRackTree(file.readAll());
    QStringList rootProps;
    for (const rack::TStreamProperty& p : tree.Properties)
        rootProps << p.Name;
    EXPECT_TRUE(rootProps.contains("BorderStyle"));
    EXPECT_TRUE(rootProps.contains("BorderIcons"));
    for (const rack::TObjectRecord& child : tree.Children)
        for (const rack::TStreamProperty& p : child.Properties)
            EXPECT_NE(p.Name, "Picture.Data") << qPrintable(child.Name);

    Dialogs.AnswerMessage(TMsgDlgBtn::mbYes).AnswerFile(PathOf("one.res"));
    Commands.LoadRack();
    EXPECT_TRUE(MessagesShown().filter("Error").isEmpty()) << qPrintable(MessagesShown().join('|'));
    auto* loadedImage = dynamic_cast<TImage*>(Placed("image1"));
    auto* loadedMemo = dynamic_cast<TMemo*>(Placed("memo1"));
    ASSERT_TRUE(loadedImage && loadedMemo && Placed("label1"));
    EXPECT_EQ(loadedImage->Hint(), bitmap);
    EXPECT_EQ(loadedImage->Picture()->Width(), 4);
    EXPECT_TRUE(loadedMemo->TabStop());
    EXPECT_EQ(Rack.BorderStyle(), TFormBorderStyle::bsSizeable);
    EXPECT_EQ(Palette.Caption(), "Moxbench - one.res");
    EXPECT_EQ(Rack.ControlList().Names(), (QStringList{"image1", "label1", "memo1"}));
    EXPECT_EQ(Rack.Designer()->Control(), loadedImage);
    EXPECT_TRUE(Shell.RackProperties().Visible());
}

TEST_F(RackCommandsTest, SavingUnderUntitledKeepsAskingForAName) {
    Place("Label", {8, 8});
    Dialogs.AnswerFile(PathOf("untitled.res")).AnswerFile(PathOf("untitled.res"));
    Commands.SaveRackAs();
    EXPECT_EQ(Palette.Caption(), "Moxbench - untitled.res");
    Commands.SaveRack();
    // (The second choice of the same file also asks before overwriting it.)
    ASSERT_GE(Dialogs.FileRequests().size(), 2u);
    EXPECT_TRUE(Dialogs.FileRequests()[1].Save);
}

TEST_F(RackCommandsTest, FailedLoadAndSaveReportAndKeepTheRackUsable) {
    QFile damaged(PathOf("damaged.res"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a rack");
    damaged.close();
    Dialogs.AnswerFile(damaged.fileName());
    Commands.LoadRack();
    EXPECT_EQ(MessagesShown(), QStringList{"Error loading rack !"});
    EXPECT_EQ(Palette.Caption(), "Moxbench - untitled.res");

    Place("Label", {8, 8});
    const QString unwritable = PathOf("missing-folder/rack.res");
    Dialogs.AnswerFile(unwritable);
    Commands.SaveRackAs();
    EXPECT_EQ(MessagesShown().last(), "Error saving rack !");
    EXPECT_FALSE(QFile::exists(unwritable));
    EXPECT_EQ(Palette.Caption(), "Moxbench - untitled.res");
    // Put back as after a successful save.
    EXPECT_EQ(Rack.BorderStyle(), TFormBorderStyle::bsSizeable);
    EXPECT_TRUE(static_cast<bool>(Rack.OnActivate));
}

TEST_F(RackCommandsTest, DeleteSendToBackAlignAndSelectAllWorkOnTheSelection) {
    Rack.Designer()->SetSnapToGrid(false);
    TControl* a = Place("Edit", {10, 10});
    TControl* b = Place("Edit", {20, 15});
    TControl* c = Place("Label", {13, 61});
    ASSERT_TRUE(a && b && c);
    Rack.Designer()->SetControl(b);
    Commands.SendToBack();
    EXPECT_EQ(Rack.Controls(Rack.ControlCount() - 1)->ClassName(), "TGrabHandle");
    int indexA = -1, indexB = -1;
    for (int i = 0; i < Rack.ControlCount(); ++i) {
        if (Rack.Controls(i) == a) indexA = i;
        if (Rack.Controls(i) == b) indexB = i;
    }
    EXPECT_LT(indexB, indexA);

    Rack.Designer()->SetControl(c);
    Commands.AlignToGrid();
    EXPECT_EQ(c->BoundsRect().TopLeft(), (TPoint{16, 64}));

    Commands.SelectAll();
    EXPECT_EQ(Rack.Designer()->ControlCount(), 3);
    Commands.Delete();
    EXPECT_FALSE(Commands.RackHoldsControls());
    EXPECT_EQ(Rack.ControlList().Count(), 0);
    EXPECT_FALSE(Palette.Button(u"sbtDelete")->Enabled());
    EXPECT_TRUE(Shell.RackProperties().Visible());
}

TEST_F(RackCommandsTest, PropertiesOpensTheKindsSheetUnderThePalette) {
    TControl* label = Place("Label", {8, 8});
    Commands.Properties();
    TPropertySheet* sheet = VisibleSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Caption(), "Label");
    EXPECT_FALSE(Shell.RackProperties().Visible());
    EXPECT_EQ(sheet->Left(), Palette.Left());
    EXPECT_EQ(sheet->Top(), Palette.Top() + Palette.Height());
    TValueListEditor* grid = sheet->Grid();
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Keys(0), "Name");
    EXPECT_EQ(grid->Value(0), "label1");
    EXPECT_EQ(grid->Value(1), "label1");
    EXPECT_EQ(grid->Value(2), "Click to change");

    // The name is applied first, then the text row as it reads.
    grid->SetValue(0, QStringLiteral("title"));
    grid->SetValue(1, QStringLiteral("Volume"));
    sheet->Apply();
    EXPECT_EQ(label->Name(), "title");
    EXPECT_EQ(label->Caption(), "Volume");

    // A control inside a container is not a child of the rack: no sheet opens.
    auto* panel = new TPanel(&Rack);
    panel->SetName(QStringLiteral("panel1"));
    panel->SetParent(&Rack);
    auto* inner = new TLabel(&Rack);
    inner->SetName(QStringLiteral("inner"));
    inner->SetParent(panel);
    sheet->Hide();
    Rack.Designer()->SetControl(inner);
    Commands.Properties();
    EXPECT_EQ(VisibleSheet(), nullptr);
}

TEST_F(RackCommandsTest, SheetApplyStopsAtTheFirstFailureAndKeepsWhatCameBefore) {
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

TEST_F(RackCommandsTest, AnOpenSheetFollowsItsControlAndHidesWhenItGoes) {
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

TEST_F(RackCommandsTest, MeterSheetAppliesTheRangeMaximumFirstAndReportsACrossedRange) {
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

TEST_F(RackCommandsTest, ImageSheetLoadsABitmapAndKeepsItsPathInTheHint) {
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

TEST_F(RackCommandsTest, RackPropertiesDialogSetsTheRackAndTheDesigner) {
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

TEST_F(RackCommandsTest, ClosingAsksOnlyWithControlsOnTheRack) {
    EXPECT_TRUE(Commands.CanClose());
    EXPECT_TRUE(Dialogs.Messages().empty());
    Place("Label", {8, 8});
    Dialogs.AnswerMessage(TMsgDlgBtn::mbNo).AnswerMessage(TMsgDlgBtn::mbYes);
    EXPECT_FALSE(Commands.CanClose());
    EXPECT_TRUE(Commands.CanClose());
    EXPECT_EQ(MessagesShown().first(), "Rack contains control(s).  Exit now?");
}

}  // namespace
}  // namespace mox
