#include "rackfile/streamconvert.h"

#include "rackfile/binaryreader.h"
#include "rackfile/binarywriter.h"
#include "rackfile/resourceheader.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"

namespace mox::rack {

QByteArray ObjectBinaryToText(const QByteArray& stream) {
    return WriteObjectText(ReadObjectStream(stream));
}

QByteArray ObjectTextToBinary(const QByteArray& text) {
    return WriteObjectStream(ReadObjectText(text));
}

QByteArray ObjectBinaryToRackFile(const QByteArray& stream) {
    const TObjectRecord root = ReadObjectText(ObjectBinaryToText(stream));
    return WrapInResourceHeader(WriteObjectStream(root), root.ClassName);
}

}  // namespace mox::rack
