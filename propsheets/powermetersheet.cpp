#include "propsheets/powermetersheet.h"

#include <memory>

#include "instruments/output/vrpowermeter.h"
#include "propsheets/numbertext.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

using TMeter = TVrPowerMeter;

const QString kMinKey = QStringLiteral("Min value");
const QString kMaxKey = QStringLiteral("Max value");
const QString kIncrementKey = QStringLiteral("Tick increment");
const QString kBarWidthKey = QStringLiteral("Bar width");
const QString kValueKey = QStringLiteral("Value");

// The floating values show in general format; Apply takes whole numbers only.
QString Shown(double value) {
    return QString::number(value, 'g', 15);
}

int PositiveInteger(const QString& text) {
    const int value = StrToIntStrict(text);
    if (value <= 0) throw EConvertError(QStringLiteral("'%1' is not a positive number").arg(text));
    return value;
}

TSheetRow FloatRow(const QString& key, double (TMeter::*get)() const,
                   std::function<void(TMeter&, const QString&)> write) {
    return TextRow(
        key, [get](const TControl& c) { return Shown((SheetControl<TMeter>(c).*get)()); },
        [write = std::move(write)](TControl& c, const QString& text) {
            write(SheetControl<TMeter>(c), text);
        });
}

TSheetRow MeterColorRow(QString key, TColor (TMeter::*get)() const, void (TMeter::*set)(TColor)) {
    return ColorRow(
        std::move(key), [get](const TControl& c) { return (SheetControl<TMeter>(c).*get)(); },
        [set](TControl& c, TColor color) { (SheetControl<TMeter>(c).*set)(color); });
}

}  // namespace

TSheetDefinition PowerMeterSheet() {
    TSheetDefinition sheet;
    // The two bounds are set together when the maximum's row is applied, so that a range may
    // move past the current value; a crossed range fails there and leaves both as they were.
    auto typedMin = std::make_shared<double>(0.0);
    sheet.Rows.push_back(
        FloatRow(kMinKey, &TMeter::MinValue,
                 [typedMin](TMeter&, const QString& text) { *typedMin = StrToIntStrict(text); }));
    sheet.Rows.push_back(
        FloatRow(kMaxKey, &TMeter::MaxValue, [typedMin](TMeter& m, const QString& text) {
            m.SetRange(*typedMin, StrToIntStrict(text));
        }));
    // A step or width the meter would ignore is reported rather than dropped.
    sheet.Rows.push_back(
        FloatRow(kIncrementKey, &TMeter::Increment,
                 [](TMeter& m, const QString& text) { m.SetIncrement(PositiveInteger(text)); }));
    sheet.Rows.push_back(TextRow(
        kBarWidthKey,
        [](const TControl& c) { return QString::number(SheetControl<TMeter>(c).BarWidth()); },
        [](TControl& c, const QString& text) {
            SheetControl<TMeter>(c).SetBarWidth(PositiveInteger(text));
        }));
    sheet.Rows.push_back(FloatRow(kValueKey, &TMeter::Value, [](TMeter& m, const QString& text) {
        m.SetValue(StrToIntStrict(text));
    }));
    sheet.Rows.push_back(
        MeterColorRow(QStringLiteral("Bar color"), &TMeter::BarColor, &TMeter::SetBarColor));
    sheet.Rows.push_back(
        MeterColorRow(QStringLiteral("Fill color"), &TMeter::FillColor, &TMeter::SetFillColor));
    sheet.Rows.push_back(MeterColorRow(QStringLiteral("Highlight color"), &TMeter::ColorHighlight,
                                       &TMeter::SetColorHighlight));
    sheet.Rows.push_back(MeterColorRow(QStringLiteral("Shadow color"), &TMeter::ColorShadow,
                                       &TMeter::SetColorShadow));
    sheet.ApplyOrder = {kMinKey, kMaxKey, kIncrementKey, kBarWidthKey, kValueKey};
    return sheet;
}

}  // namespace mox
