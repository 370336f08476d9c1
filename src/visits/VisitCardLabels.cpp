#include "visits/VisitCardLabels.h"

using namespace Qt::StringLiterals;

namespace {

struct Caption
{
    const char16_t *section;
    const char16_t *label;
};

// In stored order.
constexpr Caption Captions[TSchedaVisita::FieldCount] = {
    { u"INGRESSO", u"Data:" },
    { u"INGRESSO", u"Ora:" },
    { u"INGRESSO", u"Registrato da:" },
    { u"VISITATORE", u"Cognome:" },
    { u"VISITATORE", u"Nome:" },
    { u"VISITATORE", u"Codice fiscale:" },
    { u"VISITATORE", u"Motivo della visita:" },
    { u"VISITATORE", u"Numero tessera:" },
    { u"VISITATORE", u"Tipo documento:" },
    { u"VISITATORE", u"Numero documento:" },
    { u"VISITATORE", u"Ente di rilascio:" },
    { u"VISITATORE", u"Cellulare:" },
    { u"VISITATORE", u"Note:" },
    { u"USCITA", u"Data:" },
    { u"USCITA", u"Ora:" },
    { u"USCITA", u"Registrato da:" },
};

} // namespace

QString VisitFieldSection(VisitField field)
{
    return QString::fromUtf16(Captions[std::size_t(field)].section);
}

QString VisitFieldLabel(VisitField field)
{
    return QString::fromUtf16(Captions[std::size_t(field)].label);
}
