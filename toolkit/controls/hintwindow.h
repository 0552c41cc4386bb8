#pragma once
// A small pop-up window showing one line or a few lines of text on the info colours, like a
// tooltip; the designer shows a control's position or size in one while it is dragged.

#include "toolkit/controls/graphiccontrol.h"

namespace mox {

class THintWindow : public TCustomControl {
    MOX_CLASS
public:
    explicit THintWindow(TComponent* owner);

    // The screen rectangle (at the origin) that `hint` needs, lines broken at `maxWidth`.
    TRect CalcHintRect(int maxWidth, const QString& hint);
    // Shows the window over `screenRect` with `hint`.
    void ActivateHint(const TRect& screenRect, const QString& hint);
    // Hides the window and lets go of its resources.
    void ReleaseHandle();

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void Paint() override;
};

}  // namespace mox
