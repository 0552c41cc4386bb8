#include "propsheets/numericsheet.h"

#include <memory>

#include "instruments/output/vrnum.h"
#include "propsheets/numbertext.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

using TNum = TVrNum;

const QString kDigitsKey = QStringLiteral("Digits");
const QString kMinKey = QStringLiteral("Min value");
const QString kMaxKey = QStringLiteral("Max value");

TSheetRow NumTextRow(const QString& key, int (TNum::*get)() const,
                     std::function<void(TNum&, const QString&)> write) {
    return TextRow(
        key, [get](const TControl& c) { return QString::number((SheetControl<TNum>(c).*get)()); },
        [write = std::move(write)](TControl& c, const QString& text) {
            write(SheetControl<TNum>(c), text);
        });
}

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

TSheetRow PaletteRow(QString key, bool high) {
    return ColorRow(
        std::move(key),
        [high](const TControl& c) {
            const TVrPalette* p = SheetControl<TNum>(c).Palette();
            return high ? p->High() : p->Low();
        },
        [high](TControl& c, TColor color) {
            TVrPalette* p = SheetControl<TNum>(c).Palette();
            high ? p->SetHigh(color) : p->SetLow(color);
        });
}

}  // namespace

TSheetDefinition NumericSheet() {
    TSheetDefinition sheet;
    // The two limits are set together when the minimum's row is applied (after the maximum's),
    // so that a range may move past the current one; a crossed range fails there and leaves
    // both as they were instead of keeping one half.
    auto typedMax = std::make_shared<int>(0);
    sheet.Rows.push_back(NumTextRow(kDigitsKey, &TNum::Digits, [](TNum& n, const QString& text) {
        n.SetDigits(DigitCount(text));
    }));
    sheet.Rows.push_back(NumTextRow(kMinKey, &TNum::Min, [typedMax](TNum& n, const QString& text) {
        n.SetRange(StrToIntStrict(text), *typedMax);
    }));
    sheet.Rows.push_back(NumTextRow(kMaxKey, &TNum::Max, [typedMax](TNum&, const QString& text) {
        *typedMax = StrToIntStrict(text);
    }));
    sheet.Rows.push_back(PaletteRow(QStringLiteral("Low color"), false));
    sheet.Rows.push_back(PaletteRow(QStringLiteral("High color"), true));
    sheet.ApplyOrder = {kMaxKey, kMinKey, kDigitsKey};
    // A new digit count resizes an auto-sized display: the grab handles follow.
    sheet.ReselectAfterApply = true;
    return sheet;
}

}  // namespace mox
