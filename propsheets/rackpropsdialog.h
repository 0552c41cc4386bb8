#pragma once
// The rack properties dialog: the list of the controls on the rack (the rack control list's only
// view; picking a name selects that control), the rack's caption and the designer's grid and
// grab-handle settings. It opens under the palette window and reads its rows each time it is
// shown.

#include "propsheets/propertysheet.h"
#include "propsheets/rackcontrollist.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/label.h"

namespace mox {

class TFrmRProp : public TForm {
    MOX_CLASS
public:
    TFrmRProp(TComponent* owner, const TSheetHost& host, TRackControlList& controls);

    TComboBox* CBControls() const { return FControls; }
    TValueListEditor* Grid() const { return FGrid; }
    TButton* ApplyButton() const { return FApply; }
    TColorDialog* ColorDialog() const { return FColorDialog; }

    // Caption, handle size and grid step are applied in that order, stopping at the first
    // that fails; the two switches only when all three succeeded.
    void Apply();
    // The ellipsis button of the current row: the colour rows.
    void EditCurrentRow();
    // The user picked a name in the control list.
    void ControlPicked();

private:
    void FormShow(TObject*);
    void ShowControlList();
    void FillRows();

    TSheetHost FHost;
    TRackControlList& FList;
    TComboBox* FControls = nullptr;
    TValueListEditor* FGrid = nullptr;
    TButton* FApply = nullptr;
    TColorDialog* FColorDialog = nullptr;
};

}  // namespace mox
