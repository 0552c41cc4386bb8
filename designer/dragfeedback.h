#pragma once
// The outlines a drag shows: grey frames where the dragged controls would go and the dotted
// rubber band. They are drawn with an exclusive-or pen on a window's surface, over its child
// windows, so drawing the same outline a second time erases it.

#include <QPointer>
#include <vector>

#include "toolkit/core/types.h"

class QWidget;

namespace mox {

class TWinControl;

enum class TOutlineKind { Frame, Band };

struct TOutline {
    TOutlineKind Kind = TOutlineKind::Frame;
    TRect Rect;  // as drawn: a frame from (left + 1, top + 1), a band from anchor + 1
    bool operator==(const TOutline&) const = default;
};

class TDragFeedback {
public:
    TDragFeedback();
    ~TDragFeedback();
    TDragFeedback(const TDragFeedback&) = delete;
    TDragFeedback& operator=(const TDragFeedback&) = delete;

    // A 2-pixel grey frame around `bounds` (client coordinates of `surface`).
    void DrawFrame(TWinControl* surface, const TRect& bounds);
    // The dotted band between two corners (client coordinates of `surface`), not normalised.
    void DrawBand(TWinControl* surface, TPoint anchor, TPoint corner);
    // Takes every outline away at once.
    void Clear();

    // What is on the surface now.
    const std::vector<TOutline>& Outlines() const;

private:
    void Toggle(TWinControl* surface, const TOutline& outline);

    class TOverlay;
    QPointer<TOverlay> FOverlay;
};

}  // namespace mox
