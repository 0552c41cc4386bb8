#pragma once
// The rows of the track bar's and the switch's property sheets.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition TrackBarSheet();
TSheetDefinition SwitchSheet();

}  // namespace mox
