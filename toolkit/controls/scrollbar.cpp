#include "toolkit/controls/scrollbar.h"

#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TControlScrollBar::StaticClass() {
    using C = TControlScrollBar;
    static const TClassInfo info =
        TClassBuilder<C>("TControlScrollBar", TPersistent::StaticClass())
            .Integer("ButtonSize", &C::ButtonSize, &C::SetButtonSize, 0)
            .Color("Color", &C::Color, &C::SetColor, clBtnHighlight)
            .Integer("Increment", &C::Increment, &C::SetIncrement, 8)
            .Integer("Margin", &C::Margin, &C::SetMargin, 0)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, true)
            .Integer("Position", &C::Position, &C::SetPosition, 0)
            .Integer("Range", &C::Range, &C::SetRange, 0)
            .Boolean("Smooth", &C::Smooth, &C::SetSmooth, false)
            .Integer("Size", &C::Size, &C::SetSize, 0)
            .Enumeration("Style", &C::Style, &C::SetStyle, TScrollBarStyle::ssRegular)
            .Integer("ThumbSize", &C::ThumbSize, &C::SetThumbSize, 0)
            .Boolean("Tracking", &C::Tracking, &C::SetTracking, false)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Build();
    return info;
}

void TControlScrollBar::Assign(const TPersistent* source) {
    const auto* o = dynamic_cast<const TControlScrollBar*>(source);
    if (!o) {
        TPersistent::Assign(source);
        return;
    }
    FButtonSize = o->FButtonSize;
    FColor = o->FColor;
    FIncrement = o->FIncrement;
    FMargin = o->FMargin;
    FParentColor = o->FParentColor;
    FPosition = o->FPosition;
    FRange = o->FRange;
    FSmooth = o->FSmooth;
    FSize = o->FSize;
    FStyle = o->FStyle;
    FThumbSize = o->FThumbSize;
    FTracking = o->FTracking;
    FVisible = o->FVisible;
}

const TClassInfo& TIcon::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TIcon>("TIcon", TPersistent::StaticClass()).Build();
    return info;
}

void TIcon::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        QStringLiteral("Data"), [this](const QByteArray& bytes) { FData = bytes; },
        [this](QByteArray& bytes) { bytes = FData; }, !FData.isEmpty());
}

void TIcon::Assign(const TPersistent* source) {
    const auto* o = dynamic_cast<const TIcon*>(source);
    if (!o) {
        TPersistent::Assign(source);
        return;
    }
    FData = o->FData;
}

}  // namespace mox
