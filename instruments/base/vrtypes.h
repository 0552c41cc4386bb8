#pragma once
// Enumerations shared by several instruments, named as rack files store them.

#include "toolkit/core/typeinfo.h"

namespace mox {

MOX_ENUM(TVrOrientation, voVertical, voHorizontal)
MOX_ENUM(TVrAlignment, vaLeftJustify, vaRightJustify, vaCenter)
MOX_ENUM(TVrGradDirection, gdUpDown, gdUpDownHalf, gdLeftRight, gdLeftRightHalf, gdChord1, gdChord2)
MOX_ENUM(TVrImageTextLayout, ImageLeft, ImageRight, ImageTop, ImageBottom)
MOX_ENUM(TVrTickMarks, tmNone, tmBoth, tmBottomRight, tmTopLeft)
MOX_ENUM(TVrProgressStyle, psBottomLeft, psTopRight)

// The bevel's ring styles.
MOX_ENUM(TVrBevelStyle, bsNone, bsLowered, bsRaised)
MOX_ENUM(TVrBevelOutlineStyle, osOuter, osInner, osNone)

// The text every instrument class publishes as its Version.
using TVrVersion = QString;
inline constexpr const char* kVrVersion = "3.70";

// The cursor number under which the hand cursor is registered.
constexpr int crVrHandPoint = 99;

}  // namespace mox
