#pragma once
// The rows of the LED's property sheet.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition LedSheet();

}  // namespace mox
