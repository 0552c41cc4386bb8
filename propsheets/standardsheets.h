#pragma once
// The rows of the property sheets of the toolkit's standard kinds: label, edit box, memo, image
// and drop-down list.

#include "propsheets/propertysheet.h"

namespace mox {

TSheetDefinition LabelSheet();
TSheetDefinition EditSheet();
TSheetDefinition MemoSheet();
TSheetDefinition ImageSheet();
TSheetDefinition DropDownSheet();

}  // namespace mox
