#pragma once
// What the two card editors share around their files: the messages about the archive, the reading
// of the position label, and where each arrow of the record bar leads in a file of cards.

#include <QString>

#include <optional>

// The access failure message is the record files' own (AccessFailureText, storage/StorageError.h).
namespace ArchiveTexts {
QString emptyArchive();
QString inserted();
QString changesSaved();
QString unsavedChanges();
} // namespace ArchiveTexts

// The position in a position label: 0 for an empty label (a card not saved yet), nothing for a
// text that is not a position.
std::optional<int> PositionFromLabel(const QString &label);

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

// `current` is the position on screen, 0 for a card not saved yet; `count` the file's cards.
RecordStep FirstRecordStep(int count);
RecordStep LastRecordStep(int count);
RecordStep NextRecordStep(int current, int count);
RecordStep PreviousRecordStep(int current, int count);
