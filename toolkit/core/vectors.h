#pragma once
// Small helpers for the vectors that hold children and owned components.

#include <algorithm>
#include <vector>

namespace mox {

// Removes the last occurrence of `value`, searching from the back: children and owned components
// leave last first when their parent or owner goes, so this finds them at once.
template <class T>
void EraseLast(std::vector<T>& items, const T& value) {
    const auto it = std::find(items.rbegin(), items.rend(), value);
    if (it != items.rend()) items.erase(std::next(it).base());
}

}  // namespace mox
