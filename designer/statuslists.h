#pragma once
// The three status lists of a designer (locked, protected, transparent): a list of component
// names, how far it reaches down the parent chain and whether its meaning is inverted.

#include "designer/designerenums.h"
#include "toolkit/core/strings.h"

namespace mox {

class TControl;

class TStatusList {
public:
    TStringList& Names() { return FNames; }
    const TStringList& Names() const { return FNames; }
    bool Inverse() const { return FInverse; }
    void SetInverse(bool value) { FInverse = value; }
    TChildrenMode Children() const { return FChildren; }
    void SetChildren(TChildrenMode value) { FChildren = value; }

    // Whether `control` has the status on `form`: never for none, always for the form itself;
    // otherwise whether it (or, by the children mode, an ancestor below the form) is listed,
    // inverted when the list is inverse.
    bool Test(const TControl* control, const TControl* form) const;

private:
    bool Listed(const TControl* control) const;

    TStringList FNames;
    bool FInverse = false;
    TChildrenMode FChildren = TChildrenMode::cmNone;
};

}  // namespace mox
