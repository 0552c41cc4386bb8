#pragma once
// Reads a stream record into an existing root component (the rack window): the root keeps its
// class, takes the stored name made unique among the top-level windows, and gets its stored
// properties in file order; each child record creates a control of a registered class, owned by
// the root and parented by the enclosing object. Once the whole tree is read, references are
// resolved and every loaded object hears Loaded().

#include "rackfile/streamtree.h"
#include "toolkit/core/classregistry.h"
#include "toolkit/core/component.h"

namespace mox::rack {

struct TReadResult {
    int ObjectCount = 0;  // the root and every child created
};

// Raises EReadError/EClassNotFound/EComponentError with the byte offset of the record or property
// at fault. Controls created before a failure stay on the root, loaded and usable.
TReadResult ReadComponentTree(const TObjectRecord& record, TComponent& root,
                              const TClassRegistry& registry);

// "%s_%d" with 1, 2, 3... until no top-level window (the root included) has the name.
QString UniqueRootName(const QString& stored, const TComponent& root);

}  // namespace mox::rack
