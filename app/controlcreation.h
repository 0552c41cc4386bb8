#pragma once
// Creation of a control of a catalogue kind with the settings a newly placed control of that
// kind starts with.

namespace mox {

class TClassRegistry;
class TControl;
class TCustomForm;

// A control of catalogue kind `kind` owned by `rack`, without a parent, with its kind's
// creation settings applied; none for a kind outside the catalogue or whose class `registry`
// does not hold.
TControl* CreateControlOfKind(int kind, TCustomForm& rack, const TClassRegistry& registry);

}  // namespace mox
