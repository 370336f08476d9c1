#include "visits/PresenceList.h"

#include "output/ListReport.h"
#include "widgets/ListBox.h"

using namespace Qt::StringLiterals;

namespace {

struct KindTexts
{
    QString className;
    QString caption;
    QString banner;
};

KindTexts textsOf(PresenceKind kind)
{
    switch (kind) {
    case PresenceKind::NonUsciti:
        return { u"TfrmNonUsciti"_s, u" Visitatori non ancora usciti"_s, u"VISITATORI NON ANCORA USCITI"_s };
    case PresenceKind::EntratiOggi:
        return { u"TfrmEntratiOggi"_s, u" Visitatori entrati oggi"_s, u"VISITATORI ENTRATI OGGI"_s };
    case PresenceKind::UscitiOggi:
        return { u"TfrmUscitiOggi"_s, u" Visitatori usciti oggi"_s, u"VISITATORI USCITI OGGI"_s };
    }
    return {};
}

} // namespace

PresenceList::PresenceList(PresenceKind kind, QWidget *parent)
    : ListDialog(textsOf(kind).className, textsOf(kind).caption, textsOf(kind).banner, parent)
    , m_kind(kind)
{ }

bool PresenceList::fill(ListBox *list)
{
    list->setLines(ListPresenceLines(m_kind, m_yearFile, PresenceToday()));
    return true;
}

void PresenceList::takeLine(const QString &line, int listedPosition)
{
    m_chosen = FindPresenceCard(m_kind, m_yearFile, line, listedPosition);
}

void PresenceList::printLines(const QStringList &lines)
{
    PrintListReport(this, PresenceReportTitle(m_kind, PresenceToday()), lines);
}
