#include "propsheets/angularmetersheet.h"

#include "instruments/output/vrangularmeter.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

using M = TVrAngularMeter;

TSheetRow FloatRow(QString key, double (M::*get)() const, void (M::*set)(double)) {
    return TextRow(
        std::move(key),
        [get](const TControl& c) { return FloatToText((SheetControl<M>(c).*get)()); },
        [set](TControl& c, const QString& text) {
            (SheetControl<M>(c).*set)(StrToFloatStrict(text));
        });
}

TSheetRow MeterColorRow(QString key, TColor (M::*get)() const, void (M::*set)(TColor)) {
    return ColorRow(
        std::move(key), [get](const TControl& c) { return (SheetControl<M>(c).*get)(); },
        [set](TControl& c, TColor color) { (SheetControl<M>(c).*set)(color); });
}

}  // namespace

TSheetDefinition AngularMeterSheet() {
    TSheetDefinition sheet;
    sheet.DialogText = QStringLiteral("Click to set");
    sheet.Rows.push_back(TextRow(
        QStringLiteral("Caption"), [](const TControl& c) { return c.Caption(); },
        [](TControl& c, const QString& text) { c.SetCaption(text); }));
    sheet.Rows.push_back(
        FontRow(QStringLiteral("Caption font"), [](const TControl& c) { return c.Font(); }));
    // The range is checked as a whole before Apply sets anything (below). A minimum above the
    // old maximum then lifts the maximum with it, and the "Max value" row, set next, puts the
    // typed maximum in place: a range moves up or down in one Apply.
    sheet.Rows.push_back(TextRow(
        QStringLiteral("Min value"),
        [](const TControl& c) { return FloatToText(SheetControl<M>(c).MinValue()); },
        [](TControl& c, const QString& text) {
            M& meter = SheetControl<M>(c);
            const double value = StrToFloatStrict(text);
            if (value > meter.MaxValue()) meter.SetMaxValue(value);
            meter.SetMinValue(value);
        }));
    sheet.Rows.push_back(FloatRow(QStringLiteral("Max value"), &M::MaxValue, &M::SetMaxValue));
    sheet.Rows.push_back(IntegerRow<M>(QStringLiteral("Angle"), &M::Angle, &M::SetAngle));
    sheet.Rows.push_back(
        IntegerRow<M>(QStringLiteral("Angle offset"), &M::AngleOffset, &M::SetAngleOffset));
    sheet.Rows.push_back(
        MeterColorRow(QStringLiteral("Color zone1"), &M::ColorZone1, &M::SetColorZone1));
    sheet.Rows.push_back(
        MeterColorRow(QStringLiteral("Color zone2"), &M::ColorZone2, &M::SetColorZone2));
    sheet.Rows.push_back(
        MeterColorRow(QStringLiteral("Color zone3"), &M::ColorZone3, &M::SetColorZone3));
    sheet.Rows.push_back(IntegerRow<M>(QStringLiteral("Percent1"), &M::Percent1, &M::SetPercent1));
    sheet.Rows.push_back(IntegerRow<M>(QStringLiteral("Percent2"), &M::Percent2, &M::SetPercent2));
    sheet.Rows.push_back(MeterColorRow(QStringLiteral("Center dot color"), &M::CenterDotColor,
                                       &M::SetCenterDotColor));
    sheet.Rows.push_back(IntegerRow<M>(QStringLiteral("Center dot width"), &M::CenterDotWidth,
                                       &M::SetCenterDotWidth));
    sheet.Rows.push_back(IntegerRow<M>(QStringLiteral("Needle base width"), &M::NeedleBaseWidth,
                                       &M::SetNeedleBaseWidth));
    sheet.Rows.push_back(
        MeterColorRow(QStringLiteral("Needle color"), &M::NeedleColor, &M::SetNeedleColor));
    sheet.Rows.push_back(IntegerRow<M>(QStringLiteral("Labels number"), &M::Labels, &M::SetLabels));
    sheet.Rows.push_back(FontRow(QStringLiteral("Labels font"), [](const TControl& c) {
        return SheetControl<M>(c).LabelsFont();
    }));
    sheet.Rows.push_back(
        IntegerRow<M>(QStringLiteral("Labels offset"), &M::LabelsOffset, &M::SetLabelsOffset));
    sheet.CheckBeforeApply = [](const std::function<QString(const QString&)>& textOf) {
        const double minValue = StrToFloatStrict(textOf(QStringLiteral("Min value")));
        const double maxValue = StrToFloatStrict(textOf(QStringLiteral("Max value")));
        return maxValue > minValue ? QString() : QStringLiteral("Please check Min, Max values !");
    };
    return sheet;
}

}  // namespace mox
