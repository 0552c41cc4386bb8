#pragma once
// The rows of the border's and the gradient panel's property sheets.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition BorderSheet();
TSheetDefinition GradientSheet();

}  // namespace mox
