#include "storage/VisitFile.h"

#include "base/ProgramFolder.h"

using namespace Qt::StringLiterals;

QString VisitFilePath(const QString &year)
{
    return ProgramFolder() + year + u".vis"_s;
}
