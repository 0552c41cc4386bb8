#pragma once
// Controls without a window of their own: TGraphicControl paints on its parent's surface
// (under every windowed sibling) through a canvas the parent lends it while it paints.

#include <memory>

#include "toolkit/controls/wincontrol.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

class TGraphicControl : public TControl {
    MOX_CLASS
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // The canvas drawing on the parent's surface at this control's origin; usable in Paint.
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintInParent(QPainter& painter) override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};

// A windowed control that paints itself on a canvas (a panel, a grab handle, an instrument).
class TCustomControl : public TWinControl {
    MOX_CLASS
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(QPainter& painter, const TRect& dirty) override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace mox
