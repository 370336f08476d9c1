#pragma once
// The visit search as plain rules: the field each criteria box is compared with, the cards of a
// year file the criteria find with their search lines, and the card found again behind a line.

#include "base/ListText.h"
#include "base/SearchCriteria.h"
#include "storage/TSchedaVisita.h"
#include "visits/PresenceLines.h"

#include <QList>
#include <QString>

#include <optional>

// The fields of the ten criteria boxes in the boxes' order (their tab and Enter order); the box of
// a field is "txt" + its name.
const QList<VisitField> &VisitSearchFields();

// Reads the year file from the first card to the last (a missing file is created empty) and builds
// the search line of every card the criteria find, one criterion per box of VisitSearchFields().
// Throws StorageError when the file cannot be opened, created or read.
// Each line is tagged with its card's position, in file order.
LineStore ListVisitSearch(const QString &yearFile, const SearchCriteria &criteria);
// The same lines as plain texts.
ListedLines SearchVisits(const QString &yearFile, const SearchCriteria &criteria);

// The card behind a chosen search line, as FindListedRecord finds it. Throws StorageError.
std::optional<PresenceCard> FindVisitSearchCard(const QString &yearFile, const QString &chosenLine, int listedPosition);
