#pragma once
// The client search as plain rules: the field each criteria box is compared with, the result line
// of a card, the cards of the registry the criteria find, and the card found again behind a line.

#include "base/ListText.h"
#include "base/SearchCriteria.h"
#include "storage/ClientFile.h"

#include <QList>
#include <QString>

#include <optional>

// The fields of the ten criteria boxes in the boxes' order (their tab and Enter order); the box of
// a field is "txt" + its name.
const QList<ClientField> &ClientSearchFields();

// Surname and first name in 28, "  C.F. " and the fiscal code in 16, "  Zona: " and the zone in 24,
// "  Tel. " and the preferred contact in 14, "  Note: " and the notes uncut.
QString ClientSearchLine(const TSchedaAnagrafica &card);
QString ClientSearchLine(const ClientRecordView &card);

// Reads the registry from the first card to the last (a missing file is created empty) and builds
// the line of every card the criteria find, one criterion per box of ClientSearchFields().
// Throws StorageError when the file cannot be opened, created or read.
ListedLines SearchClients(const SearchCriteria &criteria);

// The card behind a chosen result line, as FindListedRecord finds it. Throws StorageError.
std::optional<ClientCard> FindClientSearchCard(const QString &chosenLine, int listedPosition);
