#pragma once
// Turns a root component (a rack window) and everything it owns into a stream record: each
// object's stored properties in the order of its class's table, then its custom properties,
// then its children.

#include "rackfile/streamtree.h"
#include "toolkit/core/component.h"

namespace mox::rack {

TObjectRecord WriteComponentTree(TComponent& root);

// The stored properties of one object, nested objects under dotted names (for tests and tools).
std::vector<TStreamProperty> WriteProperties(TPersistent& object);

}  // namespace mox::rack
