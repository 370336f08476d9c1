#include "storage/PrivacySettings.h"

#include "base/DiskSync.h"
#include "base/ProgramFolder.h"
#include "base/TextFunctions.h"
#include "storage/FileLock.h"
#include "storage/StorageError.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView Section = "Privacy";
constexpr QByteArrayView MonthsKey = "MesiConservazione";
constexpr QByteArrayView PrintKey = "StampaInformativa";
constexpr QByteArrayView LastRunKey = "UltimaAnonimizzazione";
constexpr QByteArrayView LastCountKey = "UltimeSchedeAnonimizzate";
constexpr std::array<QByteArrayView, 4> Keys { MonthsKey, PrintKey, LastRunKey, LastCountKey };
constexpr QByteArrayView Utf8Mark = "\xEF\xBB\xBF";

QString nameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

// A file that is not there reads as empty; one that is there and cannot be read is an error.
QByteArray readWhole(const QString &path, bool *exists = nullptr)
{
    QFile file(path);
    if (exists)
        *exists = file.exists();
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw StorageError(u"Cannot open "_s + path + u": "_s + file.errorString(), nameOf(path));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StorageError(u"Cannot read "_s + path + u": "_s + file.errorString(), nameOf(path));
    return data;
}

void writeWhole(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw StorageError(u"Cannot create "_s + path + u": "_s + file.errorString(), nameOf(path));
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        file.commit();
        throw StorageError(u"Cannot write "_s + path, nameOf(path));
    }
    if (!CommitToDisk(file))
        throw StorageError(u"Cannot save "_s + path, nameOf(path));
}

// One line of the settings file without its line end, trimmed.
QByteArray body(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return line.trimmed().toByteArray();
}

// The section a header line opens, or nothing for any other line.
std::optional<QByteArray> sectionOf(const QByteArray &body)
{
    if (!body.startsWith('[') || !body.endsWith(']'))
        return std::nullopt;
    return body.mid(1, body.size() - 2).trimmed();
}

bool isSection(const QByteArray &body)
{
    const std::optional<QByteArray> name = sectionOf(body);
    return name && name->compare(Section, Qt::CaseInsensitive) == 0;
}

// Which of our keys the line sets, as an index into Keys, or -1.
int keyOf(const QByteArray &body)
{
    const qsizetype equals = body.indexOf('=');
    if (equals < 0)
        return -1;
    const QByteArray key = body.left(equals).trimmed();
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (key.compare(Keys[i], Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QList<QByteArray> linesOf(QByteArray data)
{
    if (data.startsWith(Utf8Mark))
        data.remove(0, Utf8Mark.size());
    if (data.isEmpty())
        return {};
    if (data.endsWith('\n'))
        data.chop(1);
    return data.split('\n');
}

// The value of each of our keys in the [Privacy] sections, the first one found.
std::array<std::optional<QByteArray>, 4> privacyValues(const QByteArray &data)
{
    std::array<std::optional<QByteArray>, 4> values;
    bool inSection = false;
    for (const QByteArray &line : linesOf(data)) {
        const QByteArray text = body(line);
        if (sectionOf(text)) {
            inSection = isSection(text);
            continue;
        }
        const int key = inSection ? keyOf(text) : -1;
        if (key >= 0 && !values[std::size_t(key)])
            values[std::size_t(key)] = text.mid(text.indexOf('=') + 1).trimmed();
    }
    return values;
}

std::optional<int> positiveNumber(const QByteArray &digits)
{
    if (digits.isEmpty() || !std::all_of(digits.cbegin(), digits.cend(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok && value > 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString PrivacySettings::path()
{
    return ProgramFolder() + u"Impostazioni.ini"_s;
}

QString PrivacySettings::noticePath()
{
    return ProgramFolder() + u"Informativa.txt"_s;
}

PrivacySettings PrivacySettings::read()
{
    const auto values = privacyValues(readWhole(path()));
    const auto value = [&values](QByteArrayView key) {
        return values[std::size_t(std::find(Keys.cbegin(), Keys.cend(), key) - Keys.cbegin())].value_or(QByteArray());
    };
    PrivacySettings settings;
    settings.months = positiveNumber(value(MonthsKey));
    settings.printNotice = value(PrintKey) == "1";
    settings.lastAutomaticRun = ParseDate(QString::fromUtf8(value(LastRunKey))).value_or(QDate());
    settings.lastAutomaticCount = positiveNumber(value(LastCountKey)).value_or(0);
    return settings;
}

void PrivacySettings::write() const
{
    const std::array<QByteArray, 4> values {
        months && *months > 0 ? QByteArray::number(*months) : QByteArray(),
        printNotice ? "1" : "0",
        lastAutomaticRun.isValid() ? DateText(lastAutomaticRun).toUtf8() : QByteArray(),
        QByteArray::number(std::max(lastAutomaticCount, 0)),
    };
    const auto keyLine = [&values](std::size_t key) { return Keys[key].toByteArray() + '=' + values[key]; };

    const FileLock lock(path());
    const QByteArray before = readWhole(path());
    QList<QByteArray> lines = linesOf(before);
    // A file written on Windows keeps its line ends.
    const QByteArray end = !lines.isEmpty() && lines.first().endsWith('\r') ? "\r" : "";

    std::array<bool, 4> written {};
    qsizetype sectionEnd = -1; // after the last non-blank line of the first [Privacy] section
    bool inSection = false;
    bool inFirstSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray text = body(lines.at(i));
        if (sectionOf(text)) {
            inSection = isSection(text);
            inFirstSection = inSection && sectionEnd < 0;
            if (inFirstSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (const int key = keyOf(text); key >= 0 && !written[std::size_t(key)]) {
            lines[i] = keyLine(std::size_t(key)) + end;
            written[std::size_t(key)] = true;
        }
        if (inFirstSection && !text.isEmpty())
            sectionEnd = i + 1;
    }
    QList<QByteArray> missing;
    for (std::size_t key = 0; key < Keys.size(); ++key) {
        if (!written[key])
            missing.append(keyLine(key) + end);
    }
    if (sectionEnd < 0) {
        if (!lines.isEmpty() && !body(lines.last()).isEmpty())
            lines.append(end);
        lines.append('[' + Section.toByteArray() + ']' + end);
        lines.append(missing);
    } else {
        for (qsizetype i = 0; i < missing.size(); ++i)
            lines.insert(sectionEnd + i, missing.at(i));
    }
    QByteArray data = before.startsWith(Utf8Mark) ? Utf8Mark.toByteArray() : QByteArray();
    data += lines.join('\n');
    data += '\n';
    writeWhole(path(), data);
}

QString PrivacySettings::defaultNotice()
{
    return u"INFORMATIVA SUL TRATTAMENTO DEI DATI PERSONALI (art. 13 del Regolamento UE 2016/679). "
           u"Titolare del trattamento: [indicare il titolare]. I dati raccolti all'ingresso sono trattati per "
           u"la sicurezza delle persone e dei beni e per la gestione delle emergenze, sono conservati per "
           u"[indicare il periodo] e poi resi anonimi. Lei può chiedere l'accesso ai suoi dati, la rettifica, "
           u"la cancellazione o la limitazione del trattamento e proporre reclamo al Garante per la protezione "
           u"dei dati personali."_s;
}

QString PrivacySettings::readNotice()
{
    bool exists = false;
    QByteArray data = readWhole(noticePath(), &exists);
    if (!exists)
        return defaultNotice();
    // Text editors on Windows like to start UTF-8 with a byte order mark.
    if (data.startsWith(Utf8Mark))
        data.remove(0, Utf8Mark.size());
    return QString::fromUtf8(data);
}

void PrivacySettings::writeNotice(const QString &text)
{
    const FileLock lock(noticePath());
    writeWhole(noticePath(), text.toUtf8());
}
