#include "propsheets/levelbarsheet.h"

#include "instruments/output/vrprogressbar.h"
#include "propsheets/numbertext.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

using TBar = TVrProgressBar;

const QString kMinKey = QStringLiteral("Min value");
const QString kMaxKey = QStringLiteral("Max value");
const QString kDirectionKey = QStringLiteral("Direction");

TSheetRow BarColorRow(QString key, TColor (TBar::*get)() const, void (TBar::*set)(TColor)) {
    return ColorRow(
        std::move(key), [get](const TControl& c) { return (SheetControl<TBar>(c).*get)(); },
        [set](TControl& c, TColor color) { (SheetControl<TBar>(c).*set)(color); });
}

}  // namespace

TSheetDefinition LevelBarSheet() {
    TSheetDefinition sheet;
    for (TSheetRow& row : RangeRows<TBar>(&TBar::MinValue, &TBar::MaxValue))
        sheet.Rows.push_back(std::move(row));
    sheet.Rows.push_back(
        BarColorRow(QStringLiteral("Start color"), &TBar::StartColor, &TBar::SetStartColor));
    sheet.Rows.push_back(
        BarColorRow(QStringLiteral("End color"), &TBar::EndColor, &TBar::SetEndColor));
    sheet.Rows.push_back(ColorRow(
        QStringLiteral("Background color"), [](const TControl& c) { return c.Color(); },
        [](TControl& c, TColor color) { c.SetColor(color); }));
    sheet.Rows.push_back(
        PickRow<TBar, TVrOrientation>(kDirectionKey,
                                      {{QStringLiteral("Horizontal"), TVrOrientation::voHorizontal},
                                       {QStringLiteral("Vertical"), TVrOrientation::voVertical}},
                                      &TBar::Orientation, &TBar::SetOrientation));
    sheet.ApplyOrder = {kMaxKey, kMinKey, kDirectionKey};
    return sheet;
}

}  // namespace mox
