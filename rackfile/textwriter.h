#pragma once
// Writes a tree in the text form of a component stream: UTF-8, CR LF line ends, two spaces of
// indent per level. Floating values use "." whatever the process locale, and an extended value
// always shows a '.' or an exponent, so that it reads back as floating. A name or identifier the
// text form cannot hold bare is an EWriteError, never text that would not read back.

#include <QByteArray>

#include "rackfile/streamtree.h"

namespace mox::rack {

QByteArray WriteObjectText(const TObjectRecord& root);

}  // namespace mox::rack
