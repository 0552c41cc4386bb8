#include "toolkit/controls/controlenums.h"

namespace mox {

TAnchors AnchorsForAlign(TAlign align) {
    using enum TAnchorKind;
    switch (align) {
        case TAlign::alTop:
            return {akLeft, akTop, akRight};
        case TAlign::alBottom:
            return {akLeft, akRight, akBottom};
        case TAlign::alLeft:
            return {akLeft, akTop, akBottom};
        case TAlign::alRight:
            return {akRight, akTop, akBottom};
        case TAlign::alClient:
            return {akLeft, akTop, akRight, akBottom};
        case TAlign::alNone:
        case TAlign::alCustom:
            break;
    }
    return {akLeft, akTop};
}

}  // namespace mox
