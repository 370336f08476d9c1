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
