#pragma once
// What the two card editors share around their files: the messages about the archive and where
// each arrow of the record bar leads in a file of cards.

#include <QString>

// The access failure message is the record files' own (AccessFailureText, storage/StorageError.h).
namespace ArchiveTexts {
QString emptyArchive();
QString inserted();
QString changesSaved();
QString unsavedChanges();
} // namespace ArchiveTexts

// What one press of a record-bar arrow does with the file as it is.
struct RecordStep
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

    bool operator==(const RecordStep &) const = default;
};

// The four arrows of the record bar.
enum class RecordArrow { First, Previous, Next, Last };
// Where an arrow leads: `current` is the position on screen, 0 for a card not saved yet; `count`
// the file's cards.
RecordStep ArrowStep(RecordArrow arrow, int current, int count);
