#include "visits/VisitImport.h"

#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

QList<VisitImportValue> VisitImportFor(ImportRole role, const TSchedaAnagrafica &client)
{
    if (role == ImportRole::Visitatore) {
        return {
            { VisitField::Cognome, TrimText(client.Cognome) },
            { VisitField::Nome, TrimText(client.Nome) },
            { VisitField::CodFisc, TrimText(client.CodFisc) },
            { VisitField::TipoDoc, TrimText(client.TipoDoc) },
            { VisitField::NumDoc, TrimText(client.NumDoc) },
            { VisitField::EnteRil, TrimText(client.EnteRil) },
            { VisitField::TelCel, TrimText(client.TelCel) },
        };
    }
    const QString name = TrimText(client.Cognome) + u" "_s + TrimText(client.Nome);
    return { { role == ImportRole::OperatoreEnt ? VisitField::OperatoreEnt : VisitField::OperatoreUsc, name } };
}
