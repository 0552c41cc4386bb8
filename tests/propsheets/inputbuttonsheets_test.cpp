// The sheets of the check LED, the power button and the spinner: their rows, what Apply sets and
// in which order, the dialog rows, and the spinner's pick list of the rack's numeric displays.
#include "propsheets/inputbuttonsheets.h"

#include "instruments/input/vrcheckled.h"
#include "instruments/input/vrpowerbutton.h"
#include "instruments/input/vrspinner.h"
#include "instruments/output/vrnum.h"
#include "support/commandtesting.h"
#include "toolkit/stdctrls/panel.h"

namespace mox {
namespace {

struct InputButtonSheetTest : test::CommandsFixture {
    TComponent Windows{nullptr};

    TPropertySheet* MakeSheet(TSheetDefinition definition) {
        return new TPropertySheet(&Windows, {Palette, Rack, Designer}, QStringLiteral("Frm"),
                                  QStringLiteral("Sheet"), std::move(definition));
    }
    template <class C>
    C* Add(const char* name, TWinControl* parent = nullptr) {
        auto* control = new C(&Rack);
        control->SetName(QString::fromLatin1(name));
        control->SetParent(parent ? parent : &Rack);
        return control;
    }
};

TEST_F(InputButtonSheetTest, ApplyOrdersNameRowsOfTheirSheets) {
    for (const TSheetDefinition& sheet : {CheckLedSheet(), PowerButtonSheet(), SpinnerSheet()})
        for (const QString& key : sheet.ApplyOrder) {
            SCOPED_TRACE(key.toStdString());
            EXPECT_EQ(std::count_if(sheet.Rows.begin(), sheet.Rows.end(),
                                    [&](const TSheetRow& row) { return row.Key == key; }),
                      1);
        }
}

TEST_F(InputButtonSheetTest, CheckLedSheetRenamesAndSetsItsColours) {
    auto* led = Add<TVrCheckLed>("checkled1");
    TPropertySheet* sheet = MakeSheet(CheckLedSheet());
    sheet->Fill(*led);
    EXPECT_EQ(SheetRows(*sheet), (QStringList{"Name=checkled1", "Low color=Click to change",
                                              "High color=Click to change"}));
    ExpectPaletteRowsSetOnOkOnly(*sheet, *led->Palette(), 1);
    sheet->Grid()->SetValue(0, QStringLiteral("ready"));
    EXPECT_TRUE(ApplyShowing(*sheet).isEmpty());
    EXPECT_EQ(led->Name(), "ready");
}

TEST_F(InputButtonSheetTest, PowerButtonSheetSetsTheTextAfterTheName) {
    auto* button = Add<TVrPowerButton>("pbutton1");
    button->SetCaption(QStringLiteral("Power"));
    TPropertySheet* sheet = MakeSheet(PowerButtonSheet());
    sheet->Fill(*button);
    EXPECT_EQ(SheetRows(*sheet),
              (QStringList{"Name=pbutton1", "Text=Power", "Font=Click to change",
                           "Button color=Click to change", "Low color=Click to change",
                           "High color=Click to change"}));
    ExpectPaletteRowsSetOnOkOnly(*sheet, *button->Palette(), 4);
    Dialogs.AnswerColor(clTeal);
    sheet->Grid()->SetRow(3);
    sheet->EditCurrentRow();
    EXPECT_EQ(button->Color(), clTeal);
    Dialogs.AnswerFont([](TFont& font) { font.SetSize(14); });
    sheet->Grid()->SetRow(2);
    sheet->EditCurrentRow();
    EXPECT_EQ(button->Font()->Size(), 14);

    // The caption follows a rename only while it equals the name; the typed text wins after it.
    button->SetCaption(QStringLiteral("pbutton1"));
    sheet->Fill(*button);
    sheet->Grid()->SetValue(0, QStringLiteral("mains"));
    sheet->Grid()->SetValue(1, QStringLiteral("&Mains"));
    EXPECT_TRUE(ApplyShowing(*sheet).isEmpty());
    EXPECT_EQ(button->Name(), "mains");
    EXPECT_EQ(button->Caption(), "&Mains");
    // A bad name stops Apply before the text.
    sheet->Grid()->SetValue(0, QStringLiteral("1st"));
    sheet->Grid()->SetValue(1, QStringLiteral("Other"));
    EXPECT_EQ(ApplyShowing(*sheet), (QStringList{"Please check properties !"}));
    EXPECT_EQ(button->Caption(), "&Mains");
}

TEST_F(InputButtonSheetTest, SpinnerSheetListsOnlyTheRacksOwnNumericDisplays) {
    Add<TVrNum>("num1");
    auto* panel = Add<TPanel>("panel1");
    Add<TVrNum>("inner", panel);
    auto* spinner = Add<TVrSpinner>("spinner1");
    Add<TVrNum>("num2");
    TPropertySheet* sheet = MakeSheet(SpinnerSheet());
    sheet->Fill(*spinner);
    EXPECT_EQ(SheetRows(*sheet), (QStringList{"Name=spinner1", "Color=Click to change",
                                              "Assigned num=Click to change"}));
    const TItemProp* pick = sheet->Grid()->ItemProps(2);
    QStringList entries;
    for (int i = 0; i < pick->PickList()->Count(); ++i)
        entries << pick->PickList()->Strings(i);
    EXPECT_EQ(entries, (QStringList{"num1", "num2"}));

    sheet->Grid()->SetValue(2, QStringLiteral("num2"));
    EXPECT_TRUE(ApplyShowing(*sheet).isEmpty());
    EXPECT_EQ(spinner->Hint(), "num2");
    sheet->Fill(*spinner);
    EXPECT_EQ(sheet->Grid()->Value(2), "num2");
}

TEST_F(InputButtonSheetTest, SpinnerNamingARemovedDisplayShowsClickToChangeAndKeepsIt) {
    auto* num = Add<TVrNum>("num1");
    auto* spinner = Add<TVrSpinner>("spinner1");
    spinner->SetHint(QStringLiteral("num1"));
    delete num;
    TPropertySheet* sheet = MakeSheet(SpinnerSheet());
    sheet->Fill(*spinner);
    EXPECT_EQ(sheet->Grid()->Value(2), "Click to change");
    // Applying the untouched row leaves the Hint as it was rather than naming "Click to change".
    EXPECT_TRUE(ApplyShowing(*sheet).isEmpty());
    EXPECT_EQ(spinner->Hint(), "num1");
}

TEST_F(InputButtonSheetTest, SpinnerColourRowSetsTheLitColourOfBothArrows) {
    auto* spinner = Add<TVrSpinner>("spinner1");
    TPropertySheet* sheet = MakeSheet(SpinnerSheet());
    sheet->Fill(*spinner);
    Dialogs.AnswerColor(clRed);
    sheet->Grid()->SetRow(1);
    sheet->EditCurrentRow();
    EXPECT_EQ(spinner->Palette()->High(), clRed);
    EXPECT_EQ(spinner->SecondButton()->Palette()->High(), clRed);
}

}  // namespace
}  // namespace mox
