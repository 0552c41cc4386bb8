// The LED's property sheet: what it shows, the lamp type it applies, the colour dialogs that
// recolour the lamp at once, and the selection put back after every Apply.
#include "propsheets/ledsheet.h"

#include "instruments/output/vrled.h"
#include "support/canvastesting.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

struct LedSheetTest : test::CommandsFixture {
    TComponent Windows{nullptr};
    TPropertySheet* Sheet =
        new TPropertySheet(&Windows, {Palette, Rack, Designer}, QStringLiteral("FrmLed"),
                           QStringLiteral("Led"), LedSheet());
    TVrLed* Led = AddLed("led1");

    TVrLed* AddLed(const char* name) {
        auto* led = new TVrLed(&Rack);
        led->SetName(QString::fromLatin1(name));
        led->SetParent(&Rack);
        return led;
    }
    TValueListEditor& Grid() const { return *Sheet->Grid(); }
    QStringList Rows() const { return SheetRows(*Sheet); }
    // Types the name and the type and applies; returns the messages Apply showed.
    QStringList Apply(const QString& name, const QString& type) {
        Grid().SetValue(0, name);
        Grid().SetValue(3, type);
        return ApplyShowing(*Sheet);
    }
};

TEST_F(LedSheetTest, ApplyOrderNamesRowsOfTheSheet) {
    const TSheetDefinition sheet = LedSheet();
    for (const QString& key : sheet.ApplyOrder) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(std::count_if(sheet.Rows.begin(), sheet.Rows.end(),
                                [&](const TSheetRow& row) { return row.Key == key; }),
                  1);
    }
}

TEST_F(LedSheetTest, ShowsTheTypeOrClickToChangeForACustomLamp) {
    Sheet->Fill(*Led);
    EXPECT_EQ(Rows(), (QStringList{"Name=led1", "Low color=Click to change",
                                   "High color=Click to change", "Type=Round"}));
    EXPECT_EQ(Grid().ItemProps(3)->PickList()->Count(), 3);
    Led->SetLedType(TVrLedType::ltLargeRect);
    Sheet->Fill(*Led);
    EXPECT_EQ(Grid().Value(3), "Large rectangle");
    Led->SetLedType(TVrLedType::ltCustom);
    Sheet->Fill(*Led);
    EXPECT_EQ(Grid().Value(3), "Click to change");
}

// Only a listed entry sets the type; anything else, a custom lamp's "Click to change" included,
// leaves it. After every Apply, failed or not, the LED is the selected control again.
TEST_F(LedSheetTest, ApplySetsTheListedTypesAndSelectsTheLedAgain) {
    AddLed("led2");
    struct Row {
        const char* Name;
        const char* NewName;
        const char* Type;
        TVrLedType Expected;
        const char* ExpectedName;
        QStringList Messages;
    };
    const Row rows[] = {
        {"rectangle", "led1", "Rectangle", TVrLedType::ltRectangle, "led1", {}},
        {"large rectangle and a new name",
         "status",
         "Large rectangle",
         TVrLedType::ltLargeRect,
         "status",
         {}},
        {"round", "status", "Round", TVrLedType::ltRounded, "status", {}},
        {"an entry in other case", "status", "rectangle", TVrLedType::ltRounded, "status", {}},
        {"click to change", "status", "Click to change", TVrLedType::ltRounded, "status", {}},
        {"a taken name stops before the type",
         "LED2",
         "Rectangle",
         TVrLedType::ltRounded,
         "status",
         {"Please check properties !"}},
        {"a bad name",
         "1st",
         "Large rectangle",
         TVrLedType::ltRounded,
         "status",
         {"Please check properties !"}},
    };
    Sheet->Fill(*Led);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Designer.SetControl(nullptr);
        EXPECT_EQ(Apply(QString::fromLatin1(row.NewName), QString::fromLatin1(row.Type)),
                  row.Messages);
        EXPECT_EQ(Led->LedType(), row.Expected);
        EXPECT_EQ(Led->Name(), row.ExpectedName);
        EXPECT_EQ(Designer.Control(), Led);
    }
}

TEST_F(LedSheetTest, ColourRowsRecolourTheLampOnOkOnly) {
    Sheet->Fill(*Led);
    ExpectPaletteRowsSetOnOkOnly(*Sheet, *Led->Palette(), 1, [&] {
        EXPECT_GT(canvastesting::CountPixels(Led->Lamp(), clOlive), 0);
    });
}

}  // namespace
}  // namespace mox
