#include "toolkit/core/persistent.h"

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/exceptions.h"

namespace mox {

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPersistent>("TPersistent", TObject::StaticClass()).Build();
    return info;
}

void TPersistent::Assign(const TPersistent* source) {
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw EConvertError(QStringLiteral("Cannot assign a nil to a %1").arg(ClassName()));
}

void TPersistent::AssignTo(TPersistent* dest) const {
    throw EConvertError(
        QStringLiteral("Cannot assign a %1 to a %2").arg(ClassName(), dest->ClassName()));
}

void TPersistent::DefineProperties(TFiler&) {}

}  // namespace mox
