#include "clients/VisitImport.h"

#include "base/TextFunctions.h"

using namespace Qt::StringLiterals;

QList<VisitImportValue> VisitImportFor(const QString &mode, const TSchedaAnagrafica &client)
{
    const QString word = TrimText(mode);
    if (word == u"visitatore"_s) {
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
    if (word == u"operatore_ent"_s)
        return { { VisitField::OperatoreEnt, name } };
    if (word == u"operatore_usc"_s)
        return { { VisitField::OperatoreUsc, name } };
    return {};
}
