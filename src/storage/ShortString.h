#pragma once
// A text field of fixed capacity N as the record files hold it: one length byte L, then N bytes
// of which the first L are Windows-1252 text. The field occupies N + 1 bytes.

#include <QByteArrayView>
#include <QString>

namespace ShortString {

// Stores the text trimmed, encoded and cut to the first `capacity` bytes; unused bytes become zeros.
void store(char *field, int capacity, const QString &text);

// The stored text, decoded and trimmed. A length byte above the capacity (a damaged or foreign
// file) reads as the capacity, so a read never leaves its field.
QString load(const char *field, int capacity);

// The stored bytes, untrimmed and not decoded, the length read as load() reads it.
QByteArrayView bytes(const char *field, int capacity);

// True when load() would give an empty text, judged from the bytes alone without decoding.
bool isBlank(const char *field, int capacity);

} // namespace ShortString
