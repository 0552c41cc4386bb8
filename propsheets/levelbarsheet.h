#pragma once
// The rows of the level bar's property sheet.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition LevelBarSheet();

}  // namespace mox
