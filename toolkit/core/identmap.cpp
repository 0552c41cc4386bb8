#include "toolkit/core/identmap.h"

namespace mox {

std::optional<QString> IntToIdent(TIdentMap map, int value) {
    for (const TIdentMapEntry& e : map)
        if (e.Value == value) return QString::fromUtf16(e.Name);
    return std::nullopt;
}

std::optional<int> IdentToInt(TIdentMap map, QStringView name) {
    for (const TIdentMapEntry& e : map)
        if (name.compare(QStringView(e.Name), Qt::CaseInsensitive) == 0) return e.Value;
    return std::nullopt;
}

}  // namespace mox
