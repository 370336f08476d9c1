#pragma once
// The visit card editor's rules that need no window: the checks before a save, the card built
// from the boxes, the reading of the position label and where each record-bar arrow leads.

#include "storage/TSchedaVisita.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace VisitCardTexts {
QString accessFailure();
QString emptyArchive();
QString inserted();
QString changesSaved();
} // namespace VisitCardTexts

// The first check a card fails before it may be saved: its message, the kind of box that shows
// it and the field whose box takes the focus.
struct VisitSaveFailure
{
    enum class Box { Warning, Notice };

    int check = 0; // 1 to 8, in the order the checks run
    Box box = Box::Warning;
    QString message;
    VisitField focus = VisitField::DataEnt;
};

// Runs the save checks in their fixed order on the card's texts (trimmed first) and stops at the
// first that fails; nothing when the card can be saved.
std::optional<VisitSaveFailure> CheckVisitCardForSave(const TSchedaVisita &card);

// The card with its entry and exit dates written in full as dd/mm/yyyy ("7/3" becomes
// "07/03/2026"), so that today's lists and the monthly counts, which compare the stored text,
// find it. Dates that are empty or not valid stay as they are.
TSchedaVisita WithFullDates(const TSchedaVisita &card);

// The card made of sixteen box texts in stored order, each trimmed. Missing texts stay empty.
TSchedaVisita VisitCardFromTexts(const QStringList &texts);

// The name of the edit box that shows a field: "txt" followed by the field's name.
QString VisitBoxName(VisitField field);

// The position in the position label: 0 for an empty label (a card not saved yet), nothing for a
// text that is not a position.
std::optional<int> VisitPositionFromLabel(const QString &label);

// What one press of a record-bar arrow does with the file as it is.
struct VisitNavigation
{
    enum class Action {
        Load, // show the card at `position`
        EmptyArchive, // the file holds no card: say so
        Stay, // already at the end the arrow points to: nothing happens
    };

    Action action = Action::Stay;
    int position = 0;

    // The position label empties when the file holds no card: the card on screen has no place in
    // it any more, so the next save inserts it instead of writing where nothing is.
    bool clearsPosition() const { return action == Action::EmptyArchive; }

    bool operator==(const VisitNavigation &) const = default;
};

// `current` is the position on screen, 0 for a card not saved yet; `count` the file's cards.
VisitNavigation FirstVisitStep(int count);
VisitNavigation LastVisitStep(int count);
VisitNavigation NextVisitStep(int current, int count);
VisitNavigation PreviousVisitStep(int current, int count);
