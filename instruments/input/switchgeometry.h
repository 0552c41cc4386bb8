#pragma once
// The switch's own arithmetic: the size that makes each slot one thumb long, and the slot mapping,
// which is the slider's value mapping over the slots 0..Positions − 1.

#include "instruments/input/slidergeometry.h"
#include "toolkit/core/types.h"

namespace mox {

// No window is made longer than the window system takes (X11 windows stop at 32767 pixels): a
// switch with more slots than that holds keeps this size instead of growing with the count.
constexpr int kMaxSwitchExtent = 32767;

// The size for `slots` slots of the thumb along the axis plus the frame at both ends; across the
// axis the thumb and frame, or `current` when that is larger. Pulled into 0..kMaxSwitchExtent.
TSize SwitchSize(TSize current, TVrOrientation orientation, TSize thumb, int slots,
                 int borderWidth);

struct TSwitchSettings {
    TRect Client;
    TVrOrientation Orientation;
    TVrSliderStyle Style;
    int Slots;  // at least 1
    int BorderWidth;
    int ThumbIndent;
    TSize Thumb;
};

// The mapping of slots to thumb positions and back: slot 0 at the bottom of a vertical
// ssBottomLeft switch, at the left of a horizontal one.
TSliderMapping SwitchMapping(const TSwitchSettings& s);

}  // namespace mox
