#pragma once
// A person's cards in every archive of the program folder: every year's visits and the registry,
// found for an access request and made anonymous when the person asks to be forgotten.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The person as the operator typed them.
struct PersonQuery
{
    QString surname, firstName, fiscalCode;
};

// At least the fiscal code, or both surname and first name (trimmed non-empty): a surname alone
// would sweep up the person's namesakes.
bool IsCompletePersonQuery(const PersonQuery &query);

// One card: the file's name inside the program folder ("2026.vis", "Visitatori.pro") and its position.
struct FoundCard
{
    QString file;
    int position = 0;

    bool operator==(const FoundCard &) const = default;
};

struct PersonCards
{
    QList<FoundCard> visits; // every <yyyy>.vis, oldest year first, then file order
    QList<FoundCard> clients; // Visitatori.pro, file order
    QStringList lines; // one per card, visits first
};

// A card matches when its trimmed fiscal code equals the typed one ignoring case (when a code was
// typed), or when its trimmed surname and first name both equal the typed ones ignoring case (when
// both were typed). An incomplete query finds nothing and reads nothing. Reads every file by scans
// (progress and cancellation through WorkProgress); StorageError naming the file that cannot be read.
//   visit line:    "<yyyy>.vis n. <position>  <DataEnt> <OraEnt>  <Cognome> <Nome>  <Motivo>"
//   registry line: "Visitatori.pro n. <position>  <Cognome> <Nome>  <CodFisc>"
PersonCards FindPersonCards(const PersonQuery &query);

struct ErasedCounts
{
    int visits = 0;
    int clients = 0;
};

// Makes every card anonymous in place: visit cards as the retention rule does, even while the
// person is inside (the request comes from them); registry cards keep their position with
// Cognome "Anonimo" and every other field empty, then the card's folder goes with all it holds.
// A file that cannot be read or written, or a folder that cannot be deleted, stops the work there
// with StorageError naming it; what was already written stays.
ErasedCounts ErasePersonCards(const PersonCards &cards);

// The printed answer to an access request: the person as typed, the date of the print, the counts,
// then every card found with its file and position and each non-empty field as "Etichetta: valore"
// under the labels of the card's screen (a visit's fields under the headings of its parts); a
// registry card's attachments by name, and the documents of its own folder. StorageError naming the
// file when a card cannot be read.
QStringList PersonReportLines(const PersonQuery &query, const PersonCards &cards, const QDate &printed);
