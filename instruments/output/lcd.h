#pragma once
// TLcd: a blank liquid-crystal panel face, an image control that starts with the built-in panel
// picture stretched over it. The picture is written to the rack file with the panel.

#include "toolkit/stdctrls/image.h"

namespace mox {

class TLcd : public TImage {
    MOX_CLASS
public:
    // Raises the built-in bitmap's error when the panel picture is missing.
    explicit TLcd(TComponent* owner);
};

}  // namespace mox
