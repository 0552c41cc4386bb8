#pragma once
// Reads the binary component stream into a tree. The bytes may come from any file, so every
// length is checked against what is left before anything is allocated, nesting is bounded and
// floating values must be finite; a damaged stream is an EReadError naming the byte offset.

#include <QByteArray>

#include "rackfile/streamtree.h"

namespace mox::rack {

// Objects, lists and collections together nest at most this deep. A rack needs a handful of
// levels (rack, panel, control, nested list); the bound keeps hostile input off the stack.
// The writers refuse deeper trees, so whatever they write can be read back.
constexpr int kMaxNestingDepth = 64;

// Reads "TPF0" and the root record starting at `start` in `data`. Record offsets and error
// offsets count from the start of `data`, so they are file offsets when `data` is the file.
// Bytes after the root record are ignored.
TObjectRecord ReadObjectStream(const QByteArray& data, qsizetype start = 0);

}  // namespace mox::rack
