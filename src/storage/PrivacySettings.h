#pragma once
// The office's privacy choices, kept in the [Privacy] section of Impostazioni.ini in the program
// folder, and the notice to visitors, kept as plain UTF-8 text in Informativa.txt beside it.
// Other sections and lines of the settings file belong to others and are kept as they are.

#include <QDate>
#include <QString>

#include <optional>

struct PrivacySettings
{
    std::optional<int> months; // nothing: visits kept for ever
    bool printNotice = false;
    QDate lastAutomaticRun; // the day of the last automatic anonymising; invalid: never
    int lastAutomaticCount = 0; // the cards it anonymised

    static QString path(); // ProgramFolder() + "Impostazioni.ini"
    static QString noticePath(); // ProgramFolder() + "Informativa.txt"

    // A missing file gives the defaults; a file that cannot be read throws StorageError. A period
    // that is not a whole number of months from 1 up reads as "for ever": a slip in a hand-edited
    // file must never anonymise more than the office chose.
    static PrivacySettings read();
    // Rewrites the four keys of [Privacy] (adding the section when missing) under the file's lock,
    // atomically; throws StorageError on failure, leaving the former file. A period under 1 month
    // is written as "for ever".
    void write() const;

    // The notice the program offers until the office writes its own.
    static QString defaultNotice();
    // The file's text, or defaultNotice() when there is no file; throws StorageError when it
    // cannot be read.
    static QString readNotice();
    // Replaces the file atomically, in UTF-8; throws StorageError on failure.
    static void writeNotice(const QString &text);
};
