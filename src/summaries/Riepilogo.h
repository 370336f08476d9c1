#pragma once
// TfrmRiepilogo: the summary of a period. Lists in file order the cards of the year file that
// entered within the period (of one reason, when one is given), with the period and the total;
// finds a line and prints the list with its closing lines. Built from what its opener hands it.

#include "summaries/VisitSummary.h"
#include "widgets/Dialog.h"

class ListBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmRiepilogo : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmRiepilogo(QWidget *parent = nullptr);

    // Puts the summary read for the request into the screen, before it is shown. False when the
    // year file could not be read: the screen then holds nothing worth showing.
    bool buildSummary(const SummaryRequest &request, const VisitSummary &summary);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void btnTrovaClick();
    void btnStampaClick();

    QWidget *m_panel;
    QLabel *m_titTipologia;
    QLineEdit *m_txtTrova;
    QPushButton *m_btnTrova;
    ListBox *m_lstRecords;
    QLabel *m_lblIntervallo;
    QLabel *m_lblTotCosti;
    QPushButton *m_btnStampa;
    QPushButton *m_btnEsci;
};
