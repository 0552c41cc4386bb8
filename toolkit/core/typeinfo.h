#pragma once
// Run-time names of enumerations and sets, so that property tables can store and look up values
// by the names a rack file uses ("alNone", "[biSystemMenu, biMinimize]").

#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>

namespace mox {

struct TEnumInfo {
    QString TypeName;
    QStringList Names;  // indexed by ordinal

    // Ordinal of a member name, compared case-insensitively; -1 when there is none.
    int OrdinalOf(QStringView name) const;
    QString NameOf(int ordinal) const;  // empty for an ordinal outside the type
    int Count() const { return static_cast<int>(Names.size()); }

    // Builds the info from the stringised member list of MOX_ENUM.
    static TEnumInfo Parse(const char* typeName, const char* members);
};

// Declares `enum class Type { members }` together with its run-time names, found through
// EnumInfoOf(Type{}) by argument-dependent lookup. Members must be plain sequential names.
#define MOX_ENUM(Type, ...)                                                                \
    enum class Type { __VA_ARGS__ };                                                       \
    inline const ::mox::TEnumInfo& EnumInfoOf(Type) {                                      \
        static const ::mox::TEnumInfo info = ::mox::TEnumInfo::Parse(#Type, #__VA_ARGS__); \
        return info;                                                                       \
    }

template <class E>
const TEnumInfo& EnumInfo() {
    return EnumInfoOf(E{});
}

// A set of enumeration members, held as a bit mask by ordinal (up to 64 members).
template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members) {
        for (E m : members)
            Include(m);
    }
    static constexpr TSet FromBits(std::uint64_t bits) {
        TSet s;
        s.FBits = bits;
        return s;
    }

    constexpr bool Contains(E m) const { return (FBits & Bit(m)) != 0; }
    constexpr void Include(E m) { FBits |= Bit(m); }
    constexpr void Exclude(E m) { FBits &= ~Bit(m); }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr std::uint64_t Bits() const { return FBits; }

    constexpr TSet operator+(TSet o) const { return FromBits(FBits | o.FBits); }
    constexpr TSet operator-(TSet o) const { return FromBits(FBits & ~o.FBits); }
    constexpr TSet operator*(TSet o) const { return FromBits(FBits & o.FBits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint64_t Bit(E m) { return std::uint64_t{1} << static_cast<int>(m); }
    std::uint64_t FBits = 0;
};

// "[a, b]" for a set value, members in ascending ordinal order.
QString SetToString(const TEnumInfo& elementType, std::uint64_t bits);

}  // namespace mox
