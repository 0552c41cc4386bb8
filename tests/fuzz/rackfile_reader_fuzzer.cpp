// Feeds arbitrary bytes to the rack file readers. Besides crashes, hangs and sanitizer reports
// it checks what the save path relies on: whatever the binary reader accepts the binary writer
// writes back unchanged, and the text round trip settles after one pass (the first pass may
// change string encodings and round extended values, nothing after it).
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "rackfile/binaryreader.h"
#include "rackfile/binarywriter.h"
#include "rackfile/resourceheader.h"
#include "rackfile/streamconvert.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "toolkit/core/exceptions.h"

namespace {

using namespace mox;
using namespace mox::rack;

void Require(bool condition) {
    if (!condition) std::abort();
}

// Text that came from the text writer, after one round trip, reads back to the same text.
void CheckTextFixpoint(const QByteArray& text) {
    Require(WriteObjectText(ReadObjectText(text)) == text);
}

void FuzzBinary(const QByteArray& bytes) {
    TObjectRecord tree;
    try {
        const qsizetype start =
            bytes.startsWith("TPF0") ? 0 : ReadResourceHeader(bytes).StreamOffset;
        tree = ReadObjectStream(bytes, start);
    } catch (const EReadError&) {
        return;
    }
    const QByteArray stream = WriteObjectStream(tree);
    Require(WriteObjectStream(ReadObjectStream(stream)) == stream);
    QByteArray text;
    try {
        text = WriteObjectText(tree);
    } catch (const EWriteError&) {
        return;  // a name the text form cannot hold bare
    }
    const TObjectRecord settled = ReadObjectText(text);
    const QByteArray settledText = WriteObjectText(settled);
    CheckTextFixpoint(settledText);
    Require(ObjectBinaryToText(WriteObjectStream(settled)) == settledText);
    const QByteArray file = ObjectBinaryToRackFile(stream);
    Require(WriteObjectText(ReadObjectStream(file, ReadResourceHeader(file).StreamOffset)) ==
            settledText);
}

void FuzzText(const QByteArray& bytes) {
    TObjectRecord tree;
    try {
        tree = ReadObjectText(bytes);
    } catch (const EReadError&) {
        return;
    }
    CheckTextFixpoint(WriteObjectText(tree));
    try {
        WriteObjectStream(tree);
    } catch (const EWriteError&) {
        // names with characters outside Windows-1252
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FuzzBinary(bytes);
    FuzzText(bytes);
    return 0;
}
