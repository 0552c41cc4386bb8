#pragma once
// The rows of the matrix display's property sheet.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition MatrixSheet();

}  // namespace mox
