#pragma once
// The rack window: the design surface and the document. It owns every control placed on it and
// its form designer; while the designer is suspended for placing, a left click on the rack
// creates, positions, names and selects a control of the palette's chosen kind.

#include "propsheets/rackcontrollist.h"
#include "toolkit/controls/form.h"

namespace mox {

class TClassRegistry;
class TFormDesigner;
class TfrmPalette;

class TfrmRack : public TForm {
    MOX_CLASS
public:
    // `palette` gives the chosen kind and the commands that follow the selection; `registry`
    // the classes a control can be created from.
    TfrmRack(TComponent* owner, TfrmPalette& palette, const TClassRegistry& registry);

    TFormDesigner* Designer() const { return FDesigner; }
    TRackControlList& ControlList() { return FControlList; }
    const TRackControlList& ControlList() const { return FControlList; }

    // A control of catalogue kind `kind` owned by the rack, without a parent, with the kind's
    // creation settings; none when the kind cannot be created.
    TControl* CreateControl(int kind);
    // Gives a new control the kind's prefix and the lowest free number, lists it and clears the
    // text of the kinds that start without one. False when no name could be given.
    bool NameControl(TControl* control, const QString& prefix);

    // Placement: the designer's handler for the messages it hands over while suspended.
    void PlaceOnClick(TMsg& msg);

private:
    void SetUpDesigner();
    void FormShow(TObject*);
    void FormActivate(TObject*);
    void FormClick(TObject*);
    void DesignerSelectControl(TObject*, TControl* control);
    bool Contains(const TWinControl* control) const;
    // Where a click on `window` (on the rack) places: the rack, or the first control up from
    // the clicked one that takes children; none when nothing there does.
    TWinControl* ContainerAt(HWND window);
    void PlaceControl(TWinControl& container, TPoint at);

    TfrmPalette& FPalette;
    const TClassRegistry& FRegistry;
    TFormDesigner* FDesigner = nullptr;
    TRackControlList FControlList;
};

}  // namespace mox
