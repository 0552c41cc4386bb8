#pragma once
// Names of placed controls: the kind's prefix and the lowest number no component of the rack
// bears, so numbers freed by deleted controls are reused.

#include <QString>
#include <functional>

namespace mox {

class TComponent;

constexpr int kMaxNameNumber = 32768;

// The first of prefix1 .. prefix32768 that no component `owner` owns bears (names compare
// without regard to case); empty when every one is taken.
QString LowestFreeName(const TComponent& owner, const QString& prefix);
// The same over any set of names: `taken` says whether a candidate is in use.
QString LowestFreeName(const QString& prefix, const std::function<bool(const QString&)>& taken);

}  // namespace mox
