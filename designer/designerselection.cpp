// The selection: which controls are selected, which one is current, and the marks a multiple
// selection shows.
#include <algorithm>

#include "designer/formdesigner.h"
#include "designer/grabhandles.h"
#include "toolkit/controls/form.h"

namespace mox {

TControl* TCustomFormDesigner::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw EFormDesigner(QStringLiteral("Index of Controls array is out or range."));
    return FSelection[static_cast<std::size_t>(index)];
}

int TCustomFormDesigner::IndexOf(const TControl* control) const {
    auto it = std::find(FSelection.begin(), FSelection.end(), control);
    return it == FSelection.end() ? -1 : static_cast<int>(it - FSelection.begin());
}

void TCustomFormDesigner::ClearFocus() {
    if (TCustomForm* form = Form()) form->SetActiveControl(nullptr);
}

void TCustomFormDesigner::SetControl(TControl* value) {
    if (value && value->Parent() != Form()) value = nullptr;
    if (value == Control() || IsTransparent(value) || IsProtected(value)) return;
    while (!FSelection.empty())
        DeleteControl(FSelection.front());
    AddControl(value);
    if (Control()) ClearFocus();
    TApplication::Instance().ProcessMessages();
    if (FSelection.empty()) OnSelectControl(this, nullptr);
}

void TCustomFormDesigner::AddControl(TControl* control) {
    const TCustomForm* form = Form();
    if (!control || !form || control->Parent() != form) return;
    if (FGrabHandles && FGrabHandles->IsGrabHandle(control)) return;
    TControl* previous = Control();
    const int index = IndexOf(control);
    const bool inserted = index < 0;
    if (inserted) {
        FSelection.insert(FSelection.begin(), control);
        FreeNotification(control);
        TApplication::Instance().ProcessMessages();
        OnAddControl(this, control);
        OnSelectControl(this, control);
    } else if (index > 0) {
        std::swap(FSelection[0], FSelection[static_cast<std::size_t>(index)]);
        TApplication::Instance().ProcessMessages();
        OnSelectControl(this, control);
    }
    if (ControlCount() <= 1) {
        EraseMarks(control);
        control->Repaint();
    } else {
        PaintMarks(control);
    }
    if (FGrabHandles) FGrabHandles->SetControl(control);
    if (inserted && previous) PaintMarks(previous);
}

void TCustomFormDesigner::DeleteControl(TControl* control) {
    const int index = IndexOf(control);
    if (index < 0) return;
    FSelection.erase(FSelection.begin() + index);
    RemoveFreeNotification(control);
    EraseMarks(control);
    try {
        control->Invalidate();
    } catch (const std::exception&) {
        // The control may be on its way out; its area is repainted by its parent then.
    }
    if (FGrabHandles && FGrabHandles->Control() == control) FGrabHandles->SetControl(Control());
    TApplication::Instance().ProcessMessages();
    OnDeleteControl(this, control);
}

void TCustomFormDesigner::SelectAll() {
    const TCustomForm* form = Form();
    if (!form) return;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* c = dynamic_cast<TControl*>(form->Components(i));
        if (!c || !c->Visible() || !c->Parent() || !c->Parent()->Showing()) continue;
        if (FGrabHandles && FGrabHandles->IsGrabHandle(c)) continue;
        if (IsProtected(c) || IsTransparent(c)) continue;
        AddControl(c);
    }
}

bool TCustomFormDesigner::PruneSelection() {
    bool lastWasLocked = false;
    std::size_t i = 0;
    while (i < FSelection.size()) {
        TControl* c = FSelection[i];
        const TControl* current = Control();
        const bool locked = IsLocked(c);
        if (c->Parent() != current->Parent() || locked) {
            lastWasLocked = locked;
            DeleteControl(c);
        } else {
            ++i;
        }
    }
    return lastWasLocked;
}

// ---- Marks

void TCustomFormDesigner::PaintMarks(TControl* control) {
    if (FGrabHandles && FGrabHandles->IsGrabHandle(control)) return;
    TApplication::Instance().ProcessMessages();
    // Marks outlive repaints here, so only a control that is still selected may get them.
    if (IndexOf(control) >= 0) FMarks.Paint(control, FGrabSize);
    TApplication::Instance().ProcessMessages();
}

void TCustomFormDesigner::PaintAllMarks() {
    // Handlers run inside PaintMarks may shrink the selection.
    for (std::size_t i = 0; i < FSelection.size(); ++i)
        PaintMarks(FSelection[i]);
}

void TCustomFormDesigner::EraseMarks(TControl* control) {
    FMarks.Erase(control);
}

// ---- Controls that go away

void TCustomFormDesigner::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || !component->IsDestroying()) return;
    auto it = std::find(FSelection.begin(), FSelection.end(), component);
    if (it != FSelection.end()) ControlDestroyed(*it);
}

void TCustomFormDesigner::ControlDestroyed(TControl* control) {
    if (IsDestroying()) return;
    const TCustomForm* form = Form();
    if (!form || form->IsDestroying()) {
        // The whole form is going: only forget the control.
        std::erase(FSelection, control);
        FMarks.Erase(control);
        return;
    }
    // Only the component part of the control is left: it must not be asked to repaint.
    std::erase(FSelection, control);
    FMarks.Erase(control);
    if (FGrabHandles) FGrabHandles->SetControl(Control());
    TApplication::Instance().ProcessMessages();
    OnDeleteControl(this, control);
    CancelDrag();
    if (FActive) Update();
}

}  // namespace mox
