#include "rackfile/binaryreader.h"

#include <QtEndian>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "rackfile/codepage.h"
#include "toolkit/core/exceptions.h"

namespace mox::rack {

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384 &&
                  std::endian::native == std::endian::little,
              "extended values are decoded as the x86 80-bit long double");

namespace {

constexpr std::uint16_t kExponentMask = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

class TBinaryReader {
public:
    TBinaryReader(const QByteArray& data, qsizetype start) : FData(data), FPos(start) {}

    TObjectRecord ReadStream() {
        const qsizetype at = FPos;
        if (Left() < 4 || std::memcmp(FData.constData() + FPos, "TPF0", 4) != 0)
            throw EReadError(
                QStringLiteral("Invalid stream format at offset %1: no TPF0 signature").arg(at));
        FPos += 4;
        return ReadObject(1);
    }

private:
    qsizetype Left() const { return FData.size() - FPos; }

    [[noreturn]] void Fail(qsizetype at, const QString& what) const {
        throw EReadError(QStringLiteral("%1 at offset %2").arg(what).arg(at));
    }

    // Compared in 64 bits so that a hostile 4-byte length cannot wrap.
    const char* Take(std::uint64_t count) {
        if (count > static_cast<std::uint64_t>(Left()))
            throw EReadError(
                QStringLiteral("Stream read error at offset %1: %2 bytes needed, %3 left")
                    .arg(FPos)
                    .arg(count)
                    .arg(Left()));
        const char* p = FData.constData() + FPos;
        FPos += static_cast<qsizetype>(count);
        return p;
    }

    template <typename T>
    T ReadLE() {
        return qFromLittleEndian<T>(Take(sizeof(T)));
    }

    std::uint8_t ReadByte() { return ReadLE<std::uint8_t>(); }

    void CheckDepth(int depth, qsizetype at) const {
        if (depth > kMaxNestingDepth)
            Fail(at, QStringLiteral("Nesting deeper than %1 levels").arg(kMaxNestingDepth));
    }

    QString ReadShortString() {
        const std::uint8_t length = ReadByte();
        return FromWindows1252(QByteArrayView(Take(length), length));
    }

    QByteArrayView ReadLengthPrefixed(std::uint64_t unitSize) {
        const std::uint64_t count = ReadLE<std::uint32_t>();
        return QByteArrayView(Take(count * unitSize), static_cast<qsizetype>(count * unitSize));
    }

    TObjectRecord ReadObject(int depth) {
        TObjectRecord record;
        record.Offset = FPos;
        CheckDepth(depth, FPos);
        if (Left() > 0 && (static_cast<std::uint8_t>(FData[FPos]) & 0xF0) == 0xF0) {
            record.Flags = ReadByte() & 0x0F;
            const bool inheritedInline = (record.Flags & ffInherited) && (record.Flags & ffInline);
            if ((record.Flags & ~(ffInherited | ffChildPos | ffInline)) != 0 || inheritedInline)
                Fail(record.Offset, QStringLiteral("Invalid object flags"));
            if (record.Flags & ffChildPos) record.Position = ReadSmallInteger().Integer;
        }
        const qsizetype classAt = FPos;
        record.ClassName = ReadShortString();
        if (record.ClassName.isEmpty()) Fail(classAt, QStringLiteral("Missing class name"));
        record.Name = ReadShortString();
        record.Properties = ReadProperties(depth);
        while (!AtEndMarker())
            record.Children.push_back(ReadObject(depth + 1));
        return record;
    }

    // Consumes the 0 byte that ends a property list, a child list, a list or a collection.
    bool AtEndMarker() {
        if (Left() > 0 && FData[FPos] == 0) {
            ++FPos;
            return true;
        }
        if (Left() == 0) Take(1);  // reports the truncation
        return false;
    }

    std::vector<TStreamProperty> ReadProperties(int depth) {
        std::vector<TStreamProperty> properties;
        while (!AtEndMarker()) {
            TStreamProperty property;
            property.Offset = FPos;
            property.Name = ReadShortString();
            property.Value = ReadValue(depth);
            properties.push_back(std::move(property));
        }
        return properties;
    }

    // Child positions and collection indexes: one of the 8-, 16- and 32-bit integer tags. The
    // tag is checked before anything is read, so a list or collection cannot nest through here.
    TStreamValue ReadSmallInteger() {
        const qsizetype at = FPos;
        if (Left() == 0) Take(1);  // reports the truncation
        const auto tag = static_cast<TValueType>(static_cast<std::uint8_t>(FData[FPos]));
        if (tag != TValueType::vaInt8 && tag != TValueType::vaInt16 && tag != TValueType::vaInt32)
            Fail(at, QStringLiteral("Integer expected"));
        return ReadValue(0);
    }

    long double ReadExtended(qsizetype at) {
        const auto mantissa = ReadLE<std::uint64_t>();
        const auto signExponent = ReadLE<std::uint16_t>();
        const std::uint16_t exponent = signExponent & kExponentMask;
        const bool integerBit = (mantissa & kIntegerBit) != 0;
        // Infinities, NaNs, unnormals and pseudo-denormals: none of them is a value a rack holds,
        // and the last two are encodings the FPU rejects or silently rewrites.
        if (exponent == kExponentMask || (exponent != 0) != integerBit)
            Fail(at, QStringLiteral("Invalid floating point value"));
        unsigned char raw[sizeof(long double)] = {};
        std::memcpy(raw, &mantissa, sizeof mantissa);
        std::memcpy(raw + sizeof mantissa, &signExponent, sizeof signExponent);
        long double value;
        std::memcpy(&value, raw, sizeof value);
        return value;
    }

    template <typename T>
    T ReadFinite(qsizetype at) {
        const T value = std::bit_cast<T>(
            ReadLE<std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>());
        if (!std::isfinite(value)) Fail(at, QStringLiteral("Invalid floating point value"));
        return value;
    }

    QString ReadUtf16() {
        const QByteArrayView bytes = ReadLengthPrefixed(2);
        QString text(bytes.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(qFromLittleEndian<char16_t>(bytes.data() + 2 * i));
        return text;
    }

    TStreamValue ReadValue(int depth) {
        const qsizetype at = FPos;
        TStreamValue v;
        const std::uint8_t tag = ReadByte();
        if (tag == 0 || tag > kLastValueType) Fail(at, QStringLiteral("Invalid property value"));
        v.Type = static_cast<TValueType>(tag);
        switch (v.Type) {
            case TValueType::vaList:
                CheckDepth(depth + 1, at);
                while (!AtEndMarker())
                    v.List.push_back(ReadValue(depth + 1));
                break;
            case TValueType::vaInt8:
                v.Integer = ReadLE<std::int8_t>();
                break;
            case TValueType::vaInt16:
                v.Integer = ReadLE<std::int16_t>();
                break;
            case TValueType::vaInt32:
                v.Integer = ReadLE<std::int32_t>();
                break;
            case TValueType::vaInt64:
            case TValueType::vaCurrency:
                v.Integer = ReadLE<std::int64_t>();
                break;
            case TValueType::vaExtended:
                v.Extended = ReadExtended(at);
                break;
            case TValueType::vaSingle:
                v.Single = ReadFinite<float>(at);
                break;
            case TValueType::vaDate:
                v.Date = ReadFinite<double>(at);
                break;
            case TValueType::vaString:
            case TValueType::vaIdent:
                v.Text = ReadShortString();
                break;
            case TValueType::vaLString:
                v.Text = FromWindows1252(ReadLengthPrefixed(1));
                break;
            case TValueType::vaWString:
                v.Text = ReadUtf16();
                break;
            case TValueType::vaUTF8String: {
                std::optional<QString> text = FromUtf8Strict(ReadLengthPrefixed(1));
                if (!text) Fail(at, QStringLiteral("Invalid UTF-8 string"));
                v.Text = std::move(*text);
                break;
            }
            case TValueType::vaBinary:
                v.Bytes = ReadLengthPrefixed(1).toByteArray();
                break;
            case TValueType::vaSet:
                for (QString member = ReadShortString(); !member.isEmpty();
                     member = ReadShortString())
                    v.SetMembers.append(member);
                break;
            case TValueType::vaCollection:
                CheckDepth(depth + 1, at);
                while (!AtEndMarker())
                    v.Items.push_back(ReadItem(depth + 1));
                break;
            case TValueType::vaNull:
            case TValueType::vaFalse:
            case TValueType::vaTrue:
            case TValueType::vaNil:
                break;
        }
        return v;
    }

    TStreamItem ReadItem(int depth) {
        TStreamItem item;
        const std::uint8_t next = Left() > 0 ? static_cast<std::uint8_t>(FData[FPos]) : 0;
        if (next != static_cast<std::uint8_t>(TValueType::vaList))
            item.Index.push_back(ReadSmallInteger());
        const qsizetype at = FPos;
        if (ReadByte() != static_cast<std::uint8_t>(TValueType::vaList))
            Fail(at, QStringLiteral("Invalid collection item"));
        item.Properties = ReadProperties(depth);
        return item;
    }

    const QByteArray& FData;
    qsizetype FPos;
};

}  // namespace

TObjectRecord ReadObjectStream(const QByteArray& data, qsizetype start) {
    return TBinaryReader(data, start).ReadStream();
}

}  // namespace mox::rack
