#pragma once
// The activity register: one line per event (a login, a saved card...) that every desk appends to
// Registro_attivita.log in the program folder and nobody rewrites.
//
// A line is UTF-8 text ending in "\n", six fields separated by tabs: the time
// (yyyy-MM-ddThh:mm:ss, local), the desk (its host name), the operator ("-" without one), the
// event word, the details, and the chain: the lower-case hex SHA-256 of the previous line's chain
// (64 zeros before the first line), a tab and the first five fields joined by tabs. A line changed,
// removed, inserted or moved breaks the chain from there on, so verify() finds where the register
// was touched. Tabs and line breaks inside a field become blanks.

#include <QDateTime>
#include <QString>

namespace ActivityLog {

// ProgramFolder() + "Registro_attivita.log".
QString path();

// Appends one event now, as this desk and the logged-in operator. Never throws: false when the
// line could not be written (lock, open, write or sync failed).
bool append(const QString &event, const QString &details);

// The same with everything given. Takes the file's lock, writes the whole line in one write and
// syncs it to the disk; a line that could not be written whole leaves the file as it was. A file
// whose last line was cut off (a crash) gets the new line on a line of its own, chained from the
// last whole line. Throws StorageError on failure.
void appendLine(const QString &file, const QDateTime &time, const QString &desk, const QString &operatorName,
    const QString &event, const QString &details);

struct Check
{
    bool intact = true;
    // Intact: every line of the file. Not intact: the lines before firstBadLine.
    qint64 lines = 0;
    // 1-based; 0 when intact.
    qint64 firstBadLine = 0;
};

// Recomputes the chain from the first line. Intact with the number of lines, or not intact at the
// first line whose chain does not match or that cannot be read (not six fields, not valid UTF-8,
// blank, or a last line with no final "\n"). A missing file is intact with 0 lines; lines removed
// from the end cannot be seen. Reads in blocks, reporting to the current WorkProgress (and stopping
// with WorkCancelled); throws StorageError when the file exists but cannot be read.
Check verify(const QString &file);

} // namespace ActivityLog
