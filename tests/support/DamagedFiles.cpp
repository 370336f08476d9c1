#include "DamagedFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// Field boundaries are not known here: a record whose every byte is 255 has a length byte of 255
// (past every capacity) in every field, and 255 for every text byte.
QByteArray maxedRecords(int records, int recordSize)
{
    return QByteArray(qsizetype(records) * recordSize, char(255));
}

} // namespace

QList<DamagedFile> DamagedFiles()
{
    using R = DamagedFile::Reads;
    return {
        { u"random bytes"_s, R::Records,
            [](const QString &path, int size) { write(path, randomBytes(qsizetype(size) * 5 + size / 3, 7)); } },
        { u"torn last record"_s, R::Records,
            [](const QString &path, int size) {
                QByteArray bytes = randomBytes(qsizetype(size) * 2, 11);
                bytes.append(bytes.left(size / 2));
                write(path, bytes);
            } },
        { u"length bytes 255 everywhere"_s, R::Records,
            [](const QString &path, int size) { write(path, maxedRecords(3, size)); } },
        { u"zero length"_s, R::NoRecords, [](const QString &path, int) { write(path, QByteArray()); } },
        { u"shorter than one record"_s, R::NoRecords,
            [](const QString &path, int size) { write(path, randomBytes(size - 1, 13)); } },
        { u"folder in place of the file"_s, R::Unreachable, [](const QString &path, int) { QDir().mkpath(path); } },
        // A link that leads back to itself: the system refuses to open or create it, even for root.
        { u"file that cannot be opened"_s, R::Unreachable,
            [](const QString &path, int) { QFile::link(QFileInfo(path).fileName(), path); } },
    };
}

const DamagedFile &DamagedFileNamed(const QString &name)
{
    static const QList<DamagedFile> all = DamagedFiles();
    for (const DamagedFile &damage : all) {
        if (damage.name == name)
            return damage;
    }
    qFatal("no damaged file named %s", qPrintable(name));
}

QString FileState(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return u"link to "_s + info.symLinkTarget();
    if (info.isDir())
        return u"folder holding "_s
            + QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(u", "_s);
    if (!info.exists())
        return u"nothing"_s;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return u"a file that cannot be read"_s;
    return u"file of %1 bytes, SHA-1 %2"_s.arg(file.size())
        .arg(QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()));
}
