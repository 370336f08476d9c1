#pragma once
// The Trova of every list screen: a new key searches from the top, the same key again moves on to
// the next matching line and wraps round past the end. Works on the lines alone, with no widget.

#include <QString>
#include <QStringList>

#include <functional>

class FindInList
{
public:
    enum class Outcome {
        EmptyList, // nothing to search: the screen shows emptyListMessage(), the key is not kept
        Found, // row is the matching line
        NotFound, // row is the line that stays selected; nothing is reported
    };

    struct Result
    {
        Outcome outcome = Outcome::EmptyList;
        int row = -1; // the line to select; -1 only for an empty list
    };

    static QString emptyListMessage();

    // Forgets the previous key: the next search starts from the top.
    void reset() { m_lastKey.clear(); }

    // One press of Trova. selectedRow is the selected line or -1; typedKey is the search box as typed.
    Result find(const QStringList &lines, int selectedRow, const QString &typedKey);
    // The same over `count` lines held elsewhere: rowMatches(row) tells whether the line at `row`
    // matches typedKey as lineMatches does.
    Result find(int count, int selectedRow, const QString &typedKey, const std::function<bool(int row)> &rowMatches);

    // A line matches when the key, a to z lowered on both sides, occurs in it; an empty key matches nothing.
    static bool lineMatches(const QString &line, const QString &loweredKey);

private:
    QString m_lastKey;
};
