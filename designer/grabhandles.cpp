#include "designer/grabhandles.h"

#include "designer/formdesigner.h"
#include "designer/grabgeometry.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

// ---- TGrabHandle

const TClassInfo& TGrabHandle::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TGrabHandle>("TGrabHandle", TCustomControl::StaticClass()).Build();
    return info;
}

TGrabHandle::TGrabHandle(TGrabHandles* owner) : TCustomControl(owner) {
    // The grab image covers the whole window.
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
    const int size = Designer()->GrabSize();
    SetBounds(Left(), Top(), size, size);
}

TCustomFormDesigner* TGrabHandle::Designer() const {
    return static_cast<TGrabHandles*>(Owner())->Designer();
}

void TGrabHandle::SetPosition(TGrabPosition value) {
    if (value == FPosition) return;
    FPosition = value;
    SetCursor(GrabCursor(value));
    Replace();
}

void TGrabHandle::SetTargetRect(const TRect& value) {
    FTargetRect = value;
    Replace();
}

void TGrabHandle::SetLocked(bool value) {
    if (value == FLocked) return;
    FLocked = value;
    if (Visible()) Invalidate();
}

void TGrabHandle::Replace() {
    if (!Parent()) return;
    const int size = Designer()->GrabSize();
    const TPoint at = GrabHandleOrigin(FPosition, FTargetRect, size);
    SetBounds(at.X, at.Y, size, size);
}

void TGrabHandle::Paint() {
    Canvas()->Draw(0, 0, Designer()->GrabImage(FLocked));
}

void TGrabHandle::WndProc(TMessage& message) {
    TCustomControl::WndProc(message);
    if (FLocked) return;
    // Over an unlocked handle its own sizing cursor shows; elsewhere the designer's arrow.
    if (message.Msg == CM_MOUSEENTER)
        TScreen::Instance().SetCursor(crDefault);
    else if (message.Msg == CM_MOUSELEAVE)
        TScreen::Instance().SetCursor(crArrow);
}

// ---- TGrabHandles

const TClassInfo& TGrabHandles::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TGrabHandles>("TGrabHandles", TComponent::StaticClass()).Build();
    return info;
}

TGrabHandles::TGrabHandles(TCustomFormDesigner* designer) : TComponent(designer) {
    for (TGrabPosition position : kGrabPositions) {
        auto* handle = new TGrabHandle(this);
        handle->SetPosition(position);
        handle->SetVisible(false);
        handle->SetParent(designer->Form());
        FHandles[static_cast<std::size_t>(position) - 1] = handle;
    }
}

TCustomFormDesigner* TGrabHandles::Designer() const {
    return static_cast<TCustomFormDesigner*>(Owner());
}

TGrabHandle* TGrabHandles::Items(TGrabPosition position) const {
    if (position == TGrabPosition::gpNone) return nullptr;
    return FHandles[static_cast<std::size_t>(position) - 1].get();
}

void TGrabHandles::SetControl(TControl* value) {
    FControl = value;
    if (FEnabled) Refresh(true);
}

TRect TGrabHandles::TargetRect() const {
    const TGrabHandle* first = FHandles[0].get();
    return first ? first->TargetRect() : TRect{};
}

void TGrabHandles::SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    ShowHandles();
}

void TGrabHandles::SetEnabled(bool value) {
    FEnabled = value;
    FVisible = value && FVisible;
    // Also when the visible flag stays: it may have been set while the handles were disabled.
    ShowHandles();
}

void TGrabHandles::ShowHandles() {
    for (const auto& handle : FHandles)
        if (handle) handle->SetVisible(FEnabled && FVisible);
}

void TGrabHandles::Refresh(bool hideFirst) {
    TCustomFormDesigner* designer = Designer();
    if (!designer->Active()) return;
    TApplication::Instance().ProcessMessages();
    TControl* target = FControl.get();
    FVisible = FEnabled && target && target->Visible() && !designer->IsProtected(target) &&
               designer->ControlCount() <= 1;
    for (const auto& handle : FHandles) {
        if (!handle) continue;
        if (target) {
            if (hideFirst) handle->SetVisible(false);
            handle->SetParent(target->Parent());
            handle->SetTargetRect(target->BoundsRect());
            handle->SetLocked(designer->IsLocked(target));
            handle->SetVisible(FVisible);
            if (FVisible) handle->BringToFront();
        } else {
            handle->SetVisible(false);
            handle->SetParent(designer->Form());
        }
    }
    TApplication::Instance().ProcessMessages();
}

TGrabPosition TGrabHandles::PositionOf(HWND window) const {
    for (const auto& handle : FHandles)
        if (handle && window && handle->WindowHandle() == window) return handle->Position();
    return TGrabPosition::gpNone;
}

TGrabHandle* TGrabHandles::HandleOf(HWND window) const {
    return Items(PositionOf(window));
}

bool TGrabHandles::IsGrabHandle(const TComponent* component) const {
    if (!FVisible) return false;
    for (const auto& handle : FHandles)
        if (handle && handle.get() == component) return true;
    return false;
}

}  // namespace mox
