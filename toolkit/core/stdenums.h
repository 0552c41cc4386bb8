#pragma once
// Enumerations of the standard controls (label, edit, memo, combo box, image), named as rack
// files store them.

#include <QString>

#include "toolkit/core/typeinfo.h"

namespace mox {

MOX_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
MOX_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)
MOX_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
MOX_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
MOX_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed,
         csOwnerDrawVariable)
MOX_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
MOX_ENUM(TBevelEdge, beLeft, beTop, beRight, beBottom)
using TBevelEdges = TSet<TBevelEdge>;
MOX_ENUM(TBevelKind, bkNone, bkTile, bkSoft, bkFlat)
MOX_ENUM(TImeMode, imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata,
         imKata, imChinese, imSHanguel, imHanguel)

inline constexpr TBevelEdges AllBevelEdges{TBevelEdge::beLeft, TBevelEdge::beTop,
                                           TBevelEdge::beRight, TBevelEdge::beBottom};

// `text` as an edit with that character case holds it.
inline QString CharCased(const QString& text, TEditCharCase charCase) {
    switch (charCase) {
        case TEditCharCase::ecUpperCase:
            return text.toUpper();
        case TEditCharCase::ecLowerCase:
            return text.toLower();
        case TEditCharCase::ecNormal:
            break;
    }
    return text;
}

}  // namespace mox
