#include "app/catalogueclasses.h"

#include "toolkit/combobox.h"
#include "toolkit/edit.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/memo.h"

namespace mox {

void RegisterCatalogueClasses(TClassRegistry& registry) {
    registry.RegisterClass(TLabel::StaticClass());
    registry.RegisterClass(TEdit::StaticClass());
    registry.RegisterClass(TMemo::StaticClass());
    registry.RegisterClass(TImage::StaticClass());
    registry.RegisterClass(TComboBox::StaticClass());
}

const TClassRegistry& CatalogueClasses() {
    static const TClassRegistry registry = [] {
        TClassRegistry r;
        RegisterCatalogueClasses(r);
        return r;
    }();
    return registry;
}

}  // namespace mox
