#include "toolkit/stdctrls/image.h"

#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TImage::StaticClass() {
    using C = TImage;
    static const TClassInfo info =
        TClassBuilder<C>("TImage", TGraphicControl::StaticClass())
            .Creatable()
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors,
                 TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop})
            .Stored(&C::IsAnchorsStored)
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, false)
            .Boolean("Center", &C::Center, &C::SetCenter, false)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Boolean("IncrementalDisplay", &C::IncrementalDisplay, &C::SetIncrementalDisplay, false)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Object("Picture", &C::Picture, &C::SetPicture)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("Proportional", &C::Proportional, &C::SetProportional, false)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Stretch", &C::Stretch, &C::SetStretch, false)
            .Boolean("Transparent", &C::Transparent, &C::SetTransparent, false)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
    TControlStyle style = ControlStyle();
    style.Include(TControlStyleFlag::csReplicatable);
    SetControlStyle(style);
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    PictureChanged();
}

void TImage::SetCenter(bool value) {
    if (value == FCenter) return;
    FCenter = value;
    Invalidate();
}

void TImage::SetIncrementalDisplay(bool value) {
    if (value == FIncrementalDisplay) return;
    FIncrementalDisplay = value;
}

void TImage::SetPopupMenu(TPopupMenu* value) {
    if (value == FPopupMenu.get()) return;
    FPopupMenu = value;
}

void TImage::SetProportional(bool value) {
    if (value == FProportional) return;
    FProportional = value;
    Invalidate();
}

void TImage::SetStretch(bool value) {
    if (value == FStretch) return;
    FStretch = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    if (TBitmap* graphic = FPicture->Graphic()) graphic->SetTransparent(value);
    Invalidate();
}

void TImage::PictureChanged() {
    TBitmap* graphic = FPicture->Graphic();
    if (graphic && graphic->Transparent() != FTransparent) graphic->SetTransparent(FTransparent);
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    Invalidate();
}

TRect TImage::DestRect() const {
    const int cw = ClientWidth(), ch = ClientHeight();
    int w = FPicture->Width(), h = FPicture->Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // Fit the longer side first, then the other if it still overflows.
            const double aspect = static_cast<double>(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = static_cast<int>(ch * aspect);
                }
            } else {
                h = ch;
                w = static_cast<int>(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = static_cast<int>(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect rect = Rect(0, 0, w, h);
    if (FCenter) {
        const int dx = (cw - w) / 2, dy = (ch - h) / 2;
        rect = Rect(dx, dy, dx + w, dy + h);
    }
    return rect;
}

void TImage::Paint() {
    const TBitmap* graphic = FPicture->Graphic();
    if (!graphic || graphic->Empty()) return;
    Canvas()->StretchDraw(DestRect(), *graphic);
}

}  // namespace mox
