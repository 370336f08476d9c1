#include "base/ListText.h"

#include "base/TextFunctions.h"

#include <algorithm>
#include <utility>
#include <vector>

int CompareListText(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *pa = a.data();
    const QChar *pb = b.data();
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const char16_t ca = UpperAZChar(pa[i].unicode());
        const char16_t cb = UpperAZChar(pb[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

namespace {

bool listTextLess(const QString &a, const QString &b)
{
    return CompareListText(a, b) < 0;
}

} // namespace

void SortListLines(QStringList &lines)
{
    std::stable_sort(lines.begin(), lines.end(), listTextLess);
}

void SortListLines(QStringList &lines, QList<int> &tags)
{
    Q_ASSERT(lines.size() == tags.size());
    std::vector<std::pair<QString, int>> items;
    items.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        items.emplace_back(std::move(lines[i]), tags.at(i));
    std::stable_sort(
        items.begin(), items.end(), [](const auto &a, const auto &b) { return listTextLess(a.first, b.first); });
    for (qsizetype i = 0; i < lines.size(); ++i) {
        lines[i] = std::move(items[size_t(i)].first);
        tags[i] = items[size_t(i)].second;
    }
}

bool SameListLine(const QString &builtLine, const QString &chosenLine)
{
    return TrimText(builtLine) == TrimText(chosenLine);
}

QString NameColumn(const QString &cognome, const QString &nome, qsizetype width)
{
    // Not FixedColumn: trimming the joined name would drop the blank an empty surname leaves in front.
    QString name = TrimText(cognome) + u' ' + TrimText(nome);
    if (name.size() < width)
        name += QString(width - name.size(), u' ');
    return LeftText(name, width);
}
