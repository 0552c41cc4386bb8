#include "toolkit/graphics/fontmapping.h"

#include <QFontDatabase>
#include <QHash>

namespace mox {

namespace {

// Metric-compatible substitutes from fonts-liberation2; DejaVu Sans (fonts-dejavu-core) for
// every other name that is not installed.
const QHash<QString, QString>& Substitutes() {
    static const QHash<QString, QString> table = {
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("microsoft sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("ms serif"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
    };
    return table;
}

const QString kFallbackFamily = QStringLiteral("DejaVu Sans");

}  // namespace

QString InstalledFontFamily(const QString& name) {
    auto it = Substitutes().constFind(name.toLower());
    if (it != Substitutes().constEnd()) return *it;
    return QFontDatabase::hasFamily(name) ? name : kFallbackFamily;
}

}  // namespace mox
