#include "storage/TSchedaVisita.h"

namespace {

using V = TSchedaVisita;
using F = VisitField;

constexpr V::Layout VisitLayout = MakeFieldTable<V>({ {
    { F::DataEnt, u"DataEnt", &V::DataEnt, 10 },
    { F::OraEnt, u"OraEnt", &V::OraEnt, 5 },
    { F::OperatoreEnt, u"OperatoreEnt", &V::OperatoreEnt, 50 },
    { F::Cognome, u"Cognome", &V::Cognome, 50 },
    { F::Nome, u"Nome", &V::Nome, 50 },
    { F::CodFisc, u"CodFisc", &V::CodFisc, 16 },
    { F::Motivo, u"Motivo", &V::Motivo, 50 },
    { F::Tessera, u"Tessera", &V::Tessera, 30 },
    { F::TipoDoc, u"TipoDoc", &V::TipoDoc, 50 },
    { F::NumDoc, u"NumDoc", &V::NumDoc, 50 },
    { F::EnteRil, u"EnteRil", &V::EnteRil, 50 },
    { F::TelCel, u"TelCel", &V::TelCel, 50 },
    { F::Note, u"Note", &V::Note, 250 },
    { F::DataUsc, u"DataUsc", &V::DataUsc, 10 },
    { F::OraUsc, u"OraUsc", &V::OraUsc, 5 },
    { F::OperatoreUsc, u"OperatoreUsc", &V::OperatoreUsc, 50 },
} });

static_assert(VisitLayout.offset(int(F::DataUsc)) == 724 && VisitLayout.offset(int(F::OperatoreUsc)) == 741);

} // namespace

const TSchedaVisita::Layout &TSchedaVisita::layout()
{
    return VisitLayout;
}
