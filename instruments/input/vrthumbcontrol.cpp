#include "instruments/input/vrthumbcontrol.h"

#include <algorithm>

#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TVrThumbControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrThumbControl>("TVrThumbControl", TVrCustomImageControl::StaticClass())
            .Build();
    return info;
}

TVrThumbControl::TVrThumbControl(TComponent* owner) : TVrCustomImageControl(owner) {
    FBitmapLink.OnChange = [this](TObject*) { ThumbChanged(); };
}

void TVrThumbControl::SetThumbStates(int value) {
    value = std::clamp(value, 1, kMaxThumbStates);
    if (value == FThumbStates) return;
    FThumbStates = value;
    if (!Loading()) LoadThumb();
    RedrawControl();
}

void TVrThumbControl::SetThumbImageIndex(int value) {
    if (value == FThumbImageIndex) return;
    FThumbImageIndex = value;
    ThumbChanged();
}

void TVrThumbControl::SetBitmapList(TVrBitmapList* value) {
    if (!ReplaceSharedComponent(*this, FBitmapList, value, FBitmapLink)) return;
    ThumbChanged();
}

void TVrThumbControl::Notification(TComponent* component, TOperation operation) {
    TVrCustomImageControl::Notification(component, operation);
    // The list is going: its links were let go already, so only forget it.
    if (operation == TOperation::opRemove && component == FBitmapList) {
        FBitmapList = nullptr;
        ThumbChanged();
    }
}

void TVrThumbControl::Loaded() {
    TVrCustomImageControl::Loaded();
    // The thumb states may have been read after the thumb.
    LoadThumb();
}

void TVrThumbControl::LoadThumb() {
    FFace.Invalidate();  // the face is laid out around the thumb
    FThumb.Load(FBitmapList, FThumbImageIndex, BuiltinThumb(), FThumbStates);
    ThumbLoaded();
}

const TBitmap* TVrThumbControl::BackImage() const {
    return FBitmapList ? FBitmapList->GetBitmap(FBackImageIndex) : nullptr;
}

void TVrThumbControl::ThumbChanged() {
    LoadThumb();
    RedrawControl();
}

void TVrThumbControl::SetFocused(bool value) {
    if (value == FFocused) return;
    FFocused = value;
    FFace.Invalidate();
    RedrawControl();
}

void TVrThumbControl::DoEnter() {
    TVrCustomImageControl::DoEnter();
    SetFocused(true);
}

void TVrThumbControl::DoExit() {
    TVrCustomImageControl::DoExit();
    SetFocused(false);
}

}  // namespace mox
