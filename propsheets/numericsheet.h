#pragma once
// The rows of the numeric display's property sheet.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition NumericSheet();

}  // namespace mox
