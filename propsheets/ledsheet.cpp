#include "propsheets/ledsheet.h"

#include "instruments/output/vrled.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

const QString kTypeKey = QStringLiteral("Type");

}  // namespace

TSheetDefinition LedSheet() {
    TSheetDefinition sheet;
    for (TSheetRow& row : PaletteRows<TVrLed>())
        sheet.Rows.push_back(std::move(row));
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
