#pragma once
// The one place where the font names racks use ("MS Sans Serif", "Arial") become installed
// families, so text measures the same on every machine with the packages our scripts install.

#include <QString>

namespace mox {

QString InstalledFontFamily(const QString& name);

}  // namespace mox
