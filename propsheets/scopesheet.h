#pragma once
// The rows of the scope's property sheet.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition ScopeSheet();

}  // namespace mox
