#include "clients/DaRinnovare.h"

#include "base/Clock.h"
#include "clients/InstalmentsDue.h"
#include "output/ListReport.h"
#include "widgets/ListBox.h"

using namespace Qt::StringLiterals;

TfrmDaRinnovare::TfrmDaRinnovare(QWidget *parent)
    : ListDialog(
        u"TfrmDaRinnovare"_s, u" Riepilogo rate in scadenza o scadute"_s, u"RATE IN SCADENZA O SCADUTE"_s, parent)
{ }

void TfrmDaRinnovare::fill(ListBox *list)
{
    const ListedLines read = ReadInstalmentsDue(Clock::today());
    list->setLines(read.lines, read.positions);
}

void TfrmDaRinnovare::takeLine(const QString &line, int listedPosition)
{
    m_chosen = FindInstalmentDueCard(line, listedPosition);
}

void TfrmDaRinnovare::printLines(const QStringList &lines)
{
    PrintListReport(this, u"Riepilogo rate in scadenza o scadute"_s, lines);
}
