#pragma once
// The rows of the property sheets of the instruments written so far.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition AnalogMeterSheet();
TSheetDefinition SliderSheet();

}  // namespace mox
