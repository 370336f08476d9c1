#include "app/ListText.h"

#include "app/TextFunctions.h"

#include <algorithm>

namespace {

inline char16_t foldAZ(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

} // namespace

int CompareListText(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *pa = a.data();
    const QChar *pb = b.data();
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const char16_t ca = foldAZ(pa[i].unicode());
        const char16_t cb = foldAZ(pb[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool ListTextLess(QStringView a, QStringView b)
{
    return CompareListText(a, b) < 0;
}

void SortListLines(QStringList &lines)
{
    std::stable_sort(
        lines.begin(), lines.end(), [](const QString &a, const QString &b) { return CompareListText(a, b) < 0; });
}

bool SameListLine(const QString &builtLine, const QString &chosenLine)
{
    return TrimText(builtLine) == TrimText(chosenLine);
}
