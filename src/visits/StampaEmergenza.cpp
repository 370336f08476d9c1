#include "visits/StampaEmergenza.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "output/ReportPrinting.h"
#include "visits/PeopleInside.h"
#include "widgets/Activity.h"
#include "widgets/Messages.h"
#include "widgets/Palette.h"

#include <QFont>
#include <QFontMetricsF>

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

// The name in lines that each fit `width` layout units at the row's font, broken between words,
// or inside a word longer than a line: a name is never cut at the page's edge.
QStringList wrappedName(const QString &name, qreal width, const ReportElement &style)
{
    QFont font(style.fontFamily);
    font.setPixelSize(qRound(style.pointSize * 96 / 72)); // layout units are 1/96 inch
    font.setBold(style.bold);
    const QFontMetricsF metrics(font);
    const qreal room = width - 2 * style.padding - 4;
    QStringList lines;
    QString line;
    for (const QString &word : name.split(u' ', Qt::SkipEmptyParts)) {
        const QString joined = line.isEmpty() ? word : line + u' ' + word;
        if (metrics.horizontalAdvance(joined) <= room) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line.clear();
        for (QChar c : word) {
            if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > room) {
                lines << line;
                line.clear();
            }
            line += c;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

// One band per person: a band that does not fit starts the next page, so a row is never cut.
// `above` goes at the top of the band, `aboveHeight` tall, so a heading never ends a page alone.
void addPersonRow(
    ReportLayout &layout, const TSchedaVisita &card, const QList<ReportElement> &above = {}, qreal aboveHeight = 0)
{
    const qreal width = layout.printableSize().width();
    ReportElement name = text(u"txtNome"_s, QRectF(), QString(), 18, true);
    name.lines = wrappedName(fullName(card), width, name);
    name.linePitch = mm(9);
    const qreal nameHeight = name.linePitch * name.lines.size();
    const qreal top = aboveHeight;
    name.rect = QRectF(0, top + mm(1), width, nameHeight);
    ReportBand &row = layout.addBand(u"Persona"_s, top + nameHeight + mm(16));
    row.elements.append(above);
    row.elements.append(name);
    row.elements.append(text(u"txtMotivo"_s, QRectF(0, top + nameHeight + mm(2), width, mm(6)),
        u"Motivo: "_s + TrimText(card.Motivo), 10, false));
    row.elements.append(text(u"txtEntrata"_s, QRectF(0, top + nameHeight + mm(8), width, mm(6)),
        u"Entrata: "_s + TrimText(card.DataEnt) + u" ore "_s + TrimText(card.OraEnt) + u"     Tessera: "_s
            + TrimText(card.Tessera) + u"     Cel. "_s + TrimText(card.TelCel),
        10, false));
    const qreal ruleAt = top + nameHeight + mm(15);
    ReportElement rule = ReportElement::line(u"linSeparatore"_s, QPointF(0, ruleAt), QPointF(width, ruleAt));
    rule.frameColor = Palette::SlateGrey;
    row.elements.append(rule);
}

} // namespace

ReportLayout BuildEmergencyReport(const PeopleInside &inside, const QDateTime &printed)
{
    const QList<TSchedaVisita> &people = inside.people;
    const QStringList &unreadableFiles = inside.unreadableFiles;
    ReportLayout layout(u"Emergenza - persone presenti in sede"_s, QPageLayout::Portrait);
    const qreal width = layout.printableSize().width();

    ReportElement title
        = text(u"txtTitolo"_s, QRectF(0, mm(1), width, mm(12)), u"EMERGENZA - PERSONE PRESENTI IN SEDE"_s, 16, true);
    title.fill = Palette::Crimson;
    title.textColor = Qt::white;
    title.alignment = Qt::AlignCenter;
    layout.addBand(u"Titolo"_s, mm(15)).elements.append(title);

    ReportBand &head = layout.addBand(u"Intestazione"_s, mm(18 + 6 * unreadableFiles.size()));
    head.elements.append(text(u"txtStampato"_s, QRectF(0, mm(1), width, mm(6)),
        u"Stampa eseguita il "_s + DateText(printed.date()) + u" alle ore "_s + printed.time().toString(u"HH:mm:ss"_s),
        10, false));
    head.elements.append(text(
        u"txtPresenti"_s, QRectF(0, mm(8), width, mm(8)), u"Presenti: "_s + QString::number(people.size()), 13, true));
    // A list printed without one of its files must say so on the paper that is carried out.
    for (qsizetype i = 0; i < unreadableFiles.size(); ++i) {
        ReportElement missing = text(u"txtIncompleto"_s, QRectF(0, mm(17 + 6 * i), width, mm(6)),
            u"ATTENZIONE: archivio "_s + unreadableFiles.at(i) + u" non leggibile - elenco incompleto"_s, 10, true);
        missing.textColor = Palette::Crimson;
        head.elements.append(missing);
    }

    for (const TSchedaVisita &card : people)
        addPersonRow(layout, card);

    // Visits whose exit may only have gone unrecorded: after the people surely inside, apart.
    for (qsizetype i = 0; i < inside.toVerify.size(); ++i) {
        QList<ReportElement> above;
        qreal aboveHeight = 0;
        if (i == 0) {
            ReportElement heading = text(u"txtDaVerificare"_s, QRectF(0, mm(5), width, mm(9)),
                u"DA VERIFICARE - ENTRATI NEI GIORNI PRECEDENTI SENZA USCITA REGISTRATA"_s, 10, true);
            heading.fill = Palette::DarkOrange;
            heading.textColor = Qt::white;
            heading.alignment = Qt::AlignCenter;
            above << heading
                  << text(u"txtConteggioDaVerificare"_s, QRectF(0, mm(16), width, mm(8)),
                         u"Da verificare: "_s + QString::number(inside.toVerify.size()), 13, true);
            aboveHeight = mm(25);
        }
        addPersonRow(layout, inside.toVerify.at(i), above, aboveHeight);
    }
    return layout;
}

void PrintEmergencyList(QWidget *owner)
{
    const QDateTime now = Clock::now();
    const PeopleInside inside = ReadPeopleInside(now.date());
    if (PrintReportAtOnce(owner, BuildEmergencyReport(inside, now)) != PrintOutcome::Printed)
        return;
    RecordActivity(u"emergenza"_s, QString::number(inside.people.size()), owner);
    QString notice = u"Elenco di emergenza stampato: "_s + QString::number(inside.people.size())
        + (inside.toVerify.isEmpty()
                ? u" persone presenti in sede."_s
                : u" persone presenti in sede, "_s + QString::number(inside.toVerify.size()) + u" da verificare."_s);
    for (const QString &file : inside.unreadableFiles)
        notice += u"\r\n\r\nAttenzione: l'archivio "_s + file + u" non è leggibile."_s;
    Messages::notice(notice, owner);
}
