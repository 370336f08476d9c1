#pragma once
// The chart of the monthly statistics (ChartStats): the twelve monthly counts of a year as coloured
// bars or as a pie, with their values, the title, the foot text and the legend "Visite:" at the
// bottom. Switching between bars and pie keeps the points; the chart prints itself on a page.

#include "summaries/MonthlyCounts.h"

#include <QChartView>

#include <optional>

class QAbstractSeries;
class QChart;
class QGraphicsSimpleTextItem;
class QPainter;
class QPrinter;

class MonthlyChart : public QChartView
{
    Q_OBJECT

public:
    enum class Kind { Bars, Pie };

    explicit MonthlyChart(QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    // Draws the points as bars or as a pie; the points stay.
    void setKind(Kind kind);

    // The twelve points of the year, January first; nothing clears them. The title names the year,
    // so that a printed page tells which year it counts.
    void setCounts(const MonthlyCounts &counts, int year);
    void clear();
    const std::optional<MonthlyCounts> &counts() const { return m_counts; }

    // Prints the chart once per copy, each copy on its own landscape page. False when painting failed.
    bool print(QPrinter *printer, int copies) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void rebuild();
    void buildBars(const MonthlyCounts &counts);
    void buildPie(const MonthlyCounts &counts);
    void placeDecorations();

    QChart *m_chart;
    Kind m_kind = Kind::Bars;
    std::optional<MonthlyCounts> m_counts;
    QAbstractSeries *m_series = nullptr;
    QGraphicsSimpleTextItem *m_foot;
    QGraphicsSimpleTextItem *m_legendTitle;
    QList<QGraphicsSimpleTextItem *> m_valueMarks;
};
