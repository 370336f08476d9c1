#pragma once
// What the client information sheet prints: 24 rows of a title and a value gathered from the card.

#include "storage/TSchedaAnagrafica.h"

#include <QList>
#include <QString>

struct ClientSheetRow
{
    QString title;
    QString value;
};

inline constexpr int ClientSheetRowCount = 24;

// The rows in print order; every piece of the card is taken trimmed.
QList<ClientSheetRow> ClientSheetRows(const TSchedaAnagrafica &card);
