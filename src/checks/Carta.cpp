#include "checks/Carta.h"

#include "checks/CardNumber.h"

using namespace Qt::StringLiterals;

TfrmCarta::TfrmCarta(QWidget *parent)
    : CheckDialog({ .className = u"TfrmCarta"_s,
                      .caption = u" Controllo carta di credito"_s,
                      .instruction = u"Immettere il numero di carta di credito e premere il pulsante di controllo."_s,
                      .picture = u":/img/chk_carta.svg"_s,
                      .boxName = u"txtNumero"_s,
                      .maxLength = int(CardNumberMaxLength),
                      // Room for a 19-digit number written in groups of four.
                      .shownCharacters = 24,
                      .typing = Typing::DigitsUpperCaseAsTyped },
        parent)
{ }

CheckDialog::Verdict TfrmCarta::check(const QString &text) const
{
    const CardNumberResult result = CheckCardNumber(text);
    return { CardNumberMessage(result), result.outcome == CardNumberOutcome::Empty };
}
