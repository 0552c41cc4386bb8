#pragma once
// The classes a rack file may name: the control kinds of the catalogue that have a class.

#include "toolkit/core/classregistry.h"

namespace mox {

void RegisterCatalogueClasses(TClassRegistry& registry);
// The program's registry, filled once.
const TClassRegistry& CatalogueClasses();

}  // namespace mox
