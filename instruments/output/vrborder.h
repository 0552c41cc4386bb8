#pragma once
// TVrBorder: an etched or raised frame, a box or a single edge line in two colours, to structure
// a rack. It has no image: the few lines it draws go straight onto its parent's surface. A
// spacer border draws nothing when the rack runs and a dotted outline while it is designed, so
// that it can still be found and picked.

#include "instruments/base/vrcontrols.h"
#include "instruments/output/panelgeometry.h"

namespace mox {

class TVrBorder : public TVrGraphicControl {
    MOX_CLASS
public:
    explicit TVrBorder(TComponent* owner);

    TVrBorderShape Shape() const { return FShape; }
    void SetShape(TVrBorderShape value) { SetLook(FShape, value); }
    // Which colour the top and left edges take: the highlight when raised, the shadow when
    // lowered.
    TVrBorderStyle Style() const { return FStyle; }
    void SetStyle(TVrBorderStyle value) { SetLook(FStyle, value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { SetLook(FShadowColor, value); }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value) { SetLook(FHighlightColor, value); }

protected:
    void Paint() override;

private:
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    void PaintSpacerOutline();

    TVrBorderShape FShape = TVrBorderShape::bsFrame;
    TVrBorderStyle FStyle = TVrBorderStyle::bsRaised;
    TColor FShadowColor = clGreen;
    TColor FHighlightColor = clLime;
};

}  // namespace mox
