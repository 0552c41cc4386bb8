#include "propsheets/scopesheet.h"

#include "instruments/output/vrscope.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

const QString kGridSpacingKey = QStringLiteral("Grid spacing");
const QString kBaseOffsetKey = QStringLiteral("Base line offset");

TSheetRow ScopeColorRow(QString key, TColor (TVrScope::*get)() const,
                        void (TVrScope::*set)(TColor)) {
    return ColorRow(
        std::move(key), [get](const TControl& c) { return (SheetControl<TVrScope>(c).*get)(); },
        [set](TControl& c, TColor color) { (SheetControl<TVrScope>(c).*set)(color); });
}

// The first channel's colour; a scope without channels (possible from a file) shows and takes
// nothing.
TSheetRow PlotColorRow() {
    const auto firstChannel = [](const TControl& c) -> TVrChannel* {
        const TVrChannels& channels = *SheetControl<TVrScope>(c).Channels();
        return channels.Count() > 0 ? channels.Items(0) : nullptr;
    };
    return ColorRow(
        QStringLiteral("Plot color"),
        [firstChannel](const TControl& c) {
            const TVrChannel* channel = firstChannel(c);
            return channel ? channel->Color() : clYellow;
        },
        [firstChannel](TControl& c, TColor color) {
            if (TVrChannel* channel = firstChannel(c)) channel->SetColor(color);
        });
}

}  // namespace

TSheetDefinition ScopeSheet() {
    TSheetDefinition sheet;
    auto [minRow, maxRow] = RangeRows<TVrScope>(&TVrScope::MinValue, &TVrScope::MaxValue);
    const QString minKey = minRow.Key, maxKey = maxRow.Key;
    sheet.Rows.push_back(std::move(minRow));
    sheet.Rows.push_back(std::move(maxRow));
    sheet.Rows.push_back(
        IntegerRow<TVrScope>(kGridSpacingKey, &TVrScope::GridSize, &TVrScope::SetGridSize));
    sheet.Rows.push_back(
        IntegerRow<TVrScope>(kBaseOffsetKey, &TVrScope::BaseOffset, &TVrScope::SetBaseOffset));
    sheet.Rows.push_back(
        ScopeColorRow(QStringLiteral("Grid color"), &TVrScope::GridColor, &TVrScope::SetGridColor));
    sheet.Rows.push_back(ScopeColorRow(QStringLiteral("Base line color"), &TVrScope::BaseColor,
                                       &TVrScope::SetBaseColor));
    sheet.Rows.push_back(
        ScopeColorRow(QStringLiteral("Background color"), &TVrScope::Color, &TVrScope::SetColor));
    sheet.Rows.push_back(PlotColorRow());
    sheet.ApplyOrder = {maxKey, minKey, kGridSpacingKey, kBaseOffsetKey};
    return sheet;
}

}  // namespace mox
