// The palette and the rack together, driven with real mouse input through the message hook:
// choosing a kind, placing, naming, and the commands that follow the selection.
#include "app/catalogue.h"
#include "instruments/input/vrcheckled.h"
#include "instruments/input/vrpowerbutton.h"
#include "instruments/input/vrspinner.h"
#include "instruments/input/vrswitch.h"
#include "instruments/input/vrtrackbar.h"
#include "instruments/output/lcd.h"
#include "instruments/output/vrborder.h"
#include "instruments/output/vrgradient.h"
#include "instruments/output/vrled.h"
#include "instruments/output/vrmatrix.h"
#include "instruments/output/vrnum.h"
#include "instruments/output/vrprogressbar.h"
#include "instruments/output/vrscope.h"
#include "support/shelltesting.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

namespace mox {
namespace {

using ShellTest = test::ShellFixture;

TEST_F(ShellTest, StartsWithItsWindowsDescribedAndOnlyTheDialogShownBesideTheMainPair) {
    EXPECT_EQ(TApplication::Instance().MainForm(), &Palette);
    EXPECT_EQ(Palette.Caption(), "Moxbench - untitled.res");
    // Window positions are checked on a real display by the end-to-end test: the offscreen
    // platform reports top-level windows shifted by a made-up frame.
    EXPECT_EQ(Palette.Width(), 792);
    EXPECT_EQ(Palette.Height(), 106);
    EXPECT_EQ(Palette.Constraints()->MinWidth(), 792);
    EXPECT_EQ(Palette.Constraints()->MaxHeight(), 106);
    EXPECT_EQ(Rack.Caption(), "My Rack");
    EXPECT_EQ(Rack.ClientWidth(), 442);
    EXPECT_EQ(Rack.ClientHeight(), 266);
    EXPECT_TRUE(Designer.Active());
    EXPECT_EQ(Designer.PopupMenu(), Palette.MainMenu());
    EXPECT_TRUE(Shell.RackProperties().Visible());
    ASSERT_EQ(Shell.SheetTable().size(), 22u);
    for (TPropertySheet* sheet : Shell.SheetTable()) {
        EXPECT_FALSE(sheet->Visible()) << qPrintable(sheet->Name());
        EXPECT_EQ(sheet->ClientWidth(), 215);
        EXPECT_EQ(sheet->ClientHeight(), 348);
    }
    EXPECT_EQ(Shell.SheetForClass(u"TVrMeter")->Caption(), "AMeter");
    EXPECT_EQ(Shell.SheetForClass(u"TComboBox")->Caption(), "DropDown");
}

TEST_F(ShellTest, PaletteHoldsItsCommandsMenuAndDialogs) {
    QStringList captions;
    for (int i = 0; i < Palette.PropertiesToolbar()->ButtonCount(); ++i)
        captions << Palette.PropertiesToolbar()->Buttons(i)->Caption();
    EXPECT_EQ(captions, (QStringList{"Properties", "Delete", "Align", "", "Select All", "",
                                     "Rack properties", "Load rack", "Save rack", "Save rack as"}));
    EXPECT_EQ(Palette.Button(u"sbtDelete")->Hint(), "Delete control");
    QStringList items;
    for (int i = 0; i < Palette.MainMenu()->Count(); ++i)
        items << Palette.MainMenu()->Items(i)->Caption();
    EXPECT_EQ(items, (QStringList{"Properties", "-", "Delete", "-", "Align to &Grid",
                                  "Send To Back", "-", "Alignment &Palette"}));
    for (int kind = 0; kind < 22; ++kind) {
        TToolButton* b = Palette.ControlButton(kind);
        ASSERT_NE(b, nullptr) << kind;
        EXPECT_EQ(b->Style(), TToolButtonStyle::tbsCheck);
        EXPECT_EQ(b->OnClick.Method().Name, "sbtControlButtonClick");
    }
    EXPECT_EQ(Palette.SaveDialog()->Filter(), "Rack files|*.res");
    EXPECT_TRUE(Palette.SaveDialog()->Options().Contains(TOpenOption::ofOverwritePrompt));
    EXPECT_EQ(Palette.OpenDialog()->DefaultExt(), "res");
}

TEST_F(ShellTest, ChoosingTwoKindsBeforeClickingPlacesTheSecondAndResumesOnce) {
    Choose("Label");
    Choose("Edit");
    EXPECT_EQ(CheckedButtons(), 1);
    EXPECT_TRUE(Palette.ControlButton(12)->Down());
    EXPECT_TRUE(Designer.Suspended());
    ClickOn(&Rack, {13, 21});
    EXPECT_FALSE(Designer.Suspended());
    EXPECT_EQ(CheckedButtons(), 0);
    auto* edit = dynamic_cast<TEdit*>(Placed("edit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Placed("label1"), nullptr);
    EXPECT_EQ(edit->Parent(), &Rack);
    EXPECT_EQ(Designer.Control(), edit);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_TRUE(edit->TabStop());
    EXPECT_FALSE(edit->Ctl3D());
    EXPECT_EQ(Rack.ControlList().Names(), QStringList{"edit1"});
    EXPECT_EQ(Shell.RackProperties().CBControls()->Text(), "edit1");
}

TEST_F(ShellTest, ClickPointIsSnappedOnlyWhenSnappingIsOn) {
    Choose("Label");
    ClickOn(&Rack, {13, 21});
    EXPECT_EQ(Placed("label1")->BoundsRect().TopLeft(), (TPoint{16, 24}));
    Designer.SetSnapToGrid(false);
    Choose("Label");
    ClickOn(&Rack, {13, 61});
    EXPECT_EQ(Placed("label2")->BoundsRect().TopLeft(), (TPoint{13, 61}));
}

TEST_F(ShellTest, AnAnalogMeterIsPlacedAtTheSnappedPointAndNamedAfterItsKind) {
    TControl* meter = Place("Analog meter", {13, 21});
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->ClassName(), "TVrMeter");
    EXPECT_EQ(meter->Name(), "ameter1");
    EXPECT_EQ(meter->BoundsRect().TopLeft(), (TPoint{16, 24}));
    EXPECT_EQ(Rack.ControlList().Names(), QStringList{"ameter1"});
}

TEST_F(ShellTest, NewControlsTakeTheLowestFreeNumberAndShowTheirKindsText) {
    for (int i = 0; i < 3; ++i) {
        Choose("Label");
        ClickOn(&Rack, {8, 8 + 40 * i});
    }
    auto* label2 = dynamic_cast<TLabel*>(Placed("label2"));
    ASSERT_NE(label2, nullptr);
    EXPECT_EQ(label2->Caption(), "label2");
    EXPECT_TRUE(label2->Transparent());
    delete label2;
    Choose("Label");
    ClickOn(&Rack, {200, 8});
    ASSERT_NE(Placed("label2"), nullptr);
    EXPECT_EQ(Placed("label2")->Left(), 200);

    Choose("Memo");
    ClickOn(&Rack, {200, 100});
    auto* memo = dynamic_cast<TMemo*>(Placed("memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Lines()->Count(), 0);
    EXPECT_TRUE(memo->WantReturns());
    EXPECT_TRUE(memo->WantTabs());
    Choose("DropDown");
    ClickOn(&Rack, {300, 200});
    auto* combo = dynamic_cast<TComboBox*>(Placed("ddown1"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(combo->Style(), TComboBoxStyle::csDropDownList);
}

TEST_F(ShellTest, DisplaysArePlacedWithTheirCreationSettings) {
    auto* lcd = dynamic_cast<TLcd*>(Place("Lcd", {8, 8}));
    ASSERT_NE(lcd, nullptr);
    EXPECT_EQ(lcd->Name(), "lcd1");
    EXPECT_EQ((TPoint{lcd->Width(), lcd->Height()}), (TPoint{217, 49}));
    auto* bar = dynamic_cast<TVrProgressBar*>(Place("Level bar", {8, 80}));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Name(), "lbar1");
    EXPECT_TRUE(bar->Smooth());
    auto* num = dynamic_cast<TVrNum*>(Place("Numeric", {8, 120}));
    ASSERT_NE(num, nullptr);
    EXPECT_EQ(num->Name(), "num1");
    EXPECT_EQ(num->Style(), TVrNumStyle::ns11x20);
    EXPECT_TRUE(num->Transparent());
    // Sized to four 11 × 20 digits two pixels apart.
    EXPECT_EQ((TPoint{num->Width(), num->Height()}), (TPoint{50, 20}));
    auto* led = dynamic_cast<TVrLed*>(Place("Led", {300, 8}));
    ASSERT_NE(led, nullptr);
    EXPECT_EQ(led->Name(), "led1");
    EXPECT_TRUE(led->Transparent());
    EXPECT_EQ(Rack.ControlList().Names(), (QStringList{"lbar1", "lcd1", "led1", "num1"}));
}

TEST_F(ShellTest, ButtonKindsArePlacedWithTheirCreationSettings) {
    auto* spinner = dynamic_cast<TVrSpinner*>(Place("Spinner", {8, 8}));
    ASSERT_NE(spinner, nullptr);
    EXPECT_EQ(spinner->Name(), "spinner1");
    EXPECT_TRUE(spinner->ParentColor());
    EXPECT_EQ(spinner->Color(), Rack.Color());
    auto* button = dynamic_cast<TVrPowerButton*>(Place("Power button", {80, 8}));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Name(), "pbutton1");
    EXPECT_EQ(button->Caption(), "Power");
    EXPECT_EQ((TPoint{button->Width(), button->Height()}), (TPoint{65, 25}));
    EXPECT_TRUE(button->TabStop());
    auto* led = dynamic_cast<TVrCheckLed*>(Place("CheckLed", {200, 8}));
    ASSERT_NE(led, nullptr);
    EXPECT_EQ(led->Name(), "checkled1");
    EXPECT_EQ(led->Caption(), "");
    EXPECT_EQ(led->Parent(), &Rack);
    EXPECT_TRUE(led->TabStop());
    EXPECT_EQ((TPoint{led->CheckWidth(), led->CheckHeight()}), (TPoint{13, 13}));
    EXPECT_EQ((TPoint{led->Width(), led->Height()}), (TPoint{15, 15}));
    EXPECT_EQ(Rack.ControlList().Names(), (QStringList{"checkled1", "pbutton1", "spinner1"}));
}

TEST_F(ShellTest, PanelsAndTheMatrixArePlacedWithTheirCreationSettings) {
    auto* matrix = dynamic_cast<TVrMatrix*>(Place("Matrix led", {8, 8}));
    ASSERT_NE(matrix, nullptr);
    EXPECT_EQ(matrix->Name(), "matrix1");
    EXPECT_EQ(matrix->Bevel()->InnerWidth(), 1);
    EXPECT_EQ(matrix->Leds(), 16);
    EXPECT_EQ(matrix->LedStyle(), TVrMatrixLedStyle::ls9x13);
    EXPECT_EQ(matrix->TextStyle(), TVrMatrixTextStyle::tsAsIs);
    EXPECT_EQ(matrix->Text(), "Quorvale");
    ASSERT_NE(dynamic_cast<TVrBorder*>(Place("Border", {8, 200})), nullptr);
    ASSERT_NE(dynamic_cast<TVrGradient*>(Place("Gradient", {100, 200})), nullptr);
    EXPECT_EQ(Rack.ControlList().Names(), (QStringList{"border1", "gradient1", "matrix1"}));
}

TEST_F(ShellTest, ScopeIsPlacedStillWithOneChannelAndAOneMillisecondTimer) {
    auto* scope = dynamic_cast<TVrScope*>(Place("Scope", {8, 8}));
    ASSERT_NE(scope, nullptr);
    EXPECT_EQ(scope->Name(), "scope1");
    EXPECT_EQ((std::pair{scope->Width(), scope->Height()}), (std::pair{251, 101}));
    EXPECT_EQ((std::vector{scope->GridSize(), scope->Frequency(), scope->Interval(),
                           scope->Channels()->Count()}),
              (std::vector{10, 1, 1, 1}));
    EXPECT_FALSE(scope->Active() || scope->AnimateGrid() || scope->Timer().Enabled());
}

TEST_F(ShellTest, TrackBarAndSwitchArePlacedWithTheirCreationSettings) {
    auto* bar = dynamic_cast<TVrTrackBar*>(Place("TrackBar", {8, 8}));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Name(), "tbar1");
    EXPECT_TRUE(bar->TabStop());
    EXPECT_FALSE(bar->ParentColor());
    EXPECT_EQ(bar->Color(), clSilver);
    EXPECT_EQ(bar->BorderWidth(), 1);
    auto* selector = dynamic_cast<TVrSwitch*>(Place("Switch", {8, 80}));
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(selector->Name(), "switch1");
    EXPECT_TRUE(selector->TabStop());
    EXPECT_EQ((TPoint{selector->Width(), selector->Height()}), (TPoint{29, 50}));
    EXPECT_EQ(Rack.ControlList().Names(), (QStringList{"switch1", "tbar1"}));
}

TEST_F(ShellTest, ClickOnAControlThatTakesNoChildrenPlacesOnTheRackAtTheMappedPoint) {
    Choose("Edit");
    ClickOn(&Rack, {40, 40});
    auto* edit = dynamic_cast<TEdit*>(Placed("edit1"));
    ASSERT_NE(edit, nullptr);
    Designer.SetSnapToGrid(false);
    Choose("Label");
    ClickOn(edit, {5, 3});
    TControl* label = Placed("label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), &Rack);
    EXPECT_EQ(label->BoundsRect().TopLeft(), (TPoint{edit->Left() + 5, edit->Top() + 3}));
}

TEST_F(ShellTest, ClicksElsewhereKeepPlacing) {
    Choose("Label");
    ClickOn(Palette.PropertiesToolbar(), {2, 2});
    EXPECT_TRUE(Designer.Suspended());
    EXPECT_TRUE(Palette.ControlButton(4)->Down());
    ClickOn(&Rack, {50, 50});
    EXPECT_FALSE(Designer.Suspended());
    EXPECT_EQ(CheckedButtons(), 0);
    EXPECT_EQ(Rack.ControlList().Names(), QStringList{"label1"});
}

TEST_F(ShellTest, EveryPaletteButtonPlacesAControlOfItsKind) {
    for (int kind = 0; kind < kControlKindCount; ++kind) {
        const TControlKind& entry = *FindControlKind(kind);
        SCOPED_TRACE(entry.Caption.toStdString());
        TControl* placed = Place(entry.Caption.toLatin1().constData(), {8, 8});
        ASSERT_NE(placed, nullptr);
        EXPECT_EQ(placed->ClassName(), entry.ClassName);
        delete placed;
    }
}

TEST_F(ShellTest, SelectionDependentCommandsFollowTheSelection) {
    const auto enabled = [&] {
        return std::vector<bool>{
            Palette.Button(u"sbtProperties")->Enabled(), Palette.Button(u"sbtDelete")->Enabled(),
            Palette.Button(u"sbtAlignToGrid")->Enabled(), Palette.MenuItem(u"mniDelete")->Enabled(),
            Palette.MenuItem(u"mniAlignToGrid")->Enabled()};
    };
    EXPECT_EQ(enabled(), std::vector<bool>(5, false));
    Choose("Label");
    ClickOn(&Rack, {16, 16});
    EXPECT_EQ(enabled(), std::vector<bool>(5, true));
    EXPECT_TRUE(Palette.MenuItem(u"Properties1")->Enabled());
    Choose("Label");
    ClickOn(&Rack, {16, 80});
    EXPECT_EQ(Rack.ControlList().Text(), "label2");
    Designer.SetControl(Placed("label1"));
    EXPECT_EQ(Rack.ControlList().Text(), "label1");
    Designer.SetControl(nullptr);
    EXPECT_EQ(enabled(), std::vector<bool>(5, false));
    EXPECT_TRUE(Palette.MenuItem(u"mniSendToBack")->Enabled());
}

}  // namespace
}  // namespace mox
