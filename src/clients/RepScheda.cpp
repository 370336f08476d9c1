#include "clients/RepScheda.h"

#include "base/TextFunctions.h"
#include "clients/ClientSheet.h"
#include "widgets/Palette.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qreal Mm = ReportLayout::UnitsPerMm;

QRectF mm(qreal left, qreal top, qreal width, qreal height)
{
    return QRectF(left * Mm, top * Mm, width * Mm, height * Mm);
}

ReportElement arial(const QString &name, const QRectF &rect, qreal pointSize, const QString &text)
{
    ReportElement e = ReportElement::textBox(name, rect, text);
    e.fontFamily = u"Arial"_s;
    e.pointSize = pointSize;
    return e;
}

ReportElement whiteOn(ReportElement e, const QColor &fill, Qt::Alignment alignment)
{
    e.fill = fill;
    e.textColor = Qt::white;
    e.alignment = alignment;
    return e;
}

QString rowName(const QString &kind, int row)
{
    return kind + u"%1"_s.arg(row, 2, 10, QLatin1Char('0'));
}

} // namespace

ReportLayout MakeRepScheda()
{
    ReportLayout layout(u"Scheda informativa"_s, QPageLayout::Portrait);
    ReportBand &page = layout.addBand(u"Page1"_s, layout.printableSize().height());
    QList<ReportElement> &e = page.elements;

    e.append(ReportElement::picture(u"imgLogo"_s, mm(3, 3, 17, 13), u":/img/tile_anagrafica.svg"_s));
    e.append(whiteOn(
        arial(u"txtTitolo"_s, mm(23, 3, 165, 9), 16, u"Titolo Scheda"_s), Palette::DarkOrange, Qt::AlignCenter));
    e.append(ReportElement::line(u"linSepara01"_s, QPointF(23 * Mm, 16 * Mm), QPointF(188 * Mm, 16 * Mm)));
    for (int row = 1; row <= ClientSheetRowCount; ++row) {
        const qreal top = 24 + (row - 1) * 10;
        e.append(whiteOn(arial(rowName(u"titCampo"_s, row), mm(3, top, 52, 6), 9, u"Campo %1"_s.arg(row)),
            Palette::Teal, Qt::AlignLeft | Qt::AlignVCenter));
        e.append(arial(rowName(u"txtCampo"_s, row), mm(60, top, 128, 6), 10, u"Campo %1"_s.arg(row)));
    }
    e.append(ReportElement::line(u"linSepara02"_s, QPointF(3 * Mm, 265 * Mm), QPointF(188 * Mm, 265 * Mm)));
    e.append(whiteOn(
        arial(u"txtCalce"_s, mm(3, 269, 185, 6), 10, u"Termine scheda"_s), Palette::DarkOrange, Qt::AlignCenter));
    return layout;
}

void FillRepScheda(ReportLayout &layout, const TSchedaAnagrafica &card, const QDateTime &printedAt)
{
    layout.setOrientation(QPageLayout::Portrait);
    layout.setText(u"txtTitolo"_s, u"SCHEDA INFORMATIVA DEL VISITATORE"_s);
    const QList<ClientSheetRow> rows = ClientSheetRows(card);
    for (int row = 1; row <= ClientSheetRowCount; ++row) {
        layout.setText(rowName(u"titCampo"_s, row), rows.at(row - 1).title);
        layout.setText(rowName(u"txtCampo"_s, row), rows.at(row - 1).value);
    }
    layout.setText(u"txtCalce"_s, PrintedAtText(printedAt));
}
