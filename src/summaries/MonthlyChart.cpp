#include "summaries/MonthlyChart.h"

#include "summaries/SummaryCriteria.h"
#include "widgets/Look.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int LegendHeight = 30;
constexpr int FootHeight = 26;
constexpr int LegendTitleWidth = 70;

QString titleText()
{
    return u"Statistiche visite mensili"_s;
}

// The width a printed chart is laid out at, in the units of the screen.
constexpr qreal PrintWidth = 1100;

// A round step (1, 2 or 5 times a power of ten) that divides 0..top into at most eight intervals,
// so the value axis shows whole visits only.
int axisStep(int top)
{
    for (int scale = 1;; scale *= 10) {
        for (int step : { 1, 2, 5 }) {
            if (top <= 8 * step * scale)
                return step * scale;
        }
    }
}

} // namespace

MonthlyChart::MonthlyChart(QWidget *parent)
    : QChartView(parent)
    , m_chart(new QChart)
{
    setObjectName(u"ChartStats"_s);
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
    setChart(m_chart);
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setBackgroundRoundness(0);
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setTitle(titleText());
    m_chart->setTitleFont(VerdanaFont(20, true));
    m_chart->setTitleBrush(Palette::ChartTitle);

    QLegend *legend = m_chart->legend();
    legend->setAlignment(Qt::AlignBottom);
    legend->setFont(VerdanaFont(8, false));
    legend->setLabelColor(Palette::HelpInk);
    // Laid out by the chart's own placement, under the plot and beside its title "Visite:".
    legend->detachFromChart();
    legend->setBackgroundVisible(false);

    m_legendTitle = new QGraphicsSimpleTextItem(u"Visite:"_s, m_chart);
    m_legendTitle->setFont(VerdanaFont(9, true));
    m_legendTitle->setBrush(Palette::HelpInk);

    m_foot = new QGraphicsSimpleTextItem(
        u"Le statistiche si basano sugli ingressi effettivamente registrati senza considerare l'identità dei "
        u"visitatori."_s,
        m_chart);
    m_foot->setFont(VerdanaFont(11, true));
    m_foot->setBrush(Palette::ChartFoot);

    m_chart->setMargins(QMargins(12, 6, 12, LegendHeight + FootHeight + 8));
    connect(m_chart, &QChart::plotAreaChanged, this, &MonthlyChart::placeDecorations);
    rebuild();
}

void MonthlyChart::setKind(Kind kind)
{
    if (m_kind == kind)
        return;
    m_kind = kind;
    rebuild();
}

void MonthlyChart::setCounts(const MonthlyCounts &counts, int year)
{
    m_counts = counts;
    m_chart->setTitle(titleText() + u" "_s + QString::number(year));
    rebuild();
}

void MonthlyChart::clear()
{
    m_counts.reset();
    m_chart->setTitle(titleText());
    rebuild();
}

void MonthlyChart::rebuild()
{
    qDeleteAll(m_valueMarks);
    m_valueMarks.clear();
    m_chart->removeAllSeries();
    m_series = nullptr;
    for (QAbstractAxis *axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    if (m_counts) {
        if (m_kind == Kind::Bars)
            buildBars(*m_counts);
        else
            buildPie(*m_counts);
        m_series->setObjectName(u"Series1"_s);
    }
    placeDecorations();
}

void MonthlyChart::buildBars(const MonthlyCounts &counts)
{
    // One set per month holding only its own month's value: each bar gets its month's colour and
    // its own entry in the legend.
    auto *series = new QStackedBarSeries;
    series->setBarWidth(0.6);
    const QStringList &months = SummaryMonthItems();
    for (int m = 0; m < 12; ++m) {
        auto *set = new QBarSet(months.at(m));
        for (int i = 0; i < 12; ++i)
            set->append(i == m ? counts[std::size_t(m)] : 0);
        set->setColor(Palette::MonthColours[m]);
        set->setBorderColor(Palette::ChartOutline);
        series->append(set);
    }
    m_chart->addSeries(series);
    m_series = series;

    auto *monthAxis = new QBarCategoryAxis;
    monthAxis->append(months);
    monthAxis->setTruncateLabels(false);
    auto *values = new QValueAxis;
    const int most = *std::max_element(counts.begin(), counts.end());
    const int step = axisStep(std::max(most, 1));
    // Room above the tallest bar for its value.
    const int top = (std::max(most, 1) * 11 / 10 / step + 1) * step;
    values->setRange(0, top);
    values->setTickCount(top / step + 1);
    values->setLabelFormat(u"%d"_s);
    for (QAbstractAxis *axis : { static_cast<QAbstractAxis *>(monthAxis), static_cast<QAbstractAxis *>(values) }) {
        axis->setGridLineColor(Palette::ChartGrid);
        axis->setLinePen(QPen(Palette::ChartTick, 1));
        axis->setLabelsFont(VerdanaFont(8, false));
        axis->setLabelsColor(Palette::HelpInk);
    }
    m_chart->addAxis(monthAxis, Qt::AlignBottom);
    m_chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(monthAxis);
    series->attachAxis(values);

    for (int m = 0; m < 12; ++m) {
        auto *mark = new QGraphicsSimpleTextItem(QString::number(counts[std::size_t(m)]), m_chart);
        mark->setFont(VerdanaFont(9, true));
        mark->setBrush(Palette::HelpInk);
        mark->setZValue(10);
        m_valueMarks.append(mark);
    }
}

void MonthlyChart::buildPie(const MonthlyCounts &counts)
{
    auto *series = new QPieSeries;
    series->setPieSize(0.78);
    const QStringList &months = SummaryMonthItems();
    for (int m = 0; m < 12; ++m) {
        const int value = counts[std::size_t(m)];
        QPieSlice *slice = series->append(QString::number(value), value);
        slice->setColor(Palette::MonthColours[m]);
        slice->setBorderColor(Palette::ChartOutline);
        slice->setLabelFont(VerdanaFont(9, true));
        slice->setLabelColor(Palette::HelpInk);
        // A month without visits has no slice to mark.
        slice->setLabelVisible(value > 0);
        slice->setLabelArmLengthFactor(0.12);
    }
    m_chart->addSeries(series);
    m_series = series;
    // The slices carry their values; the legend names the months.
    const QList<QLegendMarker *> markers = m_chart->legend()->markers(series);
    for (qsizetype m = 0; m < markers.size() && m < 12; ++m)
        markers.at(m)->setLabel(months.at(m));
}

void MonthlyChart::placeDecorations()
{
    const QRectF area = m_chart->rect();
    const QRectF plot = m_chart->plotArea();

    QLegend *legend = m_chart->legend();
    const qreal legendTop = area.bottom() - FootHeight - LegendHeight - 4;
    const QRectF legendRect(
        area.left() + 12 + LegendTitleWidth, legendTop, area.width() - 24 - LegendTitleWidth, LegendHeight);
    legend->setGeometry(legendRect);
    legend->update();
    // Level with the legend's entries, which sit a little below the middle of its box.
    m_legendTitle->setPos(
        area.left() + 16, legendTop + (LegendHeight - m_legendTitle->boundingRect().height()) / 2 + 4);
    m_foot->setPos(area.center().x() - m_foot->boundingRect().width() / 2,
        area.bottom() - FootHeight + (FootHeight - m_foot->boundingRect().height()) / 2 - 2);

    if (m_valueMarks.isEmpty() || !m_series || !m_counts)
        return;
    for (int m = 0; m < m_valueMarks.size(); ++m) {
        QGraphicsSimpleTextItem *mark = m_valueMarks.at(m);
        const QPointF top = m_chart->mapToPosition(QPointF(m, (*m_counts)[std::size_t(m)]), m_series);
        const QRectF box = mark->boundingRect();
        mark->setPos(top.x() - box.width() / 2, std::max(plot.top(), top.y() - box.height() - 2));
    }
}

void MonthlyChart::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    placeDecorations();
}

bool MonthlyChart::print(QPrinter *printer, int copies) const
{
    // A copy laid out in the page's proportions, so the chart fills the page whatever the screen.
    const QSizeF page = printer->pageLayout().paintRectPixels(printer->resolution()).size();
    const QSizeF size(PrintWidth, PrintWidth * page.height() / page.width());
    MonthlyChart copy;
    copy.m_kind = m_kind;
    copy.m_counts = m_counts;
    copy.m_chart->setTitle(m_chart->title());
    copy.rebuild();
    copy.m_chart->resize(size);
    copy.m_chart->layout()->activate();
    copy.placeDecorations();

    QPainter painter;
    if (!painter.begin(printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < copies; ++n) {
        if (n > 0 && !printer->newPage())
            return false;
        copy.scene()->render(&painter, QRectF(QPointF(), page), QRectF(QPointF(), size));
    }
    return painter.end();
}
