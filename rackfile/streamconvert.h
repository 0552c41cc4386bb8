#pragma once
// The conversions between the forms of a component stream, each going through the tree.

#include <QByteArray>

namespace mox::rack {

// Binary stream ("TPF0" ...) to its UTF-8 text form.
QByteArray ObjectBinaryToText(const QByteArray& stream);
// Text form to a binary stream ("TPF0" ...).
QByteArray ObjectTextToBinary(const QByteArray& text);
// What saving a rack writes to the file: the stream converted to text and back, wrapped in
// the resource header named after the root class. Only string encodings change, and extended
// values are rounded to 15 significant digits.
QByteArray ObjectBinaryToRackFile(const QByteArray& stream);

}  // namespace mox::rack
