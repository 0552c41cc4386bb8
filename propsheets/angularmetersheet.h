#pragma once
// The angular meter's property sheet.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition AngularMeterSheet();

}  // namespace mox
