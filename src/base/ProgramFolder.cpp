#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
} // namespace

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return withSeparator(overrideFolder());
    return withSeparator(QDir::fromNativeSeparators(QCoreApplication::applicationDirPath()));
}

void SetProgramFolder(const QString &folder)
{
    overrideFolder() = folder;
}
