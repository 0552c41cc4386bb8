#include "instruments/base/vrresources.h"

#include "resources/builtinresources.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

void LoadBuiltinBitmap(TBitmap& bitmap, const QString& name) {
    InitBuiltinResources();
    bitmap.LoadFromResourceName(name);
}

}  // namespace mox
