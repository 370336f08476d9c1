#include "VisitCards.h"

#include "app/AppWindows.h"
#include "storage/VisitFile.h"
#include "visits/Registro.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

QStringList VisitBoxNames()
{
    return { u"txtDataEnt"_s, u"txtOraEnt"_s, u"txtOperatoreEnt"_s, u"txtCognome"_s, u"txtNome"_s, u"txtCodFisc"_s,
        u"txtMotivo"_s, u"txtTessera"_s, u"txtTipoDoc"_s, u"txtNumDoc"_s, u"txtEnteRil"_s, u"txtTelCel"_s, u"txtNote"_s,
        u"txtDataUsc"_s, u"txtOraUsc"_s, u"txtOperatoreUsc"_s };
}

void WriteVisits(const QString &path, const QList<TSchedaVisita> &cards)
{
    VisitFile file;
    file.open(path);
    for (const TSchedaVisita &card : cards)
        file.append(card);
    file.close();
}

TSchedaVisita VisitCard(std::initializer_list<std::pair<VisitField, QString>> fields)
{
    TSchedaVisita card;
    for (const auto &[field, value] : fields)
        card.field(field) = value;
    return card;
}

QStringList VisitEditorState()
{
    QStringList state;
    for (const QString &name : VisitBoxNames())
        state.append(Windows().registro()->findChild<QLineEdit *>(name)->text());
    state.append(Windows().registro()->findChild<QLabel *>(u"lblPosizione"_s)->text());
    return state;
}
