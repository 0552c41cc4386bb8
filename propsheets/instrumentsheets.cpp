#include "propsheets/instrumentsheets.h"

#include "instruments/input/vrslider.h"
#include "instruments/output/vrmeter.h"
#include "propsheets/numbertext.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

// The scale is a nested object of the meter: its rows reach through it.
TSheetRow ScaleIntegerRow(QString key, int (TVrMeterScale::*get)() const,
                          void (TVrMeterScale::*set)(int)) {
    return TextRow(
        std::move(key),
        [get](const TControl& c) {
            return QString::number((SheetControl<TVrMeter>(c).Scale()->*get)());
        },
        [set](TControl& c, const QString& text) {
            (SheetControl<TVrMeter>(c).Scale()->*set)(StrToIntStrict(text));
        });
}

TSheetRow ScaleColorRow(QString key, TColor (TVrMeterScale::*get)() const,
                        void (TVrMeterScale::*set)(TColor)) {
    return ColorRow(
        std::move(key),
        [get](const TControl& c) { return (SheetControl<TVrMeter>(c).Scale()->*get)(); },
        [set](TControl& c, TColor color) { (SheetControl<TVrMeter>(c).Scale()->*set)(color); });
}

}  // namespace

TSheetDefinition AnalogMeterSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(TextRow(
        QStringLiteral("Caption"), [](const TControl& c) { return c.Caption(); },
        [](TControl& c, const QString& text) { c.SetCaption(text); }));
    sheet.Rows.push_back(
        FontRow(QStringLiteral("Font"), [](const TControl& c) { return c.Font(); }));
    sheet.Rows.push_back(ScaleColorRow(QStringLiteral("Scale color1"), &TVrMeterScale::Color1,
                                       &TVrMeterScale::SetColor1));
    sheet.Rows.push_back(ScaleColorRow(QStringLiteral("Scale color2"), &TVrMeterScale::Color2,
                                       &TVrMeterScale::SetColor2));
    sheet.Rows.push_back(ScaleColorRow(QStringLiteral("Scale color3"), &TVrMeterScale::Color3,
                                       &TVrMeterScale::SetColor3));
    sheet.Rows.push_back(ScaleIntegerRow(QStringLiteral("Percent1"), &TVrMeterScale::Percent1,
                                         &TVrMeterScale::SetPercent1));
    sheet.Rows.push_back(ScaleIntegerRow(QStringLiteral("Percent2"), &TVrMeterScale::Percent2,
                                         &TVrMeterScale::SetPercent2));
    sheet.Rows.push_back(
        IntegerRow<TVrMeter>(QStringLiteral("Labels"), &TVrMeter::Labels, &TVrMeter::SetLabels));
    sheet.Rows.push_back(
        ScaleIntegerRow(QStringLiteral("Ticks"), &TVrMeterScale::Ticks, &TVrMeterScale::SetTicks));
    sheet.Rows.push_back(IntegerRow<TVrMeter>(QStringLiteral("Min value"), &TVrMeter::MinValue,
                                              &TVrMeter::SetMinValue));
    sheet.Rows.push_back(IntegerRow<TVrMeter>(QStringLiteral("Max value"), &TVrMeter::MaxValue,
                                              &TVrMeter::SetMaxValue));
    sheet.Rows.push_back(ColorRow(
        QStringLiteral("Background color"), [](const TControl& c) { return c.Color(); },
        [](TControl& c, TColor color) { c.SetColor(color); }));
    sheet.ApplyOrder = {QStringLiteral("Max value"), QStringLiteral("Min value"),
                        QStringLiteral("Labels"),    QStringLiteral("Caption"),
                        QStringLiteral("Percent1"),  QStringLiteral("Percent2"),
                        QStringLiteral("Ticks")};
    return sheet;
}

TSheetDefinition SliderSheet() {
    TSheetDefinition sheet;
    sheet.Rows.push_back(IntegerRow<TVrSlider>(QStringLiteral("Min value"), &TVrSlider::MinValue,
                                               &TVrSlider::SetMinValue));
    sheet.Rows.push_back(IntegerRow<TVrSlider>(QStringLiteral("Max value"), &TVrSlider::MaxValue,
                                               &TVrSlider::SetMaxValue));
    sheet.Rows.push_back(PickRow<TVrSlider, TVrOrientation>(
        QStringLiteral("Direction"),
        {{QStringLiteral("Horizontal"), TVrOrientation::voHorizontal},
         {QStringLiteral("Vertical"), TVrOrientation::voVertical}},
        &TVrSlider::Orientation, &TVrSlider::SetOrientation));
    for (TSheetRow& row : PaletteRows<TVrSlider>())
        sheet.Rows.push_back(std::move(row));
    sheet.ApplyOrder = {QStringLiteral("Max value"), QStringLiteral("Min value"),
                        QStringLiteral("Direction")};
    return sheet;
}

}  // namespace mox
