#include "storage/ActivityLog.h"

#include "base/Clock.h"
#include "base/DiskSync.h"
#include "base/ProgramFolder.h"
#include "base/Session.h"
#include "base/WorkProgress.h"
#include "storage/FileLock.h"
#include "storage/StorageError.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <openssl/evp.h>

#include <algorithm>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype ChainLength = 64;
constexpr int FieldCount = 6;
// No event comes near this; a longer "line" in the file is damage, and append never writes one,
// so neither side ever holds more than this much of a line.
constexpr qint64 MaxLineBytes = 1 << 20;
constexpr qint64 TailBlockBytes = 4096;
constexpr qint64 VerifyBlockBytes = 256 * 1024;

QByteArray zeroChain()
{
    return QByteArray(ChainLength, '0');
}

// One context used again for every line: a register of many lines is hashed line by line.
class ChainHasher
{
public:
    ChainHasher()
        : m_context(EVP_MD_CTX_new(), &EVP_MD_CTX_free)
    {
        if (!m_context)
            throw StorageError(u"Cannot create a SHA-256 context"_s);
    }

    // The chain of a line whose first five fields, joined by tabs, are `fields`.
    QByteArray chain(QByteArrayView previous, QByteArrayView fields)
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        EVP_MD_CTX *context = m_context.get();
        if (EVP_DigestInit_ex(context, EVP_sha256(), nullptr) != 1
            || EVP_DigestUpdate(context, previous.data(), std::size_t(previous.size())) != 1
            || EVP_DigestUpdate(context, "\t", 1) != 1
            || EVP_DigestUpdate(context, fields.data(), std::size_t(fields.size())) != 1
            || EVP_DigestFinal_ex(context, digest, &size) != 1)
            throw StorageError(u"SHA-256 failed"_s);
        return QByteArray(reinterpret_cast<const char *>(digest), int(size)).toHex();
    }

private:
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> m_context;
};

QByteArray fieldBytes(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text.toUtf8();
}

void readAt(QFile &file, qint64 position, qint64 size, QByteArray &into)
{
    into.resize(size);
    if (!file.seek(position) || file.read(into.data(), size) != size)
        throw StorageError(u"Cannot read "_s + file.fileName() + u": "_s + file.errorString());
}

// Where the last "\n" before `end` is: -1 when there is none down to the file's start, nothing
// when none lies within MaxLineBytes (no line of ours is that long).
std::optional<qint64> lastNewlineBefore(QFile &file, qint64 end)
{
    const qint64 floor = std::max<qint64>(0, end - MaxLineBytes - 1);
    QByteArray block;
    for (qint64 blockEnd = end; blockEnd > floor;) {
        const qint64 blockStart = std::max(floor, blockEnd - TailBlockBytes);
        readAt(file, blockStart, blockEnd - blockStart, block);
        const qsizetype at = block.lastIndexOf('\n');
        if (at >= 0)
            return blockStart + at;
        blockEnd = blockStart;
    }
    if (floor == 0)
        return -1;
    return std::nullopt;
}

struct Tail
{
    QByteArray chain = zeroChain();
    bool torn = false; // the file does not end with "\n"
};

// The end of the file only, read backwards: appending must not cost more as the register grows.
// A last whole line that is not one of ours still hands over its sixth field, or else zeros: the
// new line is written anyway, and verify() reports the damage where it is.
Tail readTail(QFile &file, qint64 size)
{
    Tail tail;
    if (size == 0)
        return tail;
    QByteArray bytes;
    readAt(file, size - 1, 1, bytes);
    tail.torn = bytes.at(0) != '\n';
    const std::optional<qint64> lineEnd = tail.torn ? lastNewlineBefore(file, size) : size - 1;
    if (!lineEnd || *lineEnd < 0)
        return tail;
    const std::optional<qint64> before = lastNewlineBefore(file, *lineEnd);
    if (!before)
        return tail;
    const qint64 lineStart = *before + 1;
    readAt(file, lineStart, *lineEnd - lineStart, bytes);
    const QList<QByteArray> fields = bytes.split('\t');
    if (fields.size() >= FieldCount)
        tail.chain = fields.at(FieldCount - 1);
    return tail;
}

// The size the last finished append left: appends write under the lock, so a line being written
// at this moment is not taken for a torn one. Where no lock can be had (a read-only folder, where
// nobody appends) the size is what it is now.
qint64 settledSize(const QString &path, const QFile &file)
{
    try {
        FileLock lock(path);
        return QFileInfo(path).size();
    } catch (const StorageError &) {
        return file.size();
    }
}

bool lineMatches(QByteArrayView line, QByteArray &chain, ChainHasher &hasher)
{
    if (line.isEmpty() || line.size() > MaxLineBytes || line.count('\t') != FieldCount - 1 || !line.isValidUtf8())
        return false;
    const qsizetype lastTab = line.lastIndexOf('\t');
    const QByteArrayView stored = line.sliced(lastTab + 1);
    if (stored.size() != ChainLength)
        return false;
    QByteArray expected = hasher.chain(chain, line.first(lastTab));
    if (stored != expected)
        return false;
    chain = std::move(expected);
    return true;
}

} // namespace

namespace ActivityLog {

QString path()
{
    return ProgramFolder() + u"Registro_attivita.log"_s;
}

bool append(const QString &event, const QString &details)
{
    try {
        appendLine(path(), Clock::now(), QSysInfo::machineHostName(), Session::operatorName(), event, details);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

void appendLine(const QString &file, const QDateTime &time, const QString &desk, const QString &operatorName,
    const QString &event, const QString &details)
{
    QByteArray fields = fieldBytes(time.toLocalTime().toString(u"yyyy-MM-dd'T'HH:mm:ss"_s));
    fields += '\t' + fieldBytes(desk);
    const QByteArray who = fieldBytes(operatorName);
    fields += '\t' + (who.isEmpty() ? QByteArray("-") : who);
    fields += '\t' + fieldBytes(event);
    fields += '\t' + fieldBytes(details);
    if (fields.size() + 1 + ChainLength > MaxLineBytes)
        throw StorageError(u"Event too long for "_s + file);

    ChainHasher hasher;
    FileLock lock(file);
    QFile out(file);
    // Unbuffered: the line reaches the file in one write, never in pieces another desk could split.
    if (!out.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        throw StorageError(u"Cannot open "_s + file + u": "_s + out.errorString());
    const qint64 size = out.size();
    const Tail tail = readTail(out, size);

    QByteArray line;
    if (tail.torn)
        line += '\n';
    line += fields + '\t' + hasher.chain(tail.chain, fields) + '\n';
    if (!out.seek(size) || out.write(line) != line.size() || !out.flush() || !SyncToDisk(out.handle())) {
        const QString reason = out.errorString();
        // A half line left in the middle of the register would read as tampering from then on.
        if (out.resize(size))
            SyncToDisk(out.handle());
        throw StorageError(u"Cannot write "_s + file + u": "_s + reason);
    }
    out.close();
}

Check verify(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(file))
            return {};
        throw StorageError(u"Cannot open "_s + file + u": "_s + in.errorString());
    }
    const qint64 size = settledSize(file, in);
    WorkProgress::expectRead(size);

    ChainHasher hasher;
    QByteArray chain = zeroChain();
    QByteArray block;
    QByteArray started; // a line begun in an earlier block
    qint64 lines = 0;
    const auto damagedAt = [&](qint64 line) { return Check { false, line - 1, line }; };
    for (qint64 offset = 0; offset < size;) {
        const qint64 length = std::min(VerifyBlockBytes, size - offset);
        readAt(in, offset, length, block);
        offset += length;
        WorkProgress::read(length);
        for (qsizetype from = 0;;) {
            const qsizetype end = block.indexOf('\n', from);
            if (end < 0) {
                started.append(block.constData() + from, block.size() - from);
                if (started.size() > MaxLineBytes)
                    return damagedAt(lines + 1);
                break;
            }
            ++lines;
            QByteArrayView line(block.constData() + from, end - from);
            if (!started.isEmpty()) {
                started.append(line);
                line = started;
            }
            if (!lineMatches(line, chain, hasher))
                return damagedAt(lines);
            started.clear();
            from = end + 1;
        }
    }
    // Bytes after the last "\n": a line cut in the middle.
    if (!started.isEmpty())
        return damagedAt(lines + 1);
    return Check { true, lines, 0 };
}

} // namespace ActivityLog
