#include "checks/PartitaIva.h"

#include "checks/VatNumber.h"

using namespace Qt::StringLiterals;

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckDialog({ .className = u"TfrmPartitaIva"_s,
                      .caption = u" Controllo partita IVA"_s,
                      .instruction = u"Immettere il numero di partita IVA e premere il pulsante di controllo."_s,
                      .picture = u":/img/chk_partitaiva.svg"_s,
                      .boxName = u"txtPartitaIva"_s,
                      .maxLength = int(VatNumberLength),
                      .shownCharacters = int(VatNumberLength),
                      .typing = Typing::DigitsOnly },
        parent)
{ }

CheckDialog::Verdict TfrmPartitaIva::check(const QString &text) const
{
    const VatNumberResult result = CheckVatNumber(text);
    return { VatNumberMessage(result), result.outcome == VatNumberOutcome::WrongLength };
}
