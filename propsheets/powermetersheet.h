#pragma once
// The rows of the power meter's property sheet.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition PowerMeterSheet();

}  // namespace mox
