#pragma once
// Reads the text form of a component stream (UTF-8, any line ends, any spacing) into a tree.
// String values get the tag the encoding rule picks; integers the smallest tag; a number with
// a '.', an exponent or a suffix (s single, c currency, d date) is floating. Numbers use "."
// whatever the process locale. Errors are EReadError("Line 12: ...").

#include <QByteArray>
#include <QString>

#include "rackfile/streamtree.h"

namespace mox::rack {

TObjectRecord ReadObjectText(const QByteArray& text);

// The names the text form can hold bare: letters, digits and '_', not starting with a digit,
// in parts joined by single dots ("Font.Color", "Form2.Button1").
bool IsTextIdentifier(const QString& name);

}  // namespace mox::rack
