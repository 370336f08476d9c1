#pragma once
// The panel of every list screen, 833 by 529 (panContainer): the title banner imgLogo with the
// list's name, the two help lines, the magnifier, the search strip with txtTrova and btnTrova, the
// list lstRecords in its frame, the double-click hint and the buttons Chiudi and Stampa. Enter in
// the search box moves to Trova, and Trova finds in the list; the screen answers the signals.

#include "widgets/GradientPanel.h"

class ListBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The two help lines of find-in-list (lblRigo01, lblRigo02), the first at `at`, the second under it.
void MakeFindHelpLines(QWidget *parent, const QPoint &at);

struct SearchStrip
{
    QLineEdit *txtTrova = nullptr;
    QPushButton *btnTrova = nullptr;
};

// The search strip of the list screens, 57 units high: the magnifier in its white box (shpLente,
// imgLente) and, in the blue frame shpSfondo, the search box txtTrova and the button btnTrova.
SearchStrip MakeSearchStrip(QWidget *parent, const QRect &geometry);

class ListPanel : public GradientPanel
{
    Q_OBJECT

public:
    ListPanel(const QString &bannerText, QWidget *parent);

    QLineEdit *txtTrova() const { return m_txtTrova; }
    QPushButton *btnTrova() const { return m_btnTrova; }
    ListBox *lstRecords() const { return m_lstRecords; }
    QLabel *lblRigo03() const { return m_lblRigo03; }
    QPushButton *btnChiudi() const { return m_btnChiudi; }
    QPushButton *btnStampa() const { return m_btnStampa; }

    // A fresh search each time the screen is shown: the box emptied, the last key forgotten.
    void resetSearch();

Q_SIGNALS:
    void chiudiClicked();
    void stampaClicked();
    // A double-click inside the list, on a line or not, or Enter on a selected line; lstRecords()
    // tells which line is selected.
    void lineChosen();

private:
    QLineEdit *m_txtTrova;
    QPushButton *m_btnTrova;
    ListBox *m_lstRecords;
    QLabel *m_lblRigo03;
    QPushButton *m_btnChiudi;
    QPushButton *m_btnStampa;
};
