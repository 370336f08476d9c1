#pragma once
// The modules of a QR code, made by libqrencode, for a report to paint as it likes.

#include <QBitArray>
#include <QByteArray>
#include <QList>

// Modules around the symbol that must stay light, so a reader finds where the code begins.
inline constexpr int QrQuietZone = 4;

// The QR code of `data` in 8-bit mode, error correction level M, in the smallest version that
// holds it: one row per module row, top to bottom, true for a dark module, the quiet zone
// included (so the matrix is square and its outer four rows and columns are all light). Empty when
// `data` is empty or too long for any version.
QList<QBitArray> QrCodeModules(const QByteArray &data);
