#pragma once
// What the bench programs share: the year file named on their command line, or a made-up one.

#include <QDate>
#include <QString>
#include <QStringList>

// The year file named in `arguments` (the program's, its own name first), or an empty text when
// none is given. On --help prints `usage` and ends the program; on anything it cannot take (more
// than one argument, an unknown option, a file that is missing or not a file) prints what is wrong
// and `usage` and ends the program with status 2.
QString YearFileArgument(const QStringList &arguments, const char *usage);

// Writes a year file of `cards` made-up visit cards: about one in fifty entered `today`, nearly all
// still inside. False when the file cannot be written.
bool WriteSampleYearFile(const QString &path, int cards, const QString &today);

// Writes a year file of `cards` made-up visit cards as a busy desk fills one: entries in date order
// over the year of `today`, Italian names (accented letters, names that share long prefixes,
// surnames typed in lower case), about 15% of the visitors never marked out, about 0.3% entered
// on each day. About one card in 400 carries what only files written elsewhere hold: blanks and
// control characters around a surname, a length byte above the capacity, the code page's 0x80-0x9F
// letters, a byte no character stands for, a stored "?", a blank exit date, a date with a blank.
// The same arguments always write the same file. False when the file cannot be written.
bool WriteRealisticYearFile(const QString &path, int cards, const QDate &today, unsigned seed);

// The year file a bench measures: `given` when not empty, or else a made-up year of `cards` cards
// written (and timed) into `folder`. Prints the bench's title with what it measures and the size of
// the file; empty, after saying why, when the made-up file cannot be written.
QString MeasuredYearFile(
    const char *title, const QString &given, const QString &folder, int cards, const QString &today);

// One figure of a bench, aligned with the others: a time in milliseconds, or a count.
void PrintTime(const char *what, qint64 ms);
void PrintCount(const char *what, qint64 value);
