#pragma once
// TPanel: a container painted with an outer and an inner bevel around a face, with a caption in
// the middle. Children are laid out inside the bevels.

#include "toolkit/controls/graphiccontrol.h"
#include "toolkit/core/stdenums.h"

namespace mox {

class TPanel : public TCustomControl {
    MOX_CLASS
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);  // at least 1
    // Face-coloured space between the outer and the inner bevel.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);  // at least 0
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

    // The part of the client area inside the bevels and the border.
    TRect InnerRect() const;

protected:
    void Paint() override;
    void AlignControls(TRect& rect) override;

private:
    void Changed();

    TBevelCut FBevelInner = TBevelCut::bvNone;
    TBevelCut FBevelOuter = TBevelCut::bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TAlignment FAlignment = TAlignment::taCenter;
};

}  // namespace mox
