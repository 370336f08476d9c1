#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <optional>

using namespace Qt::StringLiterals;

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}

std::optional<QString> &chosenFolder()
{
    static std::optional<QString> folder;
    return folder;
}

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString ownFolder()
{
    return QDir::fromNativeSeparators(QCoreApplication::applicationDirPath());
}
} // namespace

QString ChooseProgramFolder(const QString &ownFolder, const QString &dataFolder)
{
    // Trying is the only sure test: permissions, read-only mounts and the administrator's rights
    // all have their say.
    QTemporaryFile probe(withSeparator(ownFolder) + u".portavel-XXXXXX"_s);
    return withSeparator(probe.open() ? ownFolder : QDir::fromNativeSeparators(dataFolder));
}

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return withSeparator(overrideFolder());
    if (!chosenFolder())
        chosenFolder() = ChooseProgramFolder(
            ownFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return *chosenFolder();
}

void SetProgramFolder(const QString &folder)
{
    overrideFolder() = folder;
}

bool PrepareProgramFolder(const QByteArray &initialStore)
{
    const QString folder = ProgramFolder();
    if (folder == withSeparator(ownFolder()))
        return true;
    if (!QDir().mkpath(folder))
        return false;
    const QString store = folder + u"unins000.dll"_s;
    if (QFileInfo::exists(store))
        return true;
    QSaveFile file(store);
    return file.open(QIODevice::WriteOnly) && file.write(initialStore) == initialStore.size() && file.commit();
}
