#include "propsheets/panelsheets.h"

#include "instruments/output/vrborder.h"
#include "instruments/output/vrgradient.h"
#include "propsheets/sheetrows.h"

namespace mox {

namespace {

template <class C>
TSheetRow PanelColorRow(QString key, TColor (C::*get)() const, void (C::*set)(TColor)) {
    return ColorRow(
        std::move(key), [get](const TControl& c) { return (SheetControl<C>(c).*get)(); },
        [set](TControl& c, TColor color) { (SheetControl<C>(c).*set)(color); });
}

}  // namespace

TSheetDefinition BorderSheet() {
    using B = TVrBorder;
    TSheetDefinition sheet;
    sheet.Rows.push_back(
        PanelColorRow<B>(QStringLiteral("Color"), &B::HighlightColor, &B::SetHighlightColor));
    sheet.Rows.push_back(
        PanelColorRow<B>(QStringLiteral("Shadow color"), &B::ShadowColor, &B::SetShadowColor));
    return sheet;
}

TSheetDefinition GradientSheet() {
    using G = TVrGradient;
    using enum TVrGradDirection;
    const QString directionKey = QStringLiteral("Direction");
    TSheetDefinition sheet;
    sheet.Rows.push_back(
        PanelColorRow<G>(QStringLiteral("Start color"), &G::StartColor, &G::SetStartColor));
    sheet.Rows.push_back(
        PanelColorRow<G>(QStringLiteral("End color"), &G::EndColor, &G::SetEndColor));
    sheet.Rows.push_back(
        PickRow<G, TVrGradDirection>(directionKey,
                                     {{QStringLiteral("Chord1"), gdChord1},
                                      {QStringLiteral("Chord2"), gdChord2},
                                      {QStringLiteral("LeftRight"), gdLeftRight},
                                      {QStringLiteral("LeftRightHalf"), gdLeftRightHalf},
                                      {QStringLiteral("UpDown"), gdUpDown},
                                      {QStringLiteral("UpDownHalf"), gdUpDownHalf}},
                                     &G::Direction, &G::SetDirection));
    sheet.ApplyOrder = {directionKey};
    return sheet;
}

}  // namespace mox
