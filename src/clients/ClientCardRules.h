#pragma once
// The client card editor's rules that need no window: the checks before a save, the province
// codes offered by the two province boxes, and the instalment rules (amounts put in form, the
// start and due dates compared as dates).

#include "storage/TSchedaAnagrafica.h"

#include <QString>
#include <QStringList>

#include <optional>

// The first check a card fails before it may be saved: its message, the kind of box that shows
// it and the field whose box takes the focus (none: the focus stays where it was).
struct ClientSaveFailure
{
    enum class Box { Warning, Notice };

    int check = 0; // 1 to 8, in the order the checks run
    Box box = Box::Warning;
    QString message;
    std::optional<ClientField> focus;
};

// Runs the save checks in their fixed order on the card's texts (trimmed first) and stops at the
// first that fails; nothing when the card can be saved.
std::optional<ClientSaveFailure> CheckClientCardForSave(const TSchedaAnagrafica &card);

// The 112 two-letter codes of both province boxes, in the order they are listed.
const QStringList &ProvinceCodes();

// The name of the box (or hidden label) that shows a field: "txt" + the field's name for the 45
// boxes, "lbl" + the field's name for the six attachment slots.
QString ClientBoxName(ClientField field);
// True for the six attachment slots, which the editor keeps in hidden labels.
bool IsAttachmentField(ClientField field);
// How many characters the operator may type into a field's box: its capacity, except the
// instalment amount, whose box takes 15 of the 50 its field holds.
int ClientBoxMaxLength(ClientField field);

// An amount as it leaves its box: read as a decimal number with "," for decimals, rounded to four
// decimals and written with at least two ("12" -> "12,00", "12,345" stays, "1,23456" -> "1,2346");
// "0,00" for a blank box or a text that is not a number.
QString NormaliseAmount(const QString &text);

// True when an amount, trimmed, is blank or a decimal number worth nothing ("0", "0,00"). A text
// that is no number is not taken for nothing.
bool IsBlankOrZeroAmount(const QString &text);

// True when both texts are dates and the start falls after the due date; the same day is allowed.
bool StartAfterDue(const QString &start, const QString &due);
