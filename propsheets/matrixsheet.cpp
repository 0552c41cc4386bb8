#include "propsheets/matrixsheet.h"

#include "instruments/output/vrmatrix.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

const QString kLedsKey = QStringLiteral("Leds");
const QString kTextKey = QStringLiteral("Text");

// The palette is a nested object of the matrix: its rows reach through it.
TSheetRow PaletteRow(QString key, TColor (TVrPalette::*get)() const,
                     void (TVrPalette::*set)(TColor)) {
    return ColorRow(
        std::move(key),
        [get](const TControl& c) { return (SheetControl<TVrMatrix>(c).Palette()->*get)(); },
        [set](TControl& c, TColor color) { (SheetControl<TVrMatrix>(c).Palette()->*set)(color); });
}

}  // namespace

TSheetDefinition MatrixSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(IntegerRow<TVrMatrix>(kLedsKey, &TVrMatrix::Leds, &TVrMatrix::SetLeds));
    sheet.Rows.push_back(TextRow(
        kTextKey, [](const TControl& c) { return SheetControl<TVrMatrix>(c).Text(); },
        [](TControl& c, const QString& text) { SheetControl<TVrMatrix>(c).SetText(text); }));
    sheet.Rows.push_back(
        PaletteRow(QStringLiteral("Low color"), &TVrPalette::Low, &TVrPalette::SetLow));
    sheet.Rows.push_back(
        PaletteRow(QStringLiteral("High color"), &TVrPalette::High, &TVrPalette::SetHigh));
    sheet.ApplyOrder = {kTextKey, kLedsKey};
    // A new number of cells resizes the matrix: the grab handles follow it.
    sheet.ReselectAfterApply = true;
    return sheet;
}

}  // namespace mox
