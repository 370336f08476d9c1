#pragma once
// Where a client card's documents are kept: the card's own folder, named after its position, and
// the attachments folder shared by every card, with the copy that files a chosen document there.

#include <QString>

#include <array>
#include <optional>

// One attachment slot of a card: the file's name inside the attachments folder, and what it is.
struct AttachmentSlot
{
    QString file;
    QString description;

    bool operator==(const AttachmentSlot &) const = default;
};
using AttachmentSlots = std::array<AttachmentSlot, 3>;

// ProgramFolder() + "Visitatore_" + the position; nothing when the text, trimmed, is not a
// position (digits only, 1 or more), so no other folder can ever be named.
std::optional<QString> ClientFolderPath(const QString &position);

// Creates the folder and its missing parents unless it is there already; false when it cannot be
// made, also when a file stands where the folder should be.
bool MakeFolder(const QString &path);

// ProgramFolder() + "Documenti_Allegati/".
QString AttachmentsFolder();

// The plain name a chosen file is filed under: what follows the last "/" or "\", so a name never
// leads out of the attachments folder; empty when nothing usable is left ("", "." or "..").
QString AttachmentName(const QString &chosen);

// True when a card's slot can hold the name exactly: Windows-1252 characters, 250 bytes at most.
bool AttachmentNameFits(const QString &name);

// True when the chosen file is the very file already filed under that name.
bool IsFiledAlready(const QString &source, const QString &name);

// Copies the source into the attachments folder under the name (created with missing parents
// when needed), through a temporary file in that folder renamed into place at the end: a failed
// copy leaves no partial file under the name, and an earlier file of that name intact.
// False when anything fails.
bool FileAttachment(const QString &source, const QString &name);

namespace ClientFolderTexts {
// The editor's folder button on a card not stored yet.
QString storeCardFirst();
// The attachments dialog asks before replacing a filed document of the same name.
QString replaceExisting();
// The operator is told when a document could not be filed, so nobody believes it is.
QString copyFailed(const QString &name);
QString nameDoesNotFit(const QString &name);
QString folderFailed(const QString &path);
} // namespace ClientFolderTexts
