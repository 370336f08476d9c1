#pragma once
// The visit card editor's rules that need no window: the checks before a save, the card built
// from the boxes and the card in the form it is stored.

#include "storage/TSchedaVisita.h"

#include <QString>
#include <QStringList>

#include <optional>

// The first check a card fails before it may be saved: its message, the kind of box that shows
// it and the field whose box takes the focus.
struct VisitSaveFailure
{
    enum class Box { Warning, Notice };

    int check = 0; // 1 to 11, in the order the checks run
    Box box = Box::Warning;
    QString message;
    VisitField focus = VisitField::DataEnt;
};

// Runs the save checks in their fixed order on the card's texts (trimmed first) and stops at the
// first that fails; nothing when the card can be saved.
std::optional<VisitSaveFailure> CheckVisitCardForSave(const TSchedaVisita &card);

// The card as a save writes it: entry and exit dates in full as dd/mm/yyyy ("7/3" becomes
// "07/03/2026"), so that today's lists and the monthly counts, which compare the stored text, find
// it, and times as hh:mm ("9.30" becomes "09:30"), so lists, receipts and exports show one form.
// Dates and times that are empty or not valid stay as they are.
TSchedaVisita VisitCardAsStored(const TSchedaVisita &card);

// The card made of sixteen box texts in stored order, each trimmed. Missing texts stay empty.
TSchedaVisita VisitCardFromTexts(const QStringList &texts);

// The name of the edit box that shows a field: "txt" followed by the field's name.
QString VisitBoxName(VisitField field);
