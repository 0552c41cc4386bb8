#include "propsheets/matrixsheet.h"

#include "instruments/output/vrmatrix.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

const QString kLedsKey = QStringLiteral("Leds");
const QString kTextKey = QStringLiteral("Text");

}  // namespace

TSheetDefinition MatrixSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(IntegerRow<TVrMatrix>(kLedsKey, &TVrMatrix::Leds, &TVrMatrix::SetLeds));
    sheet.Rows.push_back(TextRow(
        kTextKey, [](const TControl& c) { return SheetControl<TVrMatrix>(c).Text(); },
        [](TControl& c, const QString& text) { SheetControl<TVrMatrix>(c).SetText(text); }));
    for (TSheetRow& row : PaletteRows<TVrMatrix>())
        sheet.Rows.push_back(std::move(row));
    sheet.ApplyOrder = {kTextKey, kLedsKey};
    // A new number of cells resizes the matrix: the grab handles follow it.
    sheet.ReselectAfterApply = true;
    return sheet;
}

}  // namespace mox
