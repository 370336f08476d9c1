#pragma once
// TfrmMenuRegistro: the entrance to the visit register. The operator picks the year whose visit
// file the editor works on, or opens the monthly statistics; closing the screen leads there, or
// back to the start menu (the hidden lblMemory names the next screen: "avvio", "registro",
// "statistiche_vis").

#include "widgets/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmMenuRegistro : public Screen
{
    Q_OBJECT

public:
    explicit TfrmMenuRegistro(QWidget *parent = nullptr);

    enum class Next { Avvio, Registro, Statistiche };
    Next next() const { return m_next; }

protected:
    void onShow() override;
    void onClose() override;

private:
    void btnApriFattureClick();
    void btnApriRiepStatsClick();
    void setNext(Next next);

    QLineEdit *m_txtAnnoFatture;
    QPushButton *m_btnApriFatture;
    QPushButton *m_btnApriRiepStats;
    QLabel *m_lblMemory;
    Next m_next = Next::Avvio;
};
