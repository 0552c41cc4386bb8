#pragma once
// The 16-bit resource header in front of the component stream of a rack file: FF, type 10 (raw
// data), the upper-cased root class name ended by a 0 byte, memory flags 0x1030, stream size.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace mox::rack {

struct TResourceHeader {
    QByteArray Name;  // as stored, without its 0 byte
    std::uint16_t MemoryFlags = 0;
    std::uint32_t Size = 0;      // the stream size the header claims; not checked
    qsizetype StreamOffset = 0;  // where the component stream starts in the file
};

// The stream with its header in front. The name is the class name upper-cased (ASCII letters
// only), cut at a 0 byte and to 69 bytes.
QByteArray WrapInResourceHeader(const QByteArray& stream, const QString& rootClassName);

// Reads the header at the start of a file. As files written elsewhere expect, the memory flags
// and the size are not checked; a header that is cut short or does not start FF 0A 00 is
// EReadError("Invalid stream format").
TResourceHeader ReadResourceHeader(const QByteArray& file);

}  // namespace mox::rack
