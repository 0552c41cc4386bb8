#include "instruments/base/vrbevel.h"

#include <algorithm>
#include <cstdint>

#include "instruments/base/vrdraw.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TVrBevel::StaticClass() {
    using C = TVrBevel;
    using O = TVrBevelOutlineStyle;
    static const TClassInfo info =
        TClassBuilder<C>("TVrBevel", TVrPersistent::StaticClass())
            .Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 0)
            .Color("BorderColor", &C::BorderColor, &C::SetBorderColor, clBtnFace)
            .Color("InnerShadow", &C::InnerShadow, &C::SetInnerShadow)
            .Color("InnerHighlight", &C::InnerHighlight, &C::SetInnerHighlight)
            .Integer("InnerWidth", &C::InnerWidth, &C::SetInnerWidth)
            .Enumeration("InnerStyle", &C::InnerStyle, &C::SetInnerStyle)
            .Enumeration("InnerOutline", &C::InnerOutline, &C::SetInnerOutline, O::osNone)
            .Integer("InnerSpace", &C::InnerSpace, &C::SetInnerSpace)
            .Color("InnerColor", &C::InnerColor, &C::SetInnerColor)
            .Color("OuterShadow", &C::OuterShadow, &C::SetOuterShadow)
            .Color("OuterHighlight", &C::OuterHighlight, &C::SetOuterHighlight)
            .Integer("OuterWidth", &C::OuterWidth, &C::SetOuterWidth, 1)
            .Enumeration("OuterStyle", &C::OuterStyle, &C::SetOuterStyle)
            .Enumeration("OuterOutline", &C::OuterOutline, &C::SetOuterOutline)
            .Integer("OuterSpace", &C::OuterSpace, &C::SetOuterSpace, 0)
            .Color("OuterColor", &C::OuterColor, &C::SetOuterColor, clBtnFace)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Build();
    return info;
}

std::vector<TVrBevel::TRing> TVrBevel::Rings() const {
    std::vector<TRing> rings;
    if (!FVisible) return rings;
    auto add = [&](TColor top, TColor bottom, int width) {
        // Frame3D draws nothing for a width below 1, so such a group takes no room either.
        if (width > 0) rings.push_back({top, bottom, width});
    };
    auto bevel = [&](TVrBevelStyle style, TColor highlight, TColor shadow, int width) {
        if (style == TVrBevelStyle::bsRaised) add(highlight, shadow, width);
        if (style == TVrBevelStyle::bsLowered) add(shadow, highlight, width);
    };
    add(FBorderColor, FBorderColor, FBorderWidth);
    if (FOuterOutline == TVrBevelOutlineStyle::osOuter) add(clBlack, clBlack, 1);
    bevel(FOuterStyle, FOuterHighlight, FOuterShadow, FOuterWidth);
    if (FOuterOutline == TVrBevelOutlineStyle::osInner) add(clBlack, clBlack, 1);
    add(FOuterColor, FOuterColor, FOuterSpace);
    if (FInnerOutline == TVrBevelOutlineStyle::osOuter) add(clBlack, clBlack, 1);
    bevel(FInnerStyle, FInnerHighlight, FInnerShadow, FInnerWidth);
    if (FInnerOutline == TVrBevelOutlineStyle::osInner) add(clBlack, clBlack, 1);
    add(FInnerColor, FInnerColor, FInnerSpace);
    return rings;
}

void TVrBevel::Paint(TCanvas& canvas, TRect& rect) const {
    for (const TRing& ring : Rings())
        Frame3D(canvas, rect, ring.Top, ring.Bottom, ring.Width);
}

void TVrBevel::GetVisibleArea(TRect& rect) const {
    std::int64_t total = 0;
    for (const TRing& ring : Rings())
        total += ring.Width;
    auto move = [](int v, std::int64_t d) {
        return static_cast<int>(std::clamp<std::int64_t>(v + d, -kCoordLimit, kCoordLimit));
    };
    rect = {move(rect.Left, total), move(rect.Top, total), move(rect.Right, -total),
            move(rect.Bottom, -total)};
}

void TVrBevel::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TVrBevel*>(source);
    if (!other) {
        TVrPersistent::Assign(source);
        return;
    }
    TVrUpdateBracket bracket(*this);
    SetBorderWidth(other->FBorderWidth);
    SetBorderColor(other->FBorderColor);
    SetInnerShadow(other->FInnerShadow);
    SetInnerHighlight(other->FInnerHighlight);
    SetInnerWidth(other->FInnerWidth);
    SetInnerStyle(other->FInnerStyle);
    SetInnerOutline(other->FInnerOutline);
    SetInnerSpace(other->FInnerSpace);
    SetInnerColor(other->FInnerColor);
    SetOuterShadow(other->FOuterShadow);
    SetOuterHighlight(other->FOuterHighlight);
    SetOuterWidth(other->FOuterWidth);
    SetOuterStyle(other->FOuterStyle);
    SetOuterOutline(other->FOuterOutline);
    SetOuterSpace(other->FOuterSpace);
    SetOuterColor(other->FOuterColor);
    SetVisible(other->FVisible);
}

}  // namespace mox
