#pragma once
// Building blocks for sheet rows, so that a kind's sheet is a short list of declarations.

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "instruments/base/vrpalette.h"
#include "propsheets/numbertext.h"
#include "propsheets/propertysheet.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/colors.h"
#include "toolkit/graphics/font.h"

namespace mox {

// The control as the class a row was written for. A row never writes through an unchecked cast:
// a control of another class is refused with an error, which Apply reports like a bad value.
inline void RequireClass(const TControl& control, const TClassInfo& cls) {
    if (!control.InheritsFrom(cls)) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
}
template <class C>
C& SheetControl(TControl& control) {
    RequireClass(control, C::StaticClass());
    return static_cast<C&>(control);
}
template <class C>
const C& SheetControl(const TControl& control) {
    RequireClass(control, C::StaticClass());
    return static_cast<const C&>(control);
}

// A pick row over any value type: each entry stands for one value; the row shows the entry of
// the control's current value.
template <class C, class V>
TSheetRow PickRow(QString key, std::vector<std::pair<QString, V>> entries, V (C::*get)() const,
                  void (C::*set)(V)) {
    TSheetRow row;
    row.Key = std::move(key);
    row.Kind = TSheetRowKind::Pick;
    for (const auto& entry : entries)
        row.Entries << entry.first;
    row.Read = [entries, get](const TControl& control) {
        const V current = (SheetControl<C>(control).*get)();
        for (const auto& [text, value] : entries)
            if (value == current) return text;
        return QString();
    };
    row.Write = [entries, set](TControl& control, const QString& text) {
        for (const auto& [entryText, value] : entries)
            if (entryText == text) (SheetControl<C>(control).*set)(value);
    };
    return row;
}

template <class C>
TSheetRow YesNoRow(QString key, bool (C::*get)() const, void (C::*set)(bool)) {
    return PickRow<C, bool>(
        std::move(key), {{QStringLiteral("Yes"), true}, {QStringLiteral("No"), false}}, get, set);
}

// A typed row over a string property.
TSheetRow TextRow(QString key, std::function<QString(const TControl&)> read,
                  std::function<void(TControl&, const QString&)> write);
// A typed row over an integer property; text that is not a whole number fails on Apply.
template <class C>
TSheetRow IntegerRow(QString key, int (C::*get)() const, void (C::*set)(int));

// A colour dialog row that opens at the current colour and sets it on OK.
TSheetRow ColorRow(QString key, std::function<TColor(const TControl&)> read,
                   std::function<void(TControl&, TColor)> write);
// A font dialog row that opens with the current font and sets it on OK.
TSheetRow FontRow(QString key, std::function<TFont*(const TControl&)> font);

template <class C>
TSheetRow IntegerRow(QString key, int (C::*get)() const, void (C::*set)(int)) {
    return TextRow(
        std::move(key),
        [get](const TControl& c) { return QString::number((SheetControl<C>(c).*get)()); },
        [set](TControl& c, const QString& text) {
            (SheetControl<C>(c).*set)(StrToIntStrict(text));
        });
}

// The "Low color" and "High color" rows of an instrument's palette, a nested object the rows
// reach through.
template <class C>
std::array<TSheetRow, 2> PaletteRows() {
    const auto row = [](QString key, TColor (TVrPalette::*get)() const,
                        void (TVrPalette::*set)(TColor)) {
        return ColorRow(
            std::move(key),
            [get](const TControl& c) { return (SheetControl<C>(c).Palette()->*get)(); },
            [set](TControl& c, TColor color) { (SheetControl<C>(c).Palette()->*set)(color); });
    };
    return {row(QStringLiteral("Low color"), &TVrPalette::Low, &TVrPalette::SetLow),
            row(QStringLiteral("High color"), &TVrPalette::High, &TVrPalette::SetHigh)};
}

// The "Min value" and "Max value" rows of a control whose limits are set together: the maximum's
// row only takes what was typed, and the minimum's row then sets both through SetRange, so that a
// range may move past the current one and a crossed range fails as a whole. The sheet applies
// the maximum's row first.
template <class C>
std::array<TSheetRow, 2> RangeRows(int (C::*min)() const, int (C::*max)() const) {
    auto typedMax = std::make_shared<int>(0);
    const auto shown = [](int (C::*get)() const) {
        return [get](const TControl& c) { return QString::number((SheetControl<C>(c).*get)()); };
    };
    return {TextRow(QStringLiteral("Min value"), shown(min),
                    [typedMax](TControl& c, const QString& text) {
                        SheetControl<C>(c).SetRange(StrToIntStrict(text), *typedMax);
                    }),
            TextRow(QStringLiteral("Max value"), shown(max),
                    [typedMax](TControl& c, const QString& text) {
                        RequireClass(c, C::StaticClass());
                        *typedMax = StrToIntStrict(text);
                    })};
}

}  // namespace mox
