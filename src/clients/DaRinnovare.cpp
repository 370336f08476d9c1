#include "clients/DaRinnovare.h"

#include "base/Clock.h"
#include "clients/InstalmentsDue.h"
#include "output/ListReport.h"
#include "widgets/ListBox.h"
#include "widgets/OffWindowWork.h"

using namespace Qt::StringLiterals;

TfrmDaRinnovare::TfrmDaRinnovare(QWidget *parent)
    : ListDialog(
        u"TfrmDaRinnovare"_s, u" Riepilogo rate in scadenza o scadute"_s, u"RATE IN SCADENZA O SCADUTE"_s, parent)
{ }

bool TfrmDaRinnovare::fill(ListBox *list)
{
    const QDate today = Clock::today();
    const std::optional<ListedLines> read = ComputeOffWindow<ListedLines>(
        this, u"Ricerca delle rate in corso..."_s, [today] { return ReadInstalmentsDue(today); });
    if (!read)
        return false;
    list->setLines(read->lines, read->positions);
    return true;
}

void TfrmDaRinnovare::takeLine(const QString &line, int listedPosition)
{
    m_chosen = FindInstalmentDueCard(line, listedPosition);
}

void TfrmDaRinnovare::printLines(const QStringList &lines)
{
    PrintListReport(this, u"Riepilogo rate in scadenza o scadute"_s, lines);
}
