#include "base/FindInList.h"

#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

QString FindInList::emptyListMessage()
{
    return u"Ricerca non applicabile: la lista non contiene nessuna voce."_s;
}

bool FindInList::lineMatches(const QString &line, const QString &loweredKey)
{
    const qsizetype n = loweredKey.size();
    if (n == 0)
        return false;
    // The line is lowered on the fly: a long list is searched without a copy of every line.
    const QChar *text = line.constData();
    const QChar *key = loweredKey.constData();
    for (qsizetype start = 0; start + n <= line.size(); ++start) {
        qsizetype i = 0;
        while (i < n) {
            if (LowerAZChar(text[start + i].unicode()) != key[i].unicode())
                break;
            ++i;
        }
        if (i == n)
            return true;
    }
    return false;
}

FindInList::Result FindInList::find(const QStringList &lines, int selectedRow, const QString &typedKey)
{
    const QString key = LowerAZ(typedKey);
    return find(int(lines.size()), selectedRow, typedKey, [&](int row) { return lineMatches(lines.at(row), key); });
}

FindInList::Result FindInList::find(
    int count, int selectedRow, const QString &typedKey, const std::function<bool(int row)> &rowMatches)
{
    if (count == 0)
        return { Outcome::EmptyList, -1 };

    int selected = (selectedRow >= 0 && selectedRow < count) ? selectedRow : 0;
    const QString key = LowerAZ(typedKey);
    const bool newSearch = key != m_lastKey;
    m_lastKey = key;

    int start = selected;
    if (newSearch) {
        start = 0;
        if (rowMatches(0))
            return { Outcome::Found, 0 };
    }
    // The start line itself is tested last, after going round once.
    int row = start;
    do {
        row = (row + 1) % count;
        if (rowMatches(row))
            return { Outcome::Found, row };
    } while (row != start);
    return { Outcome::NotFound, selected };
}
