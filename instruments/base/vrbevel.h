#pragma once
// TVrBevel: a 3-D frame of up to nine concentric rings drawn from the outside in (border, outer
// outline, outer bevel, outer space, inner outline, inner bevel, inner space). Painting and the
// room it takes come from one list of rings, so the two can never disagree.

#include <vector>

#include "instruments/base/vrcomponent.h"
#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

class TCanvas;

class TVrBevel : public TVrPersistent {
    MOX_CLASS
public:
    TVrBevel() = default;

    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { SetValue(FBorderWidth, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { SetValue(FBorderColor, value); }
    TColor InnerShadow() const { return FInnerShadow; }
    void SetInnerShadow(TColor value) { SetValue(FInnerShadow, value); }
    TColor InnerHighlight() const { return FInnerHighlight; }
    void SetInnerHighlight(TColor value) { SetValue(FInnerHighlight, value); }
    int InnerWidth() const { return FInnerWidth; }
    void SetInnerWidth(int value) { SetValue(FInnerWidth, value); }
    TVrBevelStyle InnerStyle() const { return FInnerStyle; }
    void SetInnerStyle(TVrBevelStyle value) { SetValue(FInnerStyle, value); }
    TVrBevelOutlineStyle InnerOutline() const { return FInnerOutline; }
    void SetInnerOutline(TVrBevelOutlineStyle value) { SetValue(FInnerOutline, value); }
    int InnerSpace() const { return FInnerSpace; }
    void SetInnerSpace(int value) { SetValue(FInnerSpace, value); }
    TColor InnerColor() const { return FInnerColor; }
    void SetInnerColor(TColor value) { SetValue(FInnerColor, value); }
    TColor OuterShadow() const { return FOuterShadow; }
    void SetOuterShadow(TColor value) { SetValue(FOuterShadow, value); }
    TColor OuterHighlight() const { return FOuterHighlight; }
    void SetOuterHighlight(TColor value) { SetValue(FOuterHighlight, value); }
    int OuterWidth() const { return FOuterWidth; }
    void SetOuterWidth(int value) { SetValue(FOuterWidth, value); }
    TVrBevelStyle OuterStyle() const { return FOuterStyle; }
    void SetOuterStyle(TVrBevelStyle value) { SetValue(FOuterStyle, value); }
    TVrBevelOutlineStyle OuterOutline() const { return FOuterOutline; }
    void SetOuterOutline(TVrBevelOutlineStyle value) { SetValue(FOuterOutline, value); }
    int OuterSpace() const { return FOuterSpace; }
    void SetOuterSpace(int value) { SetValue(FOuterSpace, value); }
    TColor OuterColor() const { return FOuterColor; }
    void SetOuterColor(TColor value) { SetValue(FOuterColor, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { SetValue(FVisible, value); }

    // Draws the bevel inside `rect` and shrinks `rect` to the area inside it.
    void Paint(TCanvas& canvas, TRect& rect) const;
    // Shrinks `rect` exactly as Paint would, without drawing.
    void GetVisibleArea(TRect& rect) const;

    // Copies all seventeen values from another bevel with one notification.
    void Assign(const TPersistent* source) override;

    // One group of rings of the same colours, from the outside in.
    struct TRing {
        TColor Top;
        TColor Bottom;
        int Width;
    };
    std::vector<TRing> Rings() const;

private:
    int FBorderWidth = 0;
    TColor FBorderColor = clBtnFace;
    TColor FInnerShadow = clBtnShadow;
    TColor FInnerHighlight = clBtnHighlight;
    int FInnerWidth = 1;
    TVrBevelStyle FInnerStyle = TVrBevelStyle::bsLowered;
    TVrBevelOutlineStyle FInnerOutline = TVrBevelOutlineStyle::osNone;
    int FInnerSpace = 1;
    TColor FInnerColor = clBtnFace;
    TColor FOuterShadow = clBtnShadow;
    TColor FOuterHighlight = clBtnHighlight;
    int FOuterWidth = 1;
    TVrBevelStyle FOuterStyle = TVrBevelStyle::bsRaised;
    TVrBevelOutlineStyle FOuterOutline = TVrBevelOutlineStyle::osOuter;
    int FOuterSpace = 0;
    TColor FOuterColor = clBtnFace;
    bool FVisible = true;
};

}  // namespace mox
