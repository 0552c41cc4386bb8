#pragma once
// The designer's published enumerations and the signatures of its events.

#include <QString>

#include "toolkit/controls/messages.h"
#include "toolkit/core/event.h"
#include "toolkit/core/typeinfo.h"
#include "toolkit/core/types.h"

namespace mox {

class TControl;
class TObject;

// How the designer sees the application's queued messages: through the application's
// replaceable pre-dispatch handler, or through a process-wide message hook.
MOX_ENUM(TMessageProcessor, mpEvent, mpHook)
// How far a status list reaches: the listed controls only, their children too, or every
// descendant.
MOX_ENUM(TChildrenMode, cmNone, cmNormal, cmRecurse)
// What a protected control keeps while it has the focus.
MOX_ENUM(TProtectMode, pmUnselect, pmLockKeyboard)
MOX_ENUM(TAlignmentPaletteOption, apAutoShow, apStayOnTop, apShowHints, apFlatButtons)
using TAlignmentPaletteOptions = TSet<TAlignmentPaletteOption>;

// What an alignment does along one direction (left/right or top/bottom); the alignment
// palette's buttons carry these numbers as their tags.
enum class TAlignMode {
    None = 0,
    LowEdges = 1,        // left edges or tops
    Centres = 2,         // horizontal or vertical centres
    HighEdges = 3,       // right edges or bottoms
    SpaceEqually = 4,    // left edges or tops equally spaced
    CentreInWindow = 5,  // centred in the parent's outer size
};

// Sender is always the designer.
using TControlNotifyEvent = TEvent<TObject*, TControl*>;
// Sender, the control, the settings file it is loaded from or saved to.
using TLoadSaveEvent = TEvent<TObject*, TControl*, TObject*>;
using TDesignerMessageEvent = TEvent<TObject*, TMsg&>;
// The rectangle (parent client coordinates) a moved control must stay in.
using TMoveLimitEvent = TEvent<TObject*, TControl*, TRect&>;
// The smallest and largest size a resized control may get.
using TSizeLimitEvent = TEvent<TObject*, TControl*, TPoint&, TPoint&>;
// Reader, message, handled.
using TReaderErrorEvent = TEvent<TObject*, const QString&, bool&>;

}  // namespace mox
