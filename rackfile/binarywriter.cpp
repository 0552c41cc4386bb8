#include "rackfile/binarywriter.h"

#include <QtEndian>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "rackfile/binaryreader.h"
#include "rackfile/codepage.h"
#include "toolkit/core/exceptions.h"

namespace mox::rack {

namespace {

constexpr qsizetype kShortStringMax = 255;
constexpr std::uint8_t kPrefixMark = 0xF0;
constexpr int kExtendedSize = 10;

class TBinaryWriter {
public:
    QByteArray WriteStream(const TObjectRecord& root) {
        FOut.append("TPF0", 4);
        WriteObject(root, 1);
        return FOut;
    }

private:
    [[noreturn]] void Fail(const QString& what) const {
        throw EWriteError(
            FProperty.isEmpty() ? what : QStringLiteral("Property %1: %2").arg(FProperty, what));
    }

    void CheckDepth(int depth) const {
        if (depth > kMaxNestingDepth)
            Fail(QStringLiteral("nesting deeper than %1 levels").arg(kMaxNestingDepth));
    }

    template <typename T>
    void Put(T value) {
        char bytes[sizeof(T)];
        qToLittleEndian(value, bytes);
        FOut.append(bytes, sizeof(T));
    }

    void PutTag(TValueType tag) { Put(static_cast<std::uint8_t>(tag)); }

    QByteArray Encode1252(const QString& text) const {
        std::optional<QByteArray> bytes = ToWindows1252(text);
        if (!bytes) Fail(QStringLiteral("'%1' has characters outside Windows-1252").arg(text));
        return *bytes;
    }

    void PutShortString(const QByteArray& bytes) {
        Put(static_cast<std::uint8_t>(bytes.size()));
        FOut.append(bytes);
    }

    void PutName(const QString& name) { PutShortString(Encode1252(name.left(kShortStringMax))); }

    void PutLength(qsizetype count) {
        if (static_cast<std::uint64_t>(count) > std::numeric_limits<std::uint32_t>::max())
            Fail(QStringLiteral("value longer than 4 GB"));
        Put(static_cast<std::uint32_t>(count));
    }

    void WriteObject(const TObjectRecord& record, int depth) {
        CheckDepth(depth);
        FProperty.clear();
        const bool inheritedInline = (record.Flags & ffInherited) && (record.Flags & ffInline);
        if ((record.Flags & ~(ffInherited | ffChildPos | ffInline)) != 0 || inheritedInline)
            Fail(QStringLiteral("Invalid flags of object %1").arg(record.Name));
        if (record.ClassName.isEmpty())
            Fail(QStringLiteral("Object %1 has no class name").arg(record.Name));
        const QByteArray className = Encode1252(record.ClassName.left(kShortStringMax));
        // A class name of 240 bytes or more would start with a byte that reads as a prefix, so
        // such a record always gets one.
        if (record.Flags != 0 || className.size() >= kPrefixMark) {
            Put(static_cast<std::uint8_t>(kPrefixMark | record.Flags));
            if (record.Flags & ffChildPos) {
                if (record.Position < std::numeric_limits<std::int32_t>::min() ||
                    record.Position > std::numeric_limits<std::int32_t>::max())
                    Fail(QStringLiteral("Child position of %1 out of range").arg(record.Name));
                WriteValue(TStreamValue::Int(record.Position), depth);
            }
        }
        PutShortString(className);
        PutName(record.Name);
        WriteProperties(record.Properties, depth);
        for (const TObjectRecord& child : record.Children)
            WriteObject(child, depth + 1);
        Put(std::uint8_t{0});
    }

    void WriteProperties(const std::vector<TStreamProperty>& properties, int depth) {
        for (const TStreamProperty& property : properties) {
            FProperty = property.Name;
            if (property.Name.isEmpty()) Fail(QStringLiteral("Property without a name"));
            PutName(property.Name);
            WriteValue(property.Value, depth);
        }
        FProperty.clear();
        Put(std::uint8_t{0});
    }

    template <typename T>
    void PutInteger(std::int64_t value) {
        if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
            Fail(QStringLiteral("integer %1 does not fit its tag").arg(value));
        Put(static_cast<T>(value));
    }

    void PutExtended(long double value) {
        if (!std::isfinite(value)) Fail(QStringLiteral("floating point value is not finite"));
        unsigned char raw[sizeof(long double)];
        std::memcpy(raw, &value, sizeof value);
        FOut.append(reinterpret_cast<const char*>(raw), kExtendedSize);
    }

    template <typename T>
    void PutFinite(T value) {
        if (!std::isfinite(value)) Fail(QStringLiteral("floating point value is not finite"));
        Put(std::bit_cast<std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>(value));
    }

    void WriteValue(const TStreamValue& v, int depth) {
        PutTag(v.Type);
        switch (v.Type) {
            case TValueType::vaNull:
                Fail(QStringLiteral("null value"));
            case TValueType::vaList:
                CheckDepth(depth + 1);
                for (const TStreamValue& item : v.List)
                    WriteValue(item, depth + 1);
                Put(std::uint8_t{0});
                break;
            case TValueType::vaInt8:
                PutInteger<std::int8_t>(v.Integer);
                break;
            case TValueType::vaInt16:
                PutInteger<std::int16_t>(v.Integer);
                break;
            case TValueType::vaInt32:
                PutInteger<std::int32_t>(v.Integer);
                break;
            case TValueType::vaInt64:
            case TValueType::vaCurrency:
                Put(v.Integer);
                break;
            case TValueType::vaExtended:
                PutExtended(v.Extended);
                break;
            case TValueType::vaSingle:
                PutFinite(v.Single);
                break;
            case TValueType::vaDate:
                PutFinite(v.Date);
                break;
            case TValueType::vaString: {
                const QByteArray bytes = Encode1252(v.Text);
                if (bytes.size() > kShortStringMax)
                    Fail(QStringLiteral("string longer than %1 bytes").arg(kShortStringMax));
                PutShortString(bytes);
                break;
            }
            case TValueType::vaIdent:
                PutName(v.Text);
                break;
            case TValueType::vaLString: {
                const QByteArray bytes = Encode1252(v.Text);
                PutLength(bytes.size());
                FOut.append(bytes);
                break;
            }
            case TValueType::vaWString:
                PutLength(v.Text.size());
                for (QChar c : v.Text)
                    Put(static_cast<std::uint16_t>(c.unicode()));
                break;
            case TValueType::vaUTF8String: {
                if (HasUnpairedSurrogate(v.Text))
                    Fail(QStringLiteral("string has no UTF-8 form (unpaired surrogate)"));
                const QByteArray bytes = v.Text.toUtf8();
                PutLength(bytes.size());
                FOut.append(bytes);
                break;
            }
            case TValueType::vaBinary:
                PutLength(v.Bytes.size());
                FOut.append(v.Bytes);
                break;
            case TValueType::vaSet:
                for (const QString& member : v.SetMembers) {
                    if (member.isEmpty()) Fail(QStringLiteral("empty set member"));
                    PutName(member);
                }
                Put(std::uint8_t{0});
                break;
            case TValueType::vaCollection:
                CheckDepth(depth + 1);
                for (const TStreamItem& item : v.Items)
                    WriteItem(item, depth + 1);
                Put(std::uint8_t{0});
                break;
            case TValueType::vaFalse:
            case TValueType::vaTrue:
            case TValueType::vaNil:
                break;
        }
    }

    void WriteItem(const TStreamItem& item, int depth) {
        if (item.Index.size() > 1) Fail(QStringLiteral("collection item with several indexes"));
        if (!item.Index.empty()) {
            const TValueType tag = item.Index.front().Type;
            if (tag != TValueType::vaInt8 && tag != TValueType::vaInt16 &&
                tag != TValueType::vaInt32)
                Fail(QStringLiteral("collection index is not an integer"));
            WriteValue(item.Index.front(), depth);
        }
        const QString owner = FProperty;
        PutTag(TValueType::vaList);
        WriteProperties(item.Properties, depth);
        FProperty = owner;
    }

    QByteArray FOut;
    QString FProperty;  // the property being written, for messages
};

}  // namespace

QByteArray WriteObjectStream(const TObjectRecord& root) {
    return TBinaryWriter().WriteStream(root);
}

}  // namespace mox::rack
