#pragma once
// TfrmMenuRiepilogo: the summary criteria. The operator chooses a year, optionally a reason, and a
// period within the year from the day and month lists; "Visualizza riepilogo" checks the choices,
// keeps the period and the year file in the hidden labels and opens the summary on them.

#include "widgets/Screen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmMenuRiepilogo : public Screen
{
    Q_OBJECT

public:
    explicit TfrmMenuRiepilogo(QWidget *parent = nullptr);

protected:
    void onShow() override;
    void onClose() override;

private:
    void btnVisualizzaClick();
    void buildYearAndReason();
    void buildPeriod();
    // One date group: its frame, the day and month lists and the year label.
    void buildDateGroup(QWidget *parent, const QRect &geometry, const QString &title, const QString &giorno,
        const QString &mese, const QString &anno);
    QComboBox *makeList(QWidget *parent, const QString &name, const QStringList &items, const QRect &geometry);
    void failCheck(const QString &message, bool warning, QWidget *focus);

    QLineEdit *m_txtAnno = nullptr;
    QLineEdit *m_txtTipologia = nullptr;
    QComboBox *m_txtGiornoInizio = nullptr;
    QComboBox *m_txtMeseInizio = nullptr;
    QComboBox *m_txtGiornoFine = nullptr;
    QComboBox *m_txtMeseFine = nullptr;
    QLabel *m_lblAnnoInizio = nullptr;
    QLabel *m_lblAnnoFine = nullptr;
    QLabel *m_lblDataInizio = nullptr;
    QLabel *m_lblDataFine = nullptr;
    QLabel *m_lblFile = nullptr;
    QLabel *m_lblAttendere = nullptr;
    QPushButton *m_btnEsci = nullptr;
    QPushButton *m_btnVisualizza = nullptr;
};
