#include "propsheets/inputbuttonsheets.h"

#include "instruments/input/vrcheckled.h"
#include "instruments/input/vrpowerbutton.h"
#include "instruments/input/vrspinner.h"
#include "instruments/output/vrnum.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

const QString kAssignedKey = QStringLiteral("Assigned num");
const QString kTextKey = QStringLiteral("Text");

// The names of the rack's own numeric displays, in child order.
QStringList NumericDisplaysOf(const TCustomForm& rack) {
    QStringList names;
    for (int i = 0; i < rack.ControlCount(); ++i)
        if (rack.Controls(i)->ClassName() == TVrNum::StaticClass().ClassName())
            names << rack.Controls(i)->Name();
    return names;
}

}  // namespace

TSheetDefinition CheckLedSheet() {
    TSheetDefinition sheet;
    for (TSheetRow& row : PaletteRows<TVrCheckLed>())
        sheet.Rows.push_back(std::move(row));
    return sheet;
}

TSheetDefinition PowerButtonSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(TextRow(
        kTextKey, [](const TControl& c) { return SheetControl<TVrPowerButton>(c).Caption(); },
        [](TControl& c, const QString& text) {
            SheetControl<TVrPowerButton>(c).SetCaption(text);
        }));
    sheet.Rows.push_back(FontRow(QStringLiteral("Font"), [](const TControl& c) {
        return SheetControl<TVrPowerButton>(c).Font();
    }));
    sheet.Rows.push_back(ColorRow(
        QStringLiteral("Button color"),
        [](const TControl& c) { return SheetControl<TVrPowerButton>(c).Color(); },
        [](TControl& c, TColor color) { SheetControl<TVrPowerButton>(c).SetColor(color); }));
    for (TSheetRow& row : PaletteRows<TVrPowerButton>())
        sheet.Rows.push_back(std::move(row));
    sheet.ApplyOrder = {kTextKey};
    return sheet;
}

TSheetDefinition SpinnerSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(ColorRow(
        QStringLiteral("Color"),
        [](const TControl& c) { return SheetControl<TVrSpinner>(c).Palette()->High(); },
        [](TControl& c, TColor color) { SheetControl<TVrSpinner>(c).Palette()->SetHigh(color); }));
    TSheetRow assigned;
    assigned.Key = kAssignedKey;
    assigned.Kind = TSheetRowKind::Pick;
    assigned.EntriesOf = NumericDisplaysOf;
    assigned.Read = [](const TControl& c) { return SheetControl<TVrSpinner>(c).Hint(); };
    assigned.Write = [](TControl& c, const QString& text) {
        SheetControl<TVrSpinner>(c).SetHint(text);
    };
    sheet.Rows.push_back(std::move(assigned));
    sheet.ApplyOrder = {kAssignedKey};
    sheet.AfterApply = [](TControl& c) { c.Repaint(); };
    return sheet;
}

}  // namespace mox
