#include "rackfile/resourceheader.h"

#include <QtEndian>
#include <limits>

#include "rackfile/codepage.h"
#include "toolkit/core/exceptions.h"

namespace mox::rack {

namespace {

constexpr std::uint8_t kOrdinalMark = 0xFF;
constexpr std::uint16_t kRawDataType = 10;
constexpr std::uint16_t kMemoryFlags = 0x1030;
constexpr qsizetype kMaxName = 69;
constexpr qsizetype kMaxHeader = 79;  // 3 + name + 0 byte + flags + size
constexpr qsizetype kTypeEnd = 3;

template <typename T>
void Put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

[[noreturn]] void InvalidFormat() {
    throw EReadError(QStringLiteral("Invalid stream format"));
}

}  // namespace

QByteArray WrapInResourceHeader(const QByteArray& stream, const QString& rootClassName) {
    if (static_cast<std::uint64_t>(stream.size()) > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError(QStringLiteral("Component stream larger than 4 GB"));
    const std::optional<QByteArray> encoded = ToWindows1252(rootClassName);
    if (!encoded)
        throw EWriteError(
            QStringLiteral("Class name %1 has characters outside Windows-1252").arg(rootClassName));
    QByteArray name = encoded->toUpper();
    // A 0 byte inside would end the name early and misplace the stream for every reader.
    const qsizetype zero = name.indexOf('\0');
    if (zero >= 0) name.truncate(zero);
    name.truncate(kMaxName);

    QByteArray out;
    Put(out, kOrdinalMark);
    Put(out, kRawDataType);
    out.append(name);
    out.append('\0');
    Put(out, kMemoryFlags);
    Put(out, static_cast<std::uint32_t>(stream.size()));
    out.append(stream);
    return out;
}

TResourceHeader ReadResourceHeader(const QByteArray& file) {
    const QByteArrayView header = QByteArrayView(file).first(qMin(file.size(), kMaxHeader));
    if (header.size() < kTypeEnd || static_cast<std::uint8_t>(header[0]) != kOrdinalMark ||
        qFromLittleEndian<std::uint16_t>(header.data() + 1) != kRawDataType)
        InvalidFormat();
    const qsizetype zero = header.indexOf('\0', kTypeEnd);
    if (zero < 0) InvalidFormat();
    TResourceHeader result;
    result.StreamOffset = zero + 1 + sizeof result.MemoryFlags + sizeof result.Size;
    if (result.StreamOffset > header.size()) InvalidFormat();
    result.Name = header.sliced(kTypeEnd, zero - kTypeEnd).toByteArray();
    result.MemoryFlags = qFromLittleEndian<std::uint16_t>(header.data() + zero + 1);
    result.Size = qFromLittleEndian<std::uint32_t>(header.data() + zero + 3);
    return result;
}

}  // namespace mox::rack
