#pragma once
// The criteria of the two search screens: a row of boxes, each looked for in one field of a card.
// A box counts when it holds more than blanks. Its text as typed, blanks kept, is then looked for
// anywhere in its field, the letters a to z in either case; a card is found when every box that
// counts occurs in its field. With no box filled every card is found.

#include "base/FindInList.h"

#include <QList>
#include <QString>
#include <QStringList>

class SearchCriteria
{
public:
    // The boxes' texts as typed, in the screen's order.
    explicit SearchCriteria(const QStringList &typed);

    // The boxes that count (the screen keeps the number in lblConta).
    int filledCount() const { return int(m_keys.size()); }

    // True when every box that counts occurs in its field. fieldOf(box) gives the card's field that
    // box is compared with, trimmed as the file gives it; only the fields of filled boxes are asked for.
    template<typename FieldOf> bool matches(const FieldOf &fieldOf) const
    {
        for (const Key &key : m_keys) {
            if (!FindInList::lineMatches(fieldOf(key.box), key.lowered))
                return false;
        }
        return true;
    }

    // The boxes that count, each with its text as typed, a to z lowered.
    struct Key
    {
        int box;
        QString lowered;
    };
    const QList<Key> &keys() const { return m_keys; }

private:
    QList<Key> m_keys;
};

// The count line under a search's results: "Il presente riepilogo contiene n schede."
QString FoundCountText(int count);
