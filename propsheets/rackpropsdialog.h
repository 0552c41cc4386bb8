#pragma once
// The rack properties dialog: the list of the controls on the rack (the rack control list's
// only view), the rack's caption and the designer's grid and grab-handle settings. It opens
// under the palette window.

#include <QStringList>

#include "toolkit/button.h"
#include "toolkit/combobox.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/valuelisteditor.h"

namespace mox {

class TFrmRProp : public TForm {
    MOX_CLASS
public:
    // `palette` is the window the dialog opens under.
    TFrmRProp(TComponent* owner, TCustomForm& palette);

    TComboBox* CBControls() const { return FControls; }
    TValueListEditor* Grid() const { return FGrid; }
    TButton* ApplyButton() const { return FApply; }

    // Shows `names` in the control list with entry `current` chosen (-1 for none).
    void ShowControlList(const QStringList& names, int current);

private:
    void FormShow(TObject*);

    TCustomForm& FPalette;
    TComboBox* FControls = nullptr;
    TValueListEditor* FGrid = nullptr;
    TButton* FApply = nullptr;
};

}  // namespace mox
