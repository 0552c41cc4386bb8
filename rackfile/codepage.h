#pragma once
// The character encodings of the component stream: Windows-1252 for 8-bit strings and names,
// strict UTF-8 for UTF-8 strings and the text form.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace mox::rack {

// Every byte has a character: the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters U+0081 and so on, so 8-bit strings survive a round
// trip unchanged.
QString FromWindows1252(QByteArrayView bytes);
// The exact inverse; nothing when a character has no byte in the code page.
std::optional<QByteArray> ToWindows1252(const QString& text);

// Nothing when the bytes are not well-formed UTF-8 (overlong forms, encoded surrogates and
// truncated sequences included). A leading byte order mark is kept as a character.
std::optional<QString> FromUtf8Strict(QByteArrayView bytes);
// True when the text holds a surrogate without its partner, which has no UTF-8 form.
bool HasUnpairedSurrogate(const QString& text);

}  // namespace mox::rack
