#pragma once
// Conversion between screen text and the Windows-1252 bytes of the record files.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One byte per character. A letter whose accent the code page lacks becomes its base letter
// (ő -> o, č -> c); any other character the code page lacks becomes "?".
QByteArray EncodeWindows1252(const QString &text);
QString DecodeWindows1252(QByteArrayView bytes);
// Whether the code page holds the character, so that EncodeWindows1252 keeps it unchanged.
bool IsWindows1252Character(char32_t c);
