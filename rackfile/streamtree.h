#pragma once
// A component stream as a tree of records. The binary form, the text form and the components
// themselves are all converted through this tree, so each conversion is one small step.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace mox::rack {

// The value tags of the binary stream.
enum class TValueType : std::uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
};
constexpr int kLastValueType = 20;

struct TStreamValue;
struct TStreamProperty;

struct TStreamItem {  // one item of a collection value
    std::vector<TStreamValue> Index;  // empty, or one integer value: the item's index
    std::vector<TStreamProperty> Properties;
};

struct TStreamValue {
    TValueType Type = TValueType::vaNull;
    std::int64_t Integer = 0;            // vaInt8..vaInt64; vaCurrency: the value times 10000
    long double Extended = 0;            // vaExtended (80-bit)
    float Single = 0;                    // vaSingle
    double Date = 0;                     // vaDate
    QString Text;                        // vaIdent and every string type, decoded
    QByteArray Bytes;                    // vaBinary
    QStringList SetMembers;              // vaSet
    std::vector<TStreamValue> List;      // vaList
    std::vector<TStreamItem> Items;  // vaCollection

    bool IsInteger() const;
    bool IsString() const;

    static TStreamValue Int(std::int64_t value);    // the smallest integer tag
    static TStreamValue Str(const QString& value);  // the tag the string encoding rule picks
    static TStreamValue Ident(const QString& name);
    static TStreamValue Bool(bool value);
    static TStreamValue Ext(long double value);
    static TStreamValue Nil();
    static TStreamValue Set(const QStringList& members);
    static TStreamValue Binary(const QByteArray& bytes);
    static TStreamValue ListOf(std::vector<TStreamValue> items);
};

struct TStreamProperty {
    QString Name;  // dotted for nested objects ("Font.Color")
    TStreamValue Value;
    qsizetype Offset = 0;  // where the property record starts in the binary stream it came from
};

// Prefix flags of an object record.
constexpr std::uint8_t ffInherited = 1, ffChildPos = 2, ffInline = 4;

struct TObjectRecord {
    std::uint8_t Flags = 0;
    std::int64_t Position = 0;  // the child position, with ffChildPos
    QString ClassName;
    QString Name;
    std::vector<TStreamProperty> Properties;
    std::vector<TObjectRecord> Children;
    qsizetype Offset = 0;  // where the record starts in the binary stream it was read from
};

}  // namespace mox::rack
