#include "checks/CodFisc.h"

#include "checks/FiscalCode.h"
#include "checks/PartitaIva.h"

using namespace Qt::StringLiterals;

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckDialog({ .className = u"TfrmCodFisc"_s,
                      .caption = u" Controllo codice fiscale"_s,
                      .instruction = u"Immettere il codice fiscale e premere il pulsante di controllo."_s,
                      .picture = u":/img/chk_codfisc.svg"_s,
                      .boxName = u"txtCodFisc"_s,
                      .maxLength = int(FiscalCodeLength),
                      .shownCharacters = int(FiscalCodeLength),
                      .typing = Typing::UpperCaseAsTyped },
        parent)
{ }

CheckDialog::Verdict TfrmCodFisc::check(const QString &text) const
{
    const FiscalCodeOutcome outcome = CheckFiscalCode(text);
    return { FiscalCodeMessage(outcome), outcome == FiscalCodeOutcome::WrongLength };
}

void ShowFiscalCodeBoxCheck(QWidget *owner, const QString &code)
{
    if (FiscalCodeBoxOpensVatCheck(code))
        ShowCheck<TfrmPartitaIva>(owner, code);
    else
        ShowCheck<TfrmCodFisc>(owner, code);
}
