#include "toolkit/core/typeinfo.h"

namespace mox {

int TEnumInfo::OrdinalOf(QStringView name) const {
    for (int i = 0; i < Names.size(); ++i)
        if (Names[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QString TEnumInfo::NameOf(int ordinal) const {
    return ordinal >= 0 && ordinal < Names.size() ? Names[ordinal] : QString();
}

TEnumInfo TEnumInfo::Parse(const char* typeName, const char* members) {
    TEnumInfo info{QString::fromLatin1(typeName), {}};
    for (const QString& m : QString::fromLatin1(members).split(u',', Qt::SkipEmptyParts))
        info.Names.append(m.trimmed());
    return info;
}

QString SetToString(const TEnumInfo& elementType, std::uint64_t bits) {
    QStringList names;
    for (int i = 0; i < elementType.Count() && i < 64; ++i)
        if (bits & (std::uint64_t{1} << i)) names.append(elementType.Names[i]);
    return u'[' + names.join(u", ") + u']';
}

}  // namespace mox
