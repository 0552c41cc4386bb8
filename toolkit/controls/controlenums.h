#pragma once
// Enumerations shared by every control, named as rack files store them.

#include "toolkit/core/typeinfo.h"

namespace mox {

// What a modal window or a message box answers; the button numbers of the classic boxes.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7;

MOX_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
MOX_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;

MOX_ENUM(TControlStyleFlag, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents,
         csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight,
         csNoDesignVisible, csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector,
         csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleFlag>;

MOX_ENUM(TControlStateFlag, csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded,
         csFocusing, csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking)
using TControlState = TSet<TControlStateFlag>;

MOX_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
MOX_ENUM(TShiftStateFlag, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateFlag>;

MOX_ENUM(THelpType, htKeyword, htContext)
MOX_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
MOX_ENUM(TDragKind, dkDrag, dkDock)
MOX_ENUM(TDragMode, dmManual, dmAutomatic)
MOX_ENUM(TBorderStyle, bsNone, bsSingle)

// The anchors a control has when it is aligned: what `Anchors` is compared with when streaming.
TAnchors AnchorsForAlign(TAlign align);

}  // namespace mox
