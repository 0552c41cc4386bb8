#include "rackfile/streamtree.h"

#include <limits>

namespace mox::rack {

namespace {
constexpr int kShortStringMax = 255;

bool AllAscii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x80) return false;
    return true;
}
}  // namespace

bool TStreamValue::IsInteger() const {
    return Type == TValueType::vaInt8 || Type == TValueType::vaInt16 ||
           Type == TValueType::vaInt32 || Type == TValueType::vaInt64;
}

bool TStreamValue::IsString() const {
    return Type == TValueType::vaString || Type == TValueType::vaLString ||
           Type == TValueType::vaWString || Type == TValueType::vaUTF8String;
}

TStreamValue TStreamValue::Int(std::int64_t value) {
    TStreamValue v;
    v.Integer = value;
    if (value >= std::numeric_limits<std::int8_t>::min() &&
        value <= std::numeric_limits<std::int8_t>::max())
        v.Type = TValueType::vaInt8;
    else if (value >= std::numeric_limits<std::int16_t>::min() &&
             value <= std::numeric_limits<std::int16_t>::max())
        v.Type = TValueType::vaInt16;
    else if (value >= std::numeric_limits<std::int32_t>::min() &&
             value <= std::numeric_limits<std::int32_t>::max())
        v.Type = TValueType::vaInt32;
    else
        v.Type = TValueType::vaInt64;
    return v;
}

// The classic rule, counting characters as UTF-16 code units: a string whose UTF-8 form is
// shorter than two bytes a character is stored 8-bit when it is plain ASCII and as UTF-8
// otherwise; every other string (the empty one included) is stored wide.
TStreamValue TStreamValue::Str(const QString& value) {
    TStreamValue v;
    v.Text = value;
    const qsizetype utf8Length = value.toUtf8().size();
    if (utf8Length < 2 * value.size()) {
        if (AllAscii(value))
            v.Type = value.size() <= kShortStringMax ? TValueType::vaString : TValueType::vaLString;
        else
            v.Type = TValueType::vaUTF8String;
    } else {
        v.Type = TValueType::vaWString;
    }
    return v;
}

TStreamValue TStreamValue::Ident(const QString& name) {
    TStreamValue v;
    v.Type = TValueType::vaIdent;
    v.Text = name;
    return v;
}

TStreamValue TStreamValue::Bool(bool value) {
    TStreamValue v;
    v.Type = value ? TValueType::vaTrue : TValueType::vaFalse;
    return v;
}

TStreamValue TStreamValue::Ext(long double value) {
    TStreamValue v;
    v.Type = TValueType::vaExtended;
    v.Extended = value;
    return v;
}

TStreamValue TStreamValue::Nil() {
    TStreamValue v;
    v.Type = TValueType::vaNil;
    return v;
}

TStreamValue TStreamValue::Set(const QStringList& members) {
    TStreamValue v;
    v.Type = TValueType::vaSet;
    v.SetMembers = members;
    return v;
}

TStreamValue TStreamValue::Binary(const QByteArray& bytes) {
    TStreamValue v;
    v.Type = TValueType::vaBinary;
    v.Bytes = bytes;
    return v;
}

TStreamValue TStreamValue::ListOf(std::vector<TStreamValue> items) {
    TStreamValue v;
    v.Type = TValueType::vaList;
    v.List = std::move(items);
    return v;
}

}  // namespace mox::rack
