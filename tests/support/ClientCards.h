#pragma once
// Client cards as the tests build them, and the registry written from them.

#include "storage/ClientFile.h"
#include "storage/TSchedaAnagrafica.h"

#include <QList>

#include <initializer_list>
#include <optional>
#include <utility>

// A client card holding the given fields; every other field stays empty.
TSchedaAnagrafica ClientRecord(std::initializer_list<std::pair<ClientField, QString>> fields);

// Appends the cards, in order, to the registry of the program folder (created when missing).
void AppendClients(const QList<TSchedaAnagrafica> &cards);

// Empty when a list handed over the card at `position` whose e-mail is `email`, or nothing at all
// when `position` is 0; otherwise what it handed over instead.
QString HandedOverMismatch(const std::optional<ClientCard> &chosen, int position, const QString &email);
