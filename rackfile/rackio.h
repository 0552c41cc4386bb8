#pragma once
// Rack files on disk: what the designer's save writes (the component stream of a root component
// after the text round trip, in its resource header, or the text form) and reading such a file
// back into an existing root.

#include <QByteArray>
#include <QString>

#include "rackfile/componentreader.h"
#include "toolkit/core/classregistry.h"

namespace mox::rack {

// The format selector of a save: 0 is a rack file, 1 the text form of the stream.
constexpr int kRackFileFormat = 0;
constexpr int kTextFormat = 1;

// The bytes a save writes: the root's stream converted to text and, for a rack file, back to
// binary and wrapped in the resource header named after the root's class.
QByteArray RackFileBytes(TComponent& root, int format);

// Writes RackFileBytes to `fileName` through a temporary file in the same folder that replaces
// the target only once it is complete, so a failed save never destroys a good file. Errors are
// EWriteError with the reason.
void SaveRackFile(TComponent& root, const QString& fileName, int format);

// Reads a rack file into `root` (see ReadComponentTree). EReadError for a file that cannot be
// opened, is larger than any rack, or is damaged.
TReadResult LoadRackFile(const QString& fileName, TComponent& root, const TClassRegistry& registry);
TReadResult LoadRackBytes(const QByteArray& file, TComponent& root, const TClassRegistry& registry);

// The stream of a rack file read into a tree without creating anything (for tools).
TObjectRecord ReadRackTree(const QByteArray& file);

}  // namespace mox::rack
