#include "privacy/PersonData.h"

#include "base/ProgramFolder.h"
#include "base/TextFunctions.h"
#include "clients/ClientCardLabels.h"
#include "clients/ClientFolders.h"
#include "privacy/Retention.h"
#include "storage/ClientFile.h"
#include "storage/StorageError.h"
#include "storage/VisitFile.h"
#include "visits/VisitCardLabels.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString RegistryName = u"Visitatori.pro"_s;

bool IsYearFileName(const QString &name)
{
    static const QRegularExpression year(u"^[0-9]{4}\\.vis$"_s);
    return year.match(name).hasMatch();
}

// Only names this program gives its archives reach the disk, so a card handed in can never lead
// to another file.
QString ArchivePath(const FoundCard &card, bool visit)
{
    if (visit ? !IsYearFileName(card.file) : card.file != RegistryName)
        throw StorageError(u"Not an archive of %1: %2"_s.arg(visit ? u"visits"_s : u"clients"_s, card.file));
    return ProgramFolder() + card.file;
}

// Every entry so named counts, folders and broken links too: a year that cannot be read must stop
// the search rather than hide the person's visits in it.
QStringList YearFileNames()
{
    QStringList years
        = QDir(ProgramFolder())
              .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    years.removeIf([](const QString &name) { return !IsYearFileName(name); });
    return years;
}

bool IsPresent(const QString &path)
{
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

class Matcher
{
public:
    explicit Matcher(const PersonQuery &query)
        : m_surname(TrimText(query.surname))
        , m_firstName(TrimText(query.firstName))
        , m_fiscalCode(TrimText(query.fiscalCode))
        , m_byName(!m_surname.isEmpty() && !m_firstName.isEmpty())
    { }

    template<typename View, typename Field>
    bool matches(const View &view, Field surname, Field firstName, Field fiscalCode) const
    {
        return (!m_fiscalCode.isEmpty() && equal(view, fiscalCode, m_fiscalCode))
            || (m_byName && equal(view, surname, m_surname) && equal(view, firstName, m_firstName));
    }

private:
    // Every stored byte decodes to one character and folding keeps lengths, so a length that
    // differs rules a card out without decoding it: most cards of a big year never are.
    template<typename View, typename Field> static bool equal(const View &view, Field field, const QString &typed)
    {
        return view.bytes(field).size() == typed.size()
            && QString::compare(TrimText(view.field(field)), typed, Qt::CaseInsensitive) == 0;
    }

    QString m_surname, m_firstName, m_fiscalCode;
    bool m_byName;
};

QString Position(const FoundCard &card)
{
    return u"%1 n. %2"_s.arg(card.file).arg(card.position);
}

template<typename Record> Record ReadCard(const QString &path, int position)
{
    RecordFile<Record> file;
    file.open(path, RecordFile<Record>::Access::Read);
    const Record card = file.readAt(position);
    file.close();
    return card;
}

// "Etichetta: valore", under the label as the screen shows it ("Cognome:", "Prov.", "Importo rata: €").
QString LabelledValue(const QString &label, const QString &value)
{
    return u"    "_s + label + (label.contains(u':') ? u" "_s : u": "_s) + value;
}

// The documents kept in a registry card's own folder, by their names inside it, sorted. A link in
// the folder's place leads to nobody's card folder, so it holds nothing of the person.
QStringList FolderDocuments(int position)
{
    const std::optional<QString> folder = ClientFolderPath(QString::number(position));
    if (!folder || QFileInfo(*folder).isSymLink() || !QFileInfo(*folder).isDir())
        return {};
    const QDir root(*folder);
    QStringList names;
    QDirIterator it(*folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(root.relativeFilePath(it.next()));
    names.sort();
    return names;
}

// The cards of each file, files in the order first met, so each file is opened once.
QList<std::pair<QString, QList<int>>> ByFile(const QList<FoundCard> &cards, bool visit)
{
    QList<std::pair<QString, QList<int>>> files;
    for (const FoundCard &card : cards) {
        const QString path = ArchivePath(card, visit);
        auto it = std::find_if(files.begin(), files.end(), [&path](const auto &file) { return file.first == path; });
        if (it == files.end())
            files.append({ path, { card.position } });
        else
            it->second.append(card.position);
    }
    return files;
}

// Opening for writing would make a vanished archive again, empty: that is a failure to report.
template<typename Record> void OpenExisting(RecordFile<Record> &file, const QString &path)
{
    if (!IsPresent(path))
        throw StorageError(u"File not found (%1)"_s.arg(path));
    file.open(path);
}

void RemoveClientFolder(int position)
{
    const std::optional<QString> folder = ClientFolderPath(QString::number(position));
    if (!folder)
        return;
    const QFileInfo entry(*folder);
    bool removed = true;
    if (entry.isSymLink())
        removed = QFile::remove(*folder); // the link only: what it leads to is nobody's card folder
    else if (entry.isDir())
        removed = QDir(*folder).removeRecursively();
    if (!removed)
        throw StorageError(u"Cannot delete the folder (%1)"_s.arg(*folder));
}

TSchedaAnagrafica AnonymisedClient()
{
    TSchedaAnagrafica card;
    card.Cognome = u"Anonimo"_s;
    return card;
}

// Runs the work on one of many files: its failure names that file, for the operator's message.
template<typename Work> auto InFile(const QString &path, Work work)
{
    try {
        return work();
    } catch (const StorageError &error) {
        throw error.inFile(path);
    }
}

} // namespace

bool IsCompletePersonQuery(const PersonQuery &query)
{
    return !TrimText(query.fiscalCode).isEmpty()
        || (!TrimText(query.surname).isEmpty() && !TrimText(query.firstName).isEmpty());
}

PersonCards FindPersonCards(const PersonQuery &query)
{
    PersonCards found;
    if (!IsCompletePersonQuery(query))
        return found;
    const Matcher matcher(query);

    for (const QString &year : YearFileNames()) {
        InFile(year, [&] {
            VisitFile::scan(ProgramFolder() + year, [&](const VisitRecordView &view, int position) {
                if (matcher.matches(view, VisitField::Cognome, VisitField::Nome, VisitField::CodFisc)) {
                    const FoundCard card { year, position };
                    found.visits.append(card);
                    found.lines.append(u"%1  %2 %3  %4 %5  %6"_s.arg(Position(card), view.field(VisitField::DataEnt),
                        view.field(VisitField::OraEnt), view.field(VisitField::Cognome), view.field(VisitField::Nome),
                        view.field(VisitField::Motivo)));
                }
                return true;
            });
        });
    }

    // A missing registry holds nobody, and a search must not leave one behind.
    if (IsPresent(ClientFilePath())) {
        InFile(ClientFilePath(), [&] {
            ClientFile::scan(ClientFilePath(), [&](const ClientRecordView &view, int position) {
                if (matcher.matches(view, ClientField::Cognome, ClientField::Nome, ClientField::CodFisc)) {
                    const FoundCard card { RegistryName, position };
                    found.clients.append(card);
                    found.lines.append(u"%1  %2 %3  %4"_s.arg(Position(card), view.field(ClientField::Cognome),
                        view.field(ClientField::Nome), view.field(ClientField::CodFisc)));
                }
                return true;
            });
        });
    }
    return found;
}

ErasedCounts ErasePersonCards(const PersonCards &cards)
{
    ErasedCounts erased;
    // Named references, not structured bindings: older clang cannot capture bindings in a lambda.
    for (const auto &entry : ByFile(cards.visits, true)) {
        const QString &path = entry.first;
        const auto &positions = entry.second;
        InFile(path, [&] {
            VisitFile file;
            OpenExisting(file, path);
            for (int position : positions) {
                file.writeAt(position, AnonymisedVisit(file.readAt(position)));
                ++erased.visits;
            }
            file.close();
        });
    }
    for (const auto &entry : ByFile(cards.clients, false)) {
        const QString &path = entry.first;
        const auto &positions = entry.second;
        InFile(path, [&] {
            ClientFile file;
            OpenExisting(file, path);
            for (int position : positions) {
                file.writeAt(position, AnonymisedClient());
                ++erased.clients;
                RemoveClientFolder(position);
            }
            file.close();
        });
    }
    return erased;
}

QStringList PersonReportLines(const PersonQuery &query, const PersonCards &cards, const QDate &printed)
{
    QStringList lines;
    const std::pair<const char16_t *, QString> typed[]
        = { { u"Cognome indicato: ", TrimText(query.surname) }, { u"Nome indicato: ", TrimText(query.firstName) },
              { u"Codice fiscale indicato: ", TrimText(query.fiscalCode) } };
    for (const auto &entry : typed) {
        if (!entry.second.isEmpty())
            lines.append(QString::fromUtf16(entry.first) + entry.second);
    }
    lines.append(u"Data della stampa: "_s + DateText(printed));
    lines.append(
        u"Schede trovate: %1 visite, %2 schede anagrafiche."_s.arg(cards.visits.size()).arg(cards.clients.size()));

    for (const FoundCard &found : cards.visits) {
        const QString path = ArchivePath(found, true);
        const auto card = InFile(path, [&] { return ReadCard<TSchedaVisita>(path, found.position); });
        lines << QString() << Position(found);
        QString section;
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i) {
            const QString value = TrimText(card.field(i));
            if (value.isEmpty())
                continue;
            // The card's parts as on its screen: "Data:" is the entry's or the exit's by its heading.
            if (VisitFieldSection(VisitField(i)) != section) {
                section = VisitFieldSection(VisitField(i));
                lines.append(u"  "_s + section);
            }
            lines.append(LabelledValue(VisitFieldLabel(VisitField(i)), value));
        }
    }
    for (const FoundCard &found : cards.clients) {
        const QString path = ArchivePath(found, false);
        const auto card = InFile(path, [&] { return ReadCard<TSchedaAnagrafica>(path, found.position); });
        lines << QString() << Position(found);
        for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i) {
            const QString value = TrimText(card.field(i));
            if (!value.isEmpty())
                lines.append(LabelledValue(ClientFieldLabel(ClientField(i)), value));
        }
        const QStringList documents = FolderDocuments(found.position);
        if (!documents.isEmpty()) {
            lines.append(u"  DOCUMENTI NELLA CARTELLA DELLA SCHEDA"_s);
            for (const QString &name : documents)
                lines.append(u"    "_s + name);
        }
    }
    return lines;
}
