#include "base/RecordStep.h"

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

namespace {

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

} // namespace

RecordStep ArrowStep(RecordArrow arrow, int current, int count)
{
    switch (arrow) {
    case RecordArrow::First:
        return FirstRecordStep(count);
    case RecordArrow::Previous:
        return PreviousRecordStep(current, count);
    case RecordArrow::Next:
        return NextRecordStep(current, count);
    case RecordArrow::Last:
        break;
    }
    return LastRecordStep(count);
}
