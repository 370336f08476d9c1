#pragma once
// TfrmStatistiche: the monthly visit chart. The start panel asks for the year; Apri counts the
// year file's entries month by month and shows them on the chart panel as bars or as a pie, which
// can be printed. The kind of chart chosen stays for the next showing.

#include "widgets/Screen.h"

#include <array>

class HintLine;
class MonthlyChart;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmStatistiche : public Screen
{
    Q_OBJECT

public:
    explicit TfrmStatistiche(QWidget *parent = nullptr);

protected:
    void onShow() override;
    void onClose() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildStartPanel();
    void buildChartPanel();
    void btnApriClick();
    void btnStampaClick();
    void showChartPanel(bool chart);

    QWidget *m_panAvvio = nullptr;
    QWidget *m_panContainer = nullptr;
    QLineEdit *m_txtAnno = nullptr;
    QPushButton *m_btnApri = nullptr;
    QLabel *m_lblTitolo = nullptr;
    MonthlyChart *m_chart = nullptr;
    HintLine *m_panInfo = nullptr;
    QLabel *m_lblFile = nullptr;
    std::array<QLabel *, 12> m_monthCounters {};
};
