#pragma once
// TfrmMenuRegistro: the entrance to the visit register. The operator picks the year whose visit
// file the editor works on, or opens the monthly statistics; the mode word in lblMemory decides
// where closing the screen leads.

#include "widgets/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmMenuRegistro : public Screen
{
    Q_OBJECT

public:
    explicit TfrmMenuRegistro(QWidget *parent = nullptr);

protected:
    void onShow() override;
    void onClose() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void btnApriFattureClick();
    void btnApriRiepStatsClick();
    // The screen the mode word leads to; nullptr for a word it does not know.
    Screen *nextScreen() const;

    QLineEdit *m_txtAnnoFatture;
    QPushButton *m_btnApriFatture;
    QPushButton *m_btnApriRiepStats;
    QLabel *m_lblMemory;
};
