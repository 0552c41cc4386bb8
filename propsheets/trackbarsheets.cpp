#include "propsheets/trackbarsheets.h"

#include "instruments/input/vrswitch.h"
#include "instruments/input/vrtrackbar.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

const QString kPositionsKey = QStringLiteral("Positions");
const QString kDirectionKey = QStringLiteral("Direction");

template <class C>
TSheetRow DirectionRow() {
    return PickRow<C, TVrOrientation>(kDirectionKey,
                                      {{QStringLiteral("Horizontal"), TVrOrientation::voHorizontal},
                                       {QStringLiteral("Vertical"), TVrOrientation::voVertical}},
                                      &C::Orientation, &C::SetOrientation);
}

TSheetRow BackgroundColorRow() {
    return ColorRow(
        QStringLiteral("Color"), [](const TControl& c) { return c.Color(); },
        [](TControl& c, TColor color) { c.SetColor(color); });
}

}  // namespace

TSheetDefinition TrackBarSheet() {
    using C = TVrTrackBar;
    TSheetDefinition sheet;
    sheet.Rows.push_back(IntegerRow<C>(QStringLiteral("Min value"), &C::MinValue, &C::SetMinValue));
    sheet.Rows.push_back(IntegerRow<C>(QStringLiteral("Max value"), &C::MaxValue, &C::SetMaxValue));
    sheet.Rows.push_back(
        IntegerRow<C>(QStringLiteral("Ticks frequency"), &C::Frequency, &C::SetFrequency));
    sheet.Rows.push_back(
        IntegerRow<C>(QStringLiteral("Gutter width"), &C::GutterWidth, &C::SetGutterWidth));
    sheet.Rows.push_back(DirectionRow<C>());
    sheet.Rows.push_back(BackgroundColorRow());
    sheet.Rows.push_back(ColorRow(
        QStringLiteral("Ticks color"),
        [](const TControl& c) { return SheetControl<C>(c).TickColor(); },
        [](TControl& c, TColor color) { SheetControl<C>(c).SetTickColor(color); }));
    sheet.Rows.push_back(ColorRow(
        QStringLiteral("Gutter color"),
        [](const TControl& c) { return SheetControl<C>(c).GutterColor(); },
        [](TControl& c, TColor color) { SheetControl<C>(c).SetGutterColor(color); }));
    sheet.ApplyOrder = {QStringLiteral("Min value"), QStringLiteral("Max value"),
                        QStringLiteral("Ticks frequency"), QStringLiteral("Gutter width"),
                        kDirectionKey};
    return sheet;
}

TSheetDefinition SwitchSheet() {
    using C = TVrSwitch;
    TSheetDefinition sheet;
    sheet.Rows.push_back(IntegerRow<C>(kPositionsKey, &C::Positions, &C::SetPositions));
    sheet.Rows.push_back(DirectionRow<C>());
    sheet.Rows.push_back(BackgroundColorRow());
    sheet.ApplyOrder = {kPositionsKey, kDirectionKey};
    // A switch needs two slots to switch between. Refusing by a throw reports it as a bad value,
    // sets nothing, and still selects the switch again, as every Apply of this sheet does.
    sheet.CheckBeforeApply = [](const std::function<QString(const QString&)>& textOf) {
        if (StrToIntStrict(textOf(kPositionsKey)) < 2)
            throw EConvertError(QStringLiteral("A switch needs at least two positions"));
        return QString();
    };
    sheet.ReselectAfterApply = true;
    return sheet;
}

}  // namespace mox
