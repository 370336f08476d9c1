#include "base/SearchCriteria.h"

#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

SearchCriteria::SearchCriteria(const QStringList &typed)
{
    for (int box = 0; box < typed.size(); ++box) {
        // A box of blanks counts for nothing; a filled one is looked for as typed, blanks and all.
        if (!TrimText(typed.at(box)).isEmpty())
            m_keys.append({ box, LowerAZ(typed.at(box)) });
    }
}

QString FoundCountText(int count)
{
    return u"Il presente riepilogo contiene "_s + QString::number(count) + u" schede."_s;
}
