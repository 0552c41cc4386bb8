#include "resources/builtinresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the generated initialiser, which lives in the global namespace.
static void InitBitmapsResource() {
    Q_INIT_RESOURCE(bitmaps);
}

namespace mox {

void InitBuiltinResources() {
    static const bool initialised = [] {
        InitBitmapsResource();
        return true;
    }();
    static_cast<void>(initialised);
}

}  // namespace mox
