#pragma once
// The rows of the sheets of the check LED, the power button and the spinner.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition CheckLedSheet();
TSheetDefinition PowerButtonSheet();
// The spinner's Hint names the numeric display of the rack it is assigned to.
TSheetDefinition SpinnerSheet();

}  // namespace mox
