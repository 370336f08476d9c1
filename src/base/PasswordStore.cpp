#include "base/PasswordStore.h"

#include "base/Crypt.h"
#include "base/DiskSync.h"
#include "base/ProgramFolder.h"
#include "base/TextFunctions.h"

#include <QFile>
#include <QSaveFile>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr char FileName[] = "unins000.dll";
const QByteArray SectionName = QByteArrayLiteral("Accesso");
const QByteArray KeyName = QByteArrayLiteral("Valore");
constexpr qsizetype MaxPasswordLength = 255;

// One line of the file as it stands on disk, its line break included, so untouched lines are
// written back byte for byte.
QList<QByteArray> splitLines(const QByteArray &data)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype end = data.indexOf('\n', start);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        lines.append(data.mid(start, next - start));
        start = next;
    }
    return lines;
}

QByteArray lineBody(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

QByteArray lineBreak(const QByteArray &line)
{
    return line.mid(lineBody(line).size());
}

// Lines end only at a line feed: a last line ending in a lone carriage return would take the next
// line in, and a key added after it could never be read back.
void endLine(QByteArray &line, const QByteArray &eol)
{
    if (!line.endsWith('\n'))
        line += eol;
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<QByteArray> sectionOf(const QByteArray &line, bool firstLine)
{
    QByteArray body = lineBody(line);
    if (firstLine && body.startsWith("\xEF\xBB\xBF"))
        body = body.mid(3);
    body = body.trimmed();
    if (!body.startsWith('['))
        return std::nullopt;
    const qsizetype close = body.indexOf(']');
    return body.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

// Where the key and its section stand in the file; -1 where they are missing. Like the system's
// INI functions, only the first section of that name counts and names ignore case.
struct KeyPlace
{
    qsizetype section = -1;
    qsizetype key = -1;
    qsizetype lastInSection = -1; // the section's last non-blank line
};

KeyPlace findKey(const QList<QByteArray> &lines)
{
    KeyPlace place;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionOf(lines.at(i), i == 0)) {
            if (inSection)
                break;
            if (sameName(*name, SectionName)) {
                inSection = true;
                place.section = place.lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        const QByteArray body = lineBody(lines.at(i));
        if (!body.trimmed().isEmpty())
            place.lastInSection = i;
        const qsizetype equals = body.indexOf('=');
        if (place.key < 0 && equals >= 0 && sameName(body.left(equals).trimmed(), KeyName))
            place.key = i;
    }
    return place;
}

QByteArray keyValue(const QByteArray &line)
{
    const QByteArray body = lineBody(line);
    QByteArray value = body.mid(body.indexOf('=') + 1).trimmed();
    // The system's INI reader drops one pair of enclosing quotes.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

// An existing file's bytes; nothing when there is no file. Raises when it cannot be read.
std::optional<QByteArray> readStore()
{
    QFile file(PasswordStore::path());
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw PasswordError("the password store cannot be opened");
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PasswordError("the password store cannot be read");
    return data;
}

QByteArray withValue(const QByteArray &data, const QByteArray &value)
{
    // New lines follow the breaks the file already uses; a new file gets the system's CR LF.
    const QByteArray eol
        = data.contains("\r\n") || !data.contains('\n') ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QList<QByteArray> lines = splitLines(data);
    const KeyPlace place = findKey(lines);
    if (place.key >= 0) {
        QByteArray &line = lines[place.key];
        line = line.left(line.indexOf('=') + 1) + value + lineBreak(line);
    } else if (place.section >= 0) {
        QByteArray &last = lines[place.lastInSection];
        endLine(last, eol);
        lines.insert(place.lastInSection + 1, KeyName + '=' + value + eol);
    } else {
        if (!lines.isEmpty()) {
            endLine(lines.last(), eol);
            if (!lineBody(lines.last()).trimmed().isEmpty())
                lines.append(eol);
        }
        lines.append('[' + SectionName + ']' + eol);
        lines.append(KeyName + '=' + value + eol);
    }
    return lines.join();
}

} // namespace

QString PasswordStore::path()
{
    return ProgramFolder() + QLatin1StringView(FileName);
}

QString PasswordStore::readValue()
{
    const std::optional<QByteArray> data = readStore();
    if (!data)
        return QString();
    const QList<QByteArray> lines = splitLines(*data);
    const KeyPlace place = findKey(lines);
    return place.key < 0 ? QString() : QString::fromLatin1(keyValue(lines.at(place.key)));
}

void PasswordStore::writeValue(const QString &value)
{
    const QByteArray updated = withValue(readStore().value_or(QByteArray()), value.toLatin1());
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        throw PasswordError("the password store cannot be created");
    // A store that may never reach the disk must not take the place of the good one.
    if (file.write(updated) != updated.size()) {
        file.cancelWriting();
        file.commit();
        throw PasswordError("the password store cannot be written");
    }
    if (!CommitToDisk(file))
        throw PasswordError("the password store cannot be saved");
}

QString PasswordStore::readPassword()
{
    return TrimText(UnscrambleText(readValue()));
}

void PasswordStore::writePassword(const QString &password)
{
    writeValue(ScrambleText(password));
}

QString PasswordText(const QString &typed)
{
    return UpperAZ(TrimText(typed));
}

bool IsStorablePassword(const QString &passwordText)
{
    if (passwordText.size() > MaxPasswordLength)
        return false;
    for (QChar c : passwordText) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}
