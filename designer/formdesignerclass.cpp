// The designer classes as the class registry and the stream reader see them: TFormDesigner
// publishes the settings and events in the order a window description lists them.
#include "designer/formdesigner.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TCustomFormDesigner::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomFormDesigner>("TCustomFormDesigner", TComponent::StaticClass())
            .Build();
    return info;
}

const TClassInfo& TFormDesigner::StaticClass() {
    using C = TFormDesigner;
    static const TClassInfo info =
        TClassBuilder<C>("TFormDesigner", TCustomFormDesigner::StaticClass())
            .Creatable()
            .Boolean("ClearBeforeLoad", &C::ClearBeforeLoad, &C::SetClearBeforeLoad)
            .Enumeration("MessageProcessor", &C::MessageProcessor, &C::SetMessageProcessor)
            .Object("LockedControls", &C::LockedControls, &C::SetLockedControls)
            .Boolean("LockedInverse", &C::LockedInverse, &C::SetLockedInverse)
            .Enumeration("LockChildren", &C::LockChildren, &C::SetLockChildren)
            .Object("ProtectedControls", &C::ProtectedControls, &C::SetProtectedControls)
            .Boolean("ProtectedInverse", &C::ProtectedInverse, &C::SetProtectedInverse)
            .Enumeration("ProtectChildren", &C::ProtectChildren, &C::SetProtectChildren)
            .Enumeration("ProtectMode", &C::ProtectMode, &C::SetProtectMode)
            .Object("TransparentControls", &C::TransparentControls, &C::SetTransparentControls)
            .Boolean("TransparentInverse", &C::TransparentInverse, &C::SetTransparentInverse)
            .Enumeration("TransparentChildren", &C::TransparentChildren, &C::SetTransparentChildren)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Integer("GridStep", &C::GridStep, &C::SetGridStep)
            .Boolean("SnapToGrid", &C::SnapToGrid, &C::SetSnapToGrid)
            .Boolean("DisplayGrid", &C::DisplayGrid, &C::SetDisplayGrid)
            .Color("DesignerColor", &C::DesignerColor, &C::SetDesignerColor)
            .Color("GridColor", &C::GridColor, &C::SetGridColor)
            .Boolean("ShowMoveSizeHint", &C::ShowMoveSizeHint, &C::SetShowMoveSizeHint)
            .Integer("GrabSize", &C::GrabSize, &C::SetGrabSize)
            .Set("AlignmentPalette", &C::AlignmentPalette, &C::SetAlignmentPalette)
            .Color("NormalGrabBorder", &C::NormalGrabBorder, &C::SetNormalGrabBorder)
            .Color("NormalGrabFill", &C::NormalGrabFill, &C::SetNormalGrabFill)
            .Color("LockedGrabBorder", &C::LockedGrabBorder, &C::SetLockedGrabBorder)
            .Color("LockedGrabFill", &C::LockedGrabFill, &C::SetLockedGrabFill)
            .Event("OnMoveSizeControl", &C::OnMoveSizeControl)
            .Event("OnLoadControl", &C::OnLoadControl)
            .Event("OnSaveControl", &C::OnSaveControl)
            .Event("OnSelectControl", &C::OnSelectControl)
            .Event("OnAddControl", &C::OnAddControl)
            .Event("OnDeleteControl", &C::OnDeleteControl)
            .Event("OnControlDblClick", &C::OnControlDblClick)
            .Event("OnActivate", &C::OnActivate)
            .Event("OnDeactivate", &C::OnDeactivate)
            .Event("OnKeyDown", &C::OnKeyDown)
            .Event("OnKeyUp", &C::OnKeyUp)
            .Event("OnMessage", &C::OnMessage)
            .Event("OnMoveLimit", &C::OnMoveLimit)
            .Event("OnSizeLimit", &C::OnSizeLimit)
            .Event("OnReadError", &C::OnReadError)
            .Build();
    return info;
}

}  // namespace mox
