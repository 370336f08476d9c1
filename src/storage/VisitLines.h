#pragma once
// The lines a visit card shows in the lists: the three presence lists' line and the line of the
// visit search and of the summary, built from a card held whole or from its stored bytes.

#include "storage/LineStore.h"
#include "storage/RecordView.h"
#include "storage/TSchedaVisita.h"

#include <QString>

enum class PresenceKind {
    NonUsciti, // exit date empty
    EntratiOggi, // entry date today
    UscitiOggi, // exit date today
};

QString PresenceLine(PresenceKind kind, const TSchedaVisita &card);
QString PresenceLine(PresenceKind kind, const RecordView<TSchedaVisita> &card);
// The same line in the card's stored bytes, replacing what `out` held.
void PresenceLineBytes(PresenceKind kind, const RecordView<TSchedaVisita> &card, LineBytes &out);

// The line of a card in the visit search and in the summary: the presence line's columns with a
// name column of 28, entry and exit, then the reason.
QString VisitSearchLine(const TSchedaVisita &card);
QString VisitSearchLine(const RecordView<TSchedaVisita> &card);
// The same line in the card's stored bytes, replacing what `out` held.
void VisitSearchLineBytes(const RecordView<TSchedaVisita> &card, LineBytes &out);
