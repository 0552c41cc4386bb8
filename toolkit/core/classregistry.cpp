#include "toolkit/core/classregistry.h"

#include "toolkit/core/exceptions.h"

namespace mox {

void TClassRegistry::RegisterClass(const TClassInfo& cls) {
    if (const TClassInfo* existing = FindClass(cls.ClassName())) {
        if (existing == &cls) return;
        throw EComponentError(
            QStringLiteral("A class named %1 is already registered").arg(cls.ClassName()));
    }
    if (!cls.Creatable())
        throw EComponentError(
            QStringLiteral("Class %1 cannot be created by name").arg(cls.ClassName()));
    FClasses.push_back(&cls);
}

const TClassInfo* TClassRegistry::FindClass(QStringView name) const {
    for (const TClassInfo* c : FClasses)
        if (c->ClassName().compare(name, Qt::CaseInsensitive) == 0) return c;
    return nullptr;
}

TComponent* TClassRegistry::CreateComponent(QStringView className, TComponent* owner) const {
    const TClassInfo* cls = FindClass(className);
    if (!cls) throw EClassNotFound(QStringLiteral("Class %1 not found").arg(className));
    return cls->Create(owner);
}

}  // namespace mox
