#include "output/ListReport.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "output/ReportPrinting.h"
#include "widgets/Activity.h"
#include "widgets/Palette.h"

using namespace Qt::StringLiterals;

namespace {

qreal mm(qreal millimetres)
{
    return millimetres * ReportLayout::UnitsPerMm;
}

ReportElement bar(const QString &name, const QRectF &rect, qreal pointSize, const QString &text)
{
    ReportElement e = ReportElement::textBox(name, rect, text);
    e.fill = Palette::SlateGrey;
    e.fontFamily = u"Verdana"_s;
    e.pointSize = pointSize;
    e.bold = true;
    e.textColor = Qt::white;
    e.alignment = Qt::AlignCenter;
    return e;
}

} // namespace

ReportLayout BuildListReport(const QString &title, const QStringList &lines, const QDate &printed)
{
    ReportLayout layout(u"Riepilogo dati"_s, QPageLayout::Landscape);

    layout.addBand(u"ReportTitle"_s, mm(8))
        .elements.append(bar(u"txtTitolo"_s, QRectF(mm(2), mm(1), mm(273), mm(5)), 9, title));

    // One memo line per list line, shared with the caller's list rather than copied.
    const qreal memoHeight = lines.size() * ListLinePitch;
    ReportBand &data = layout.addBand(u"MasterData"_s, memoHeight + 10, true);
    data.splitMemo = u"txtRiepilogo"_s;
    ReportElement memo
        = ReportElement::memo(u"txtRiepilogo"_s, QRectF(mm(3), 0, mm(273), memoHeight), ListLinePitch, lines);
    memo.fontFamily = u"Courier New"_s;
    memo.pointSize = 8;
    data.elements.append(memo);

    layout.addBand(u"Footer"_s, mm(8))
        .elements.append(bar(u"txtPagina"_s, QRectF(mm(3), mm(2), mm(272), mm(5)), 8, PrintedOnText(printed)));
    return layout;
}

void PrintListReport(QWidget *parent, const QString &title, const QStringList &lines, const QString &printed)
{
    if (PrintReport(parent, BuildListReport(title, lines, Clock::today())) == PrintOutcome::Printed)
        RecordActivity(u"stampa"_s, printed, parent);
}
