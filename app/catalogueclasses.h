#pragma once
// The classes a rack file may name: the classes of the catalogue's 22 control kinds.

#include "toolkit/core/classregistry.h"

namespace mox {

void RegisterCatalogueClasses(TClassRegistry& registry);
// The program's registry, filled once.
const TClassRegistry& CatalogueClasses();

}  // namespace mox
