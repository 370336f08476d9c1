#include "widgets/RecordBarActions.h"

#include "storage/StorageError.h"
#include "widgets/Messages.h"

#include <QLabel>

void RunFileAction(QWidget *owner, const std::function<void()> &action)
{
    try {
        action();
    } catch (const StorageError &) {
        Messages::error(AccessFailureText(), owner);
    }
}

std::optional<int> ShownPosition(QWidget *owner, const QLabel *label)
{
    const std::optional<int> position = PositionFromLabel(label->text());
    if (!position)
        Messages::error(AccessFailureText(), owner);
    return position;
}

bool MayLeaveCard(QWidget *owner, bool changed)
{
    return !changed || Messages::confirm(ArchiveTexts::unsavedChanges(), owner);
}

void ShowRecordStep(QWidget *owner, QLabel *label, const RecordStep &step, const std::function<void(int)> &load,
    const std::function<void()> &close)
{
    if (step.action == RecordStep::Action::Load)
        load(step.position);
    else if (step.clearsPosition())
        label->clear();
    close();
    if (step.action == RecordStep::Action::EmptyArchive)
        Messages::information(ArchiveTexts::emptyArchive(), owner);
}
