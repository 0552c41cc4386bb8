#include "app/controlnaming.h"

#include <QSet>

#include "toolkit/core/component.h"

namespace mox {

QString LowestFreeName(const TComponent& owner, const QString& prefix) {
    // One pass over the owned names, so a rack with thousands of controls names in linear time.
    QSet<QString> taken;
    for (int i = 0; i < owner.ComponentCount(); ++i)
        taken.insert(owner.Components(i)->Name().toCaseFolded());
    return LowestFreeName(
        prefix, [&](const QString& candidate) { return taken.contains(candidate.toCaseFolded()); });
}

QString LowestFreeName(const QString& prefix, const std::function<bool(const QString&)>& taken) {
    for (int n = 1; n <= kMaxNameNumber; ++n) {
        const QString candidate = prefix + QString::number(n);
        if (!taken(candidate)) return candidate;
    }
    return {};
}

}  // namespace mox
