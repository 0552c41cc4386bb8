#include "propsheets/ledsheet.h"

#include "instruments/output/vrled.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

const QString kTypeKey = QStringLiteral("Type");

// The palette is a nested object of the LED: its rows reach through it.
TSheetRow PaletteRow(QString key, TColor (TVrPalette::*get)() const,
                     void (TVrPalette::*set)(TColor)) {
    return ColorRow(
        std::move(key),
        [get](const TControl& c) { return (SheetControl<TVrLed>(c).Palette()->*get)(); },
        [set](TControl& c, TColor color) { (SheetControl<TVrLed>(c).Palette()->*set)(color); });
}

}  // namespace

TSheetDefinition LedSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(
        PaletteRow(QStringLiteral("Low color"), &TVrPalette::Low, &TVrPalette::SetLow));
    sheet.Rows.push_back(
        PaletteRow(QStringLiteral("High color"), &TVrPalette::High, &TVrPalette::SetHigh));
    // A custom lamp has no entry: the row shows "Click to change" and Apply leaves it alone.
    sheet.Rows.push_back(
        PickRow<TVrLed, TVrLedType>(kTypeKey,
                                    {{QStringLiteral("Round"), TVrLedType::ltRounded},
                                     {QStringLiteral("Rectangle"), TVrLedType::ltRectangle},
                                     {QStringLiteral("Large rectangle"), TVrLedType::ltLargeRect}},
                                    &TVrLed::LedType, &TVrLed::SetLedType));
    sheet.ApplyOrder = {kTypeKey};
    // A new lamp changes the control's look; the handles are put back around it, also when
    // Apply failed half-way.
    sheet.ReselectAfterApply = true;
    return sheet;
}

}  // namespace mox
