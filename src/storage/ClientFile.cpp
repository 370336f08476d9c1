#include "storage/ClientFile.h"

#include "base/ProgramFolder.h"

using namespace Qt::StringLiterals;

QString ClientFilePath()
{
    return ProgramFolder() + u"Visitatori.pro"_s;
}
