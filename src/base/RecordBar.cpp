#include "base/RecordBar.h"

#include "base/TextFunctions.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ArchiveTexts {

QString emptyArchive()
{
    return u"L'archivio non contiene nessuna scheda."_s;
}

QString inserted()
{
    return u"La scheda corrente è stata inserita in archivio."_s;
}

QString changesSaved()
{
    return u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;
}

QString unsavedChanges()
{
    return u"Le modifiche alla scheda corrente non sono state salvate. Continuare senza salvarle?"_s;
}

} // namespace ArchiveTexts

std::optional<int> PositionFromLabel(const QString &label)
{
    const QString text = TrimText(label);
    if (text.isEmpty())
        return 0;
    if (!IsAllDigits(text))
        return std::nullopt;
    bool ok = false;
    const int position = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return position;
}

RecordStep FirstRecordStep(int count)
{
    if (count <= 0)
        return { RecordStep::Action::EmptyArchive, 0 };
    return { RecordStep::Action::Load, 1 };
}

RecordStep LastRecordStep(int count)
{
    if (count <= 0)
        return { RecordStep::Action::EmptyArchive, 0 };
    return { RecordStep::Action::Load, count };
}

RecordStep NextRecordStep(int current, int count)
{
    if (count <= 0)
        return { RecordStep::Action::EmptyArchive, 0 };
    if (current < count)
        return { RecordStep::Action::Load, current + 1 };
    return { RecordStep::Action::Stay, current };
}

RecordStep PreviousRecordStep(int current, int count)
{
    // The first card stays put even when the file has emptied meanwhile.
    if (current == 1)
        return { RecordStep::Action::Stay, current };
    if (count <= 0)
        return { RecordStep::Action::EmptyArchive, 0 };
    // A file that shrank under the card on screen: the card before it is the file's last one.
    return { RecordStep::Action::Load, current > 0 ? std::min(current - 1, count) : 1 };
}
