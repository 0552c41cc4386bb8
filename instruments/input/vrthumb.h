#pragma once
// The bitmap thumb of the slider, the track bar and the switch: its pictures (normal, disabled,
// dragged, hot, side by side), how it is drawn, and the pointer states it goes through (hot under
// the pointer, dragged with a grab offset, the cursor confined while dragging). The control owns
// one and says where the thumb is; the thumb never keeps a rectangle of its own.

#include <QString>
#include <memory>

#include "toolkit/core/types.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

class TCanvas;
class TVrBitmapList;
class TWinControl;

// The pictures side by side in a thumb bitmap, in this order. A bitmap with fewer pictures
// (ThumbStates) shows the normal one for the states it lacks.
enum class TVrThumbState { Normal, Disabled, Dragging, Hot };
constexpr int kMaxThumbStates = 4;

class TVrThumb {
public:
    TVrThumb();
    ~TVrThumb();

    // Takes `list`'s bitmap at `index`, or the built-in bitmap `builtin` when that gives none or an
    // empty one, cut into `states` pictures.
    void Load(const TVrBitmapList* list, int index, const QString& builtin, int states);
    const TBitmap& Bitmap() const { return *FBitmap; }
    int Width() const { return FWidth; }
    int Height() const { return FBitmap->Height(); }

    // The picture shown: hot under the pointer unless dragged, else dragged, else disabled, else
    // normal; normal when the bitmap has no picture for it.
    TVrThumbState State(bool enabled) const;
    // The picture for `enabled` into `rect`; the bitmap's transparent colour stays opaque with
    // `opaque` and shows what lies under it otherwise.
    void Draw(TCanvas& canvas, const TRect& rect, bool enabled, bool opaque) const;

    bool Dragging() const { return FDragging; }
    bool Hot() const { return FHot; }
    // A left press at `at` on the thumb at `rect`: starts a drag holding the thumb where it was
    // taken and, with `confine`, keeps the cursor inside `control`'s client area. False when the
    // press misses the thumb.
    bool Press(TWinControl& control, const TRect& rect, TPoint at, bool horizontal, bool confine);
    // The leading coordinate the dragged thumb follows the pointer at `at` to.
    int DragLead(TPoint at, bool horizontal) const;
    // Whether the pointer is over the thumb; true when that changed the picture's state.
    bool SetHot(bool value);
    // Ends a drag and frees the cursor; true when a drag ended.
    bool Release();

private:
    std::unique_ptr<TBitmap> FBitmap;
    int FStates = 1;
    int FWidth = 0;
    int FGrabOffset = 0;
    bool FDragging = false;
    bool FHot = false;
    bool FClipped = false;
};

}  // namespace mox
