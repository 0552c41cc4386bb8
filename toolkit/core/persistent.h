#pragma once
// Objects whose state can be copied (Assign) and streamed: nested property objects and, through
// TComponent, every component.

#include "toolkit/core/definedproperties.h"
#include "toolkit/core/object.h"

namespace mox {

class TPersistent : public TObject {
    MOX_CLASS
public:
    // Copies the state of `source`; a class that cannot take it passes it on to source.AssignTo,
    // which fails with "Cannot assign a X to a Y".
    virtual void Assign(const TPersistent* source);

    // Custom-streamed properties, written after the published ones.
    virtual void DefineProperties(TFiler& filer);

protected:
    virtual void AssignTo(TPersistent* dest) const;
};

}  // namespace mox
