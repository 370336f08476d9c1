#include "checks/Iban.h"

#include "checks/IbanCheck.h"

using namespace Qt::StringLiterals;

TfrmIban::TfrmIban(QWidget *parent)
    : CheckDialog({ .className = u"TfrmIban"_s,
                      .caption = u" Controllo IBAN"_s,
                      .instruction = u"Immettere l'IBAN e premere il pulsante di controllo."_s,
                      .picture = u":/img/chk_iban.svg"_s,
                      .boxName = u"txtIban"_s,
                      .maxLength = int(IbanLength),
                      .shownCharacters = int(IbanLength),
                      .typing = Typing::UpperCaseAsTyped },
        parent)
{ }

CheckDialog::Verdict TfrmIban::check(const QString &text) const
{
    const IbanOutcome outcome = CheckIban(text);
    return { IbanMessage(outcome), outcome == IbanOutcome::WrongLength };
}
