#pragma once
// The rules every list screen applies to its lines: the sort order, and how a line is recognised
// again when the record behind it is looked up.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Negative, zero or positive as a sorts before, with or after b: the whole text, the letters a to z
// taken as their capitals, every other character by its code value.
int CompareListText(QStringView a, QStringView b);
// Sorts once, keeping lines that compare equal in the order given (the file's order).
void SortListLines(QStringList &lines);
// The same sort over lines that each carry a tag (tags[i] goes with lines[i]); the tags move with
// their lines. Both lists must be the same length.
void SortListLines(QStringList &lines, QList<int> &tags);

// True when a line built from a record is the line the operator chose: both are compared trimmed.
bool SameListLine(const QString &builtLine, const QString &chosenLine);

// Surname, one blank, first name (both trimmed), padded or cut to exactly `width` characters: the
// first column of the lists of people. An empty surname leaves the blank in front.
QString NameColumn(const QString &cognome, const QString &nome, qsizetype width);

// The lines a list screen read from its file, in file order, not yet sorted.
struct ListedLines
{
    QStringList lines;
    QList<int> positions; // positions[i]: the 1-based position of the record lines[i] was built from
    bool complete = true; // false when reading stopped at a failure: the lines read so far stay
};
