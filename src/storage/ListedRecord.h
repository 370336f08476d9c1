#pragma once
// The record behind a line of a list screen, found again when the operator chooses the line.

#include "base/ListText.h"
#include "base/TextFunctions.h"
#include "storage/LineStore.h"
#include "storage/RecordFile.h"
#include "storage/StoredText.h"

#include <optional>

// A field as the list lines show it, trimmed, from a whole record or from a record seen in a scan.
template<typename Record> QString ListedField(const Record &record, typename Record::Field field)
{
    return TrimText(record.field(field));
}
template<typename Record> QString ListedField(const RecordView<Record> &record, typename Record::Field field)
{
    return record.field(field); // the view trims as it decodes
}

// The record behind a chosen line. First the record at `listedPosition`, the position the line was
// built from: when it still gives that line (compared trimmed) it is the one, so equal lines each
// lead to their own record. When it does not (the file changed since the listing) or the position is
// outside the file, every record of the file has its line rebuilt and compared; the last equal one
// in file order wins. Nothing when no record gives that line. Throws StorageError.
//
// For lines that begin with the name column (surname and first name in `nameWidth`): `lineOf` builds
// the whole line of a Record and of a RecordView<Record>, and is only asked for records whose name
// column fits the chosen line.
template<typename Record, typename LineOf>
std::optional<StoredRecord<Record>> FindListedRecord(
    const QString &path, const QString &chosenLine, int listedPosition, qsizetype nameWidth, const LineOf &lineOf)
{
    {
        RecordFile<Record> file;
        file.open(path, RecordFile<Record>::Access::Read);
        if (listedPosition >= 1 && listedPosition <= file.count()) {
            Record record = file.readAt(listedPosition);
            if (SameListLine(lineOf(record), chosenLine)) {
                file.close();
                return StoredRecord<Record> { std::move(record), listedPosition };
            }
        }
        file.close();
    }

    using F = typename Record::Field;
    std::optional<StoredRecord<Record>> found;
    // Every line is built from stored text: one with a character no byte stands for is no record's.
    const std::optional<QByteArray> wanted = StoredText::exactBytes(TrimText(chosenLine));
    if (!wanted)
        return found;
    LineBytes name;
    RecordFile<Record>::scan(path, [&](const RecordView<Record> &record, int position) {
        // Most records are ruled out by the stored bytes of their name column alone, before the rest
        // of their line is built.
        name.clear();
        name.name(record.bytes(F::Cognome), record.bytes(F::Nome), int(nameWidth));
        if (!wanted->startsWith(StoredText::trimmed(name.view())))
            return true;
        if (SameListLine(lineOf(record), chosenLine))
            found = StoredRecord<Record> { record.toRecord(), position };
        return true;
    });
    return found;
}
