#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
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

bool IsArchiveName(const QString &fileName)
{
    static const QRegularExpression year(u"^[0-9]{4}\\.vis$"_s);
    return fileName == u"Visitatori.pro"_s || fileName == u"unins000.dll"_s || fileName == u"Operatori.ini"_s
        || fileName == u"Impostazioni.ini"_s || fileName == u"Informativa.txt"_s || year.match(fileName).hasMatch();
}

bool HoldsArchives(const QString &folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    return std::any_of(names.cbegin(), names.cend(), IsArchiveName);
}

bool IsWritableFolder(const QString &folder)
{
    // Permissions, read-only mounts and the administrator's rights all have their say.
    QTemporaryFile probe(withSeparator(folder) + u".portavel-XXXXXX"_s);
    return probe.open();
}

QString ChooseProgramFolder(const QString &ownFolder, const QString &dataFolder)
{
    const bool own = IsWritableFolder(ownFolder) || HoldsArchives(ownFolder);
    return withSeparator(own ? ownFolder : QDir::fromNativeSeparators(dataFolder));
}

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return withSeparator(overrideFolder());
    if (!chosenFolder())
        chosenFolder()
            = ChooseProgramFolder(ownFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
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
    if (HoldsArchives(folder))
        return true;
    const QString store = folder + u"unins000.dll"_s;
    QSaveFile file(store);
    return file.open(QIODevice::WriteOnly) && file.write(initialStore) == initialStore.size() && file.commit();
}
