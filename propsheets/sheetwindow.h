#pragma once
// The window every property sheet shares: a fixed, small window with a lowered panel holding
// the key/value grid and the "Apply" button. Sheets are created hidden at start-up and reused
// for every control of their kind.

#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/valuelisteditor.h"

namespace mox {

class TPropertySheetWindow : public TForm {
    MOX_CLASS
public:
    // `name` is the window's component name, `caption` its title.
    TPropertySheetWindow(TComponent* owner, const QString& name, const QString& caption);

    TValueListEditor* Grid() const { return FGrid; }
    TButton* ApplyButton() const { return FApply; }

private:
    TPanel* FPanel = nullptr;
    TValueListEditor* FGrid = nullptr;
    TButton* FApply = nullptr;
};

}  // namespace mox
