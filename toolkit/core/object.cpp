#include "toolkit/core/object.h"

#include "toolkit/core/exceptions.h"

namespace mox {

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info(QStringLiteral("TObject"), nullptr);
    return info;
}

QString TObject::ClassName() const {
    return ClassType().ClassName();
}

bool TObject::InheritsFrom(const TClassInfo& cls) const {
    return ClassType().InheritsFrom(cls);
}

bool TPropInfo::IsOrdinal() const {
    switch (Kind) {
        case TTypeKind::Integer:
        case TTypeKind::Int64:
        case TTypeKind::Boolean:
        case TTypeKind::Enumeration:
        case TTypeKind::Set:
        case TTypeKind::Color:
        case TTypeKind::Cursor:
        case TTypeKind::Charset:
            return true;
        default:
            return false;
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->FParent)
        if (c == &other) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(QStringView name) const {
    for (const TPropInfo& p : FProperties)
        if (p.Name.compare(name, Qt::CaseInsensitive) == 0) return &p;
    return nullptr;
}

const TPublishedMethod* TClassInfo::FindMethod(QStringView name) const {
    for (const TClassInfo* c = this; c; c = c->FParent)
        for (const TPublishedMethod& m : c->FMethods)
            if (m.Name.compare(name, Qt::CaseInsensitive) == 0) return &m;
    return nullptr;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
    if (!FFactory)
        throw EComponentError(QStringLiteral("Class %1 cannot be created by name").arg(FName));
    return FFactory(owner);
}

}  // namespace mox
