#pragma once
// Writes a tree as a binary component stream: the exact inverse of ReadObjectStream. The tree
// decides every value's tag. What the reader could not read back (a value that does not fit its
// tag, a character the tag cannot hold, too deep a tree) is an EWriteError rather than a
// damaged stream.

#include <QByteArray>

#include "rackfile/streamtree.h"

namespace mox::rack {

// "TPF0" and the root record. Names longer than 255 bytes are cut to 255.
QByteArray WriteObjectStream(const TObjectRecord& root);

}  // namespace mox::rack
