#include "toolkit/controls/graphiccontrol.h"

#include <QPainter>

#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {
// Lends a painter to a canvas for the length of one paint, also when Paint throws.
class TPainterBinding {
public:
    TPainterBinding(TCanvas& canvas, QPainter& painter) : FCanvas(canvas) {
        FCanvas.Lock();
        FCanvas.BindPainter(&painter);
    }
    ~TPainterBinding() {
        FCanvas.UnbindPainter();
        FCanvas.Unlock();
    }
    TPainterBinding(const TPainterBinding&) = delete;
    TPainterBinding& operator=(const TPainterBinding&) = delete;

private:
    TCanvas& FCanvas;
};

// Font changes of the control reach the canvas it paints with.
void FollowFont(TCanvas& canvas, const TControl& control) {
    canvas.SetFont(control.Font());
}
}  // namespace

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TGraphicControl>("TGraphicControl", TControl::StaticClass()).Build();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintInParent(QPainter& painter) {
    TPainterBinding binding(*FCanvas, painter);
    FollowFont(*FCanvas, *this);
    Paint();
}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == CM_FONTCHANGED) FollowFont(*FCanvas, *this);
    TControl::WndProc(message);
}

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomControl>("TCustomControl", TWinControl::StaticClass()).Build();
    return info;
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(QPainter& painter, const TRect& dirty) {
    if (!ControlStyle().Contains(TControlStyleFlag::csOpaque))
        TWinControl::PaintWindow(painter, dirty);
    TPainterBinding binding(*FCanvas, painter);
    FollowFont(*FCanvas, *this);
    Paint();
}

void TCustomControl::WndProc(TMessage& message) {
    if (message.Msg == CM_FONTCHANGED) FollowFont(*FCanvas, *this);
    TWinControl::WndProc(message);
}

}  // namespace mox
