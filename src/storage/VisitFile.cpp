#include "storage/VisitFile.h"

#include "base/ProgramFolder.h"
#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

QString VisitFilePath(const QString &year)
{
    return ProgramFolder() + year + u".vis"_s;
}

bool IsVisitYear(const QString &typed)
{
    return typed.size() == 4 && IsAllDigits(typed);
}

QString VisitYearWarning()
{
    return u"Attenzione: indicare l'anno solare utilizzando quattro cifre."_s;
}
