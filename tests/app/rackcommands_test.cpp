// The palette's rack commands, with every dialog answered through the scripted provider.
#include <QFile>
#include <QFileInfo>

#include "designer/alignmentpalette.h"
#include "instruments/output/lcd.h"
#include "rackfile/rackio.h"
#include "support/commandtesting.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"
#include "toolkit/stdctrls/panel.h"
#include "toolkit/stdctrls/speedbutton.h"

namespace mox {
namespace {

using RackCommandsTest = test::CommandsFixture;

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

TEST_F(RackCommandsTest, TheMenuShowsTheAlignmentPaletteWhichAlignsTheSelection) {
    TfrmAlignmentPalette* palette = Rack.Designer()->AlignmentPaletteWindow();
    EXPECT_FALSE(palette->Visible());
    Place("Label", {8, 8});
    Place("Label", {40, 60});
    Rack.Designer()->AddControl(Placed("label1"));
    Palette.MenuItem(u"mniAlignmentPalette")->OnClick(nullptr);
    EXPECT_TRUE(palette->Visible());
    palette->sbtLeft->OnClick(palette->sbtLeft);
    EXPECT_EQ(Placed("label2")->Left(), Placed("label1")->Left());
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

// Unlike an image, an LCD panel keeps its picture in the rack file; a damaged one is refused as
// a damaged rack is.
TEST_F(RackCommandsTest, AnLcdPanelsPictureTravelsWithTheRack) {
    auto* lcd = dynamic_cast<TLcd*>(Place("Lcd", {8, 8}));
    ASSERT_NE(lcd, nullptr);
    EXPECT_EQ(lcd->Width(), 217);
    EXPECT_EQ(lcd->Height(), 49);
    Dialogs.AnswerFile(PathOf("lcd.res"));
    Commands.SaveRack();
    EXPECT_EQ(lcd->Picture()->Width(), 257);  // saving left it alone

    QFile file(PathOf("lcd.res"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    const rack::TObjectRecord tree = rack::ReadRackTree(bytes);
    ASSERT_EQ(tree.Children.size(), 1u);
    QStringList names;
    for (const rack::TStreamProperty& p : tree.Children.front().Properties)
        names << p.Name;
    EXPECT_TRUE(names.contains("Picture.Data"));

    Dialogs.AnswerMessage(TMsgDlgBtn::mbYes).AnswerFile(PathOf("lcd.res"));
    Commands.LoadRack();
    EXPECT_TRUE(MessagesShown().filter("Error").isEmpty()) << qPrintable(MessagesShown().join('|'));
    auto* loaded = dynamic_cast<TLcd*>(Placed("lcd1"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Picture()->Width(), 257);

    // The bitmap's own header, spoiled in place: the stated lengths still fit the bytes.
    const qsizetype header = bytes.indexOf("BM");
    ASSERT_GT(header, 0);
    bytes[header] = 'X';
    QFile damaged(PathOf("damaged-lcd.res"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes);
    damaged.close();
    Dialogs.AnswerMessage(TMsgDlgBtn::mbYes).AnswerFile(damaged.fileName());
    Commands.LoadRack();
    EXPECT_EQ(MessagesShown().last(), "Error loading rack !");
    Place("Label", {8, 80});
    EXPECT_NE(Placed("label1"), nullptr);
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
