#include "register/StampaEmergenza.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "output/ReportPrinting.h"
#include "register/PeopleInside.h"
#include "widgets/Messages.h"
#include "widgets/Palette.h"

using namespace Qt::StringLiterals;

namespace {

qreal mm(qreal millimetres)
{
    return millimetres * ReportLayout::UnitsPerMm;
}

ReportElement text(const QString &name, const QRectF &rect, const QString &value, qreal pointSize, bool bold)
{
    ReportElement e = ReportElement::textBox(name, rect, value);
    e.fontFamily = u"Verdana"_s;
    e.pointSize = pointSize;
    e.bold = bold;
    return e;
}

// "Cognome Nome", without a stray blank when either is missing.
QString fullName(const TSchedaVisita &card)
{
    return TrimText(TrimText(card.Cognome) + u' ' + TrimText(card.Nome));
}

} // namespace

ReportLayout BuildEmergencyReport(const QList<TSchedaVisita> &people, const QDateTime &printed)
{
    ReportLayout layout(u"Emergenza - persone presenti in sede"_s, QPageLayout::Portrait);
    const qreal width = layout.printableSize().width();

    ReportElement title
        = text(u"txtTitolo"_s, QRectF(0, mm(1), width, mm(12)), u"EMERGENZA - PERSONE PRESENTI IN SEDE"_s, 16, true);
    title.fill = Palette::Crimson;
    title.textColor = Qt::white;
    title.alignment = Qt::AlignCenter;
    layout.addBand(u"Titolo"_s, mm(15)).elements.append(title);

    ReportBand &head = layout.addBand(u"Intestazione"_s, mm(18));
    head.elements.append(text(u"txtStampato"_s, QRectF(0, mm(1), width, mm(6)),
        u"Stampa eseguita il "_s + DateText(printed.date()) + u" alle ore "_s + printed.time().toString(u"HH:mm:ss"_s),
        10, false));
    head.elements.append(
        text(u"txtPresenti"_s, QRectF(0, mm(8), width, mm(8)), u"Presenti: "_s + QString::number(people.size()), 13, true));

    // One band per person: a band that does not fit starts the next page, so a row is never cut.
    for (const TSchedaVisita &card : people) {
        ReportBand &row = layout.addBand(u"Persona"_s, mm(25));
        row.elements.append(text(u"txtNome"_s, QRectF(0, mm(1), width, mm(10)), fullName(card), 18, true));
        row.elements.append(text(u"txtMotivo"_s, QRectF(0, mm(11), width, mm(6)),
            u"Motivo: "_s + TrimText(card.Motivo), 10, false));
        row.elements.append(text(u"txtEntrata"_s, QRectF(0, mm(17), width, mm(6)),
            u"Entrata: "_s + TrimText(card.DataEnt) + u" ore "_s + TrimText(card.OraEnt) + u"     Tessera: "_s
                + TrimText(card.Tessera) + u"     Cel. "_s + TrimText(card.TelCel),
            10, false));
        ReportElement rule = ReportElement::line(u"linSeparatore"_s, QPointF(0, mm(24)), QPointF(width, mm(24)));
        rule.frameColor = Palette::SlateGrey;
        row.elements.append(rule);
    }
    return layout;
}

void PrintEmergencyList(QWidget *owner)
{
    const QDateTime now = Clock::now();
    const PeopleInside inside = ReadPeopleInside(now.date());
    if (PrintReportAtOnce(owner, BuildEmergencyReport(inside.people, now)) != PrintOutcome::Printed)
        return;
    QString notice = u"Elenco di emergenza stampato: "_s + QString::number(inside.people.size())
        + u" persone presenti in sede."_s;
    for (const QString &file : inside.unreadableFiles)
        notice += u"\r\n\r\nAttenzione: l'archivio "_s + file + u" non è leggibile."_s;
    Messages::notice(notice, owner);
}
