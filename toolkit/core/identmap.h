#pragma once
// Tables of named integer constants (colours, cursors, character sets). A value is written under
// the first name that has it; a name is read back case-insensitively.

#include <QString>
#include <optional>
#include <span>

namespace mox {

struct TIdentMapEntry {
    int Value;
    const char16_t* Name;
};

using TIdentMap = std::span<const TIdentMapEntry>;

std::optional<QString> IntToIdent(TIdentMap map, int value);     // first entry with the value
std::optional<int> IdentToInt(TIdentMap map, QStringView name);  // case-insensitive

}  // namespace mox
