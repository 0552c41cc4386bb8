#pragma once
// The rows of the instruments' property sheets.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition AnalogMeterSheet();
TSheetDefinition SliderSheet();

}  // namespace mox
