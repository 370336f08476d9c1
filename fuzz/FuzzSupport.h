#pragma once
// What the fuzz targets share: texts made from the fuzzer's bytes, a scratch folder for files,
// and a check that stops the run when a rule the program relies on does not hold.

#include <fuzzer/FuzzedDataProvider.h>

#include "storage/RecordView.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Aborts with the rule that failed, so the fuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #condition);                          \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// A text as any source may hand it over: Latin-1 bytes, UTF-8 (with invalid sequences), or raw
// UTF-16 code units (lone surrogates included), chosen by the next byte.
inline QString TakeText(FuzzedDataProvider &input, size_t maxBytes = 400)
{
    const int kind = input.ConsumeIntegralInRange(0, 2);
    const std::string bytes = input.ConsumeRandomLengthString(maxBytes);
    switch (kind) {
    case 0:
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    case 1:
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    default: {
        QString units(qsizetype(bytes.size() / 2), Qt::Uninitialized);
        std::memcpy(units.data(), bytes.data(), size_t(units.size()) * sizeof(QChar));
        return units;
    }
    }
}

// The rest of the input as a text of the same three kinds.
inline QString RemainingText(FuzzedDataProvider &input)
{
    return TakeText(input, input.remaining_bytes());
}

// One scratch folder for the whole run, removed when the fuzzer ends normally.
inline const QTemporaryDir &ScratchFolder()
{
    static const QTemporaryDir folder;
    if (!folder.isValid())
        std::abort();
    return folder;
}

// Replaces the file's content with the given bytes.
inline void WriteScratchFile(const QString &path, const char *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data, qint64(size)) != qint64(size))
        std::abort();
}

// A record of any bytes, decoded as the record files decode it, with the rules every record type
// keeps: fields within their capacity and trimmed, the same card after a save and a read, and the
// scans' view decoding each field as the whole record does. Returns the record's bytes.
template<typename Record> QByteArray CheckRecordDecoding(const uint8_t *data, size_t size, Record &card)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.size() < Record::RecordSize)
        bytes.append(QByteArray(Record::RecordSize - bytes.size(), '\0'));
    card = Record::fromBytes(bytes);

    for (int i = 0; i < Record::FieldCount; ++i) {
        const QString &field = card.field(i);
        FUZZ_CHECK(field.size() <= Record::layout().capacity(i));
        FUZZ_CHECK(field.isEmpty() || (field.front().unicode() > 32 && field.back().unicode() > 32));
    }

    // A card read and saved unchanged is the same card when read again.
    const QByteArray stored = card.toBytes();
    FUZZ_CHECK(stored.size() == Record::RecordSize);
    FUZZ_CHECK(Record::fromBytes(stored) == card);

    const RecordView<Record> view(bytes.constData());
    FUZZ_CHECK(view.toRecord() == card);
    for (int i = 0; i < Record::FieldCount; ++i) {
        const auto field = typename Record::Field(i);
        FUZZ_CHECK(view.field(field) == card.field(i));
        FUZZ_CHECK(view.isEmpty(field) == card.field(i).isEmpty());
    }
    return bytes;
}
