#include "propsheets/levelbarsheet.h"

#include <memory>

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
    // The maximum is read first and the two bounds are set together with the minimum, so that a
    // range may move past the current one; a range that is not increasing fails there and leaves
    // both as they were, instead of being dropped without a word.
    auto typedMax = std::make_shared<int>(0);
    sheet.Rows.push_back(TextRow(
        kMinKey,
        [](const TControl& c) { return QString::number(SheetControl<TBar>(c).MinValue()); },
        [typedMax](TControl& c, const QString& text) {
            SheetControl<TBar>(c).SetRange(StrToIntStrict(text), *typedMax);
        }));
    sheet.Rows.push_back(TextRow(
        kMaxKey,
        [](const TControl& c) { return QString::number(SheetControl<TBar>(c).MaxValue()); },
        [typedMax](TControl& c, const QString& text) {
            RequireClass(c, TBar::StaticClass());
            *typedMax = StrToIntStrict(text);
        }));
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
