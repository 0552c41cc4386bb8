#include "propsheets/numericsheet.h"

#include "instruments/output/vrnum.h"
#include "propsheets/numbertext.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

using TNum = TVrNum;

const QString kDigitsKey = QStringLiteral("Digits");
const QString kMinKey = QStringLiteral("Min value");
const QString kMaxKey = QStringLiteral("Max value");

// A count the display would pull into its range is reported rather than changed silently.
int DigitCount(const QString& text) {
    const int value = StrToIntStrict(text);
    if (value < kNumMinDigits || value > kNumMaxDigits)
        throw EConvertError(QStringLiteral("'%1' is not between %2 and %3")
                                .arg(text)
                                .arg(kNumMinDigits)
                                .arg(kNumMaxDigits));
    return value;
}

}  // namespace

TSheetDefinition NumericSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(TextRow(
        kDigitsKey,
        [](const TControl& c) { return QString::number(SheetControl<TNum>(c).Digits()); },
        [](TControl& c, const QString& text) {
            SheetControl<TNum>(c).SetDigits(DigitCount(text));
        }));
    for (TSheetRow& row : RangeRows<TNum>(&TNum::Min, &TNum::Max))
        sheet.Rows.push_back(std::move(row));
    for (TSheetRow& row : PaletteRows<TNum>())
        sheet.Rows.push_back(std::move(row));
    sheet.ApplyOrder = {kMaxKey, kMinKey, kDigitsKey};
    // A new digit count resizes an auto-sized display: the grab handles follow.
    sheet.ReselectAfterApply = true;
    return sheet;
}

}  // namespace mox
