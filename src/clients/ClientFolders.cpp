#include "clients/ClientFolders.h"

#include "base/DiskSync.h"
#include "base/ProgramFolder.h"
#include "base/TextFunctions.h"
#include "storage/ShortString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int SlotCapacity = 250;
constexpr qint64 CopyChunk = 256 * 1024;

} // namespace

std::optional<QString> ClientFolderPath(const QString &position)
{
    const QString text = TrimText(position);
    if (text.isEmpty() || !IsAllDigits(text))
        return std::nullopt;
    return ProgramFolder() + u"Visitatore_"_s + text;
}

bool MakeFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists())
        return false;
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

QString AttachmentsFolder()
{
    return ProgramFolder() + u"Documenti_Allegati/"_s;
}

QString AttachmentName(const QString &chosen)
{
    const qsizetype cut = std::max(chosen.lastIndexOf(u'/'), chosen.lastIndexOf(u'\\'));
    const QString name = chosen.mid(cut + 1);
    if (name == u"."_s || name == u".."_s)
        return QString();
    return name;
}

bool AttachmentNameFits(const QString &name)
{
    char field[SlotCapacity + 1];
    ShortString::store(field, SlotCapacity, name);
    return ShortString::load(field, SlotCapacity) == name;
}

bool IsFiledAlready(const QString &source, const QString &name)
{
    const QString filed = QFileInfo(AttachmentsFolder() + name).canonicalFilePath();
    return !filed.isEmpty() && filed == QFileInfo(source).canonicalFilePath();
}

bool FileAttachment(const QString &source, const QString &name)
{
    if (name.isEmpty() || AttachmentName(name) != name || !MakeFolder(AttachmentsFolder()))
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(AttachmentsFolder() + name);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer(CopyChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 read = in.read(buffer.data(), CopyChunk);
        if (read == 0)
            break;
        if (read < 0 || out.write(buffer.constData(), read) != read) {
            // Discards the temporary file: an earlier document of that name stays.
            out.cancelWriting();
            out.commit();
            return false;
        }
    }
    // The copy takes the name only once the disk confirms it.
    return CommitToDisk(out);
}

namespace ClientFolderTexts {

QString storeCardFirst()
{
    return u"Attenzione: l'abbinamento di una cartella ad un Visitatore può avvenire soltanto dopo che la scheda è "
           u"stata inserita in archivio."_s;
}

QString replaceExisting()
{
    return u"Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
           u"Si vuole sovrascrivere il file esistente?"_s;
}

QString copyFailed(const QString &name)
{
    return u"Attenzione: non è stato possibile copiare il file "_s + name
        + u" nella cartella dei documenti allegati, quindi il file non è stato allegato alla scheda.\n\r\n\r"
          u"Accertarsi che il file esista ancora, che il disco non sia pieno e di possedere i privilegi di "
          u"scrittura nella cartella di installazione del programma."_s;
}

QString nameDoesNotFit(const QString &name)
{
    return u"Attenzione: il nome del file "_s + name
        + u" contiene caratteri non ammessi o è troppo lungo per essere registrato nella scheda.\n\r\n\r"
          u"Rinominare il file e allegarlo di nuovo."_s;
}

QString folderFailed(const QString &path)
{
    return u"Attenzione: non è stato possibile creare la cartella "_s + path
        + u" abbinata alla scheda corrente.\n\r\n\r"
          u"Accertarsi che nella cartella di installazione del programma non sia presente un file con lo stesso "
          u"nome e di possedere i privilegi di scrittura."_s;
}

} // namespace ClientFolderTexts
