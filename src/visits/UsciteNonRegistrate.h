#pragma once
// TfrmUsciteNonRegistrate: the visits of earlier days still without an exit, as the list of those
// not yet out shows them; the operator chooses some and closes them as exits that were not recorded.
// Opened from the visit register's menu, and by itself at the first login of a day when any is open.

#include "visits/UnrecordedExits.h"
#include "widgets/Dialog.h"

class ListBox;
class QPushButton;

class TfrmUsciteNonRegistrate : public Dialog
{
    Q_OBJECT

public:
    // Shows the visits in the order given.
    explicit TfrmUsciteNonRegistrate(const QList<UnrecordedExit> &visits, QWidget *parent = nullptr);

    enum class Opening {
        // From the menu: opens even when none is left, and a file that cannot be read is said.
        OnRequest,
        // At login: shows only when there is something to close, and otherwise says nothing; the
        // dialog stays up on its own while the caller goes on.
        AtLogin,
    };
    // Looks for the visits off the window, then opens the dialog over `owner` as `how` says.
    static void showFor(QWidget *owner, Opening how);

private:
    void fill();
    void btnChiudiClick();

    QList<UnrecordedExit> m_visits; // in the order of the list's lines
    ListBox *m_lstVisite;
    QPushButton *m_btnChiudi;
    QPushButton *m_btnEsci;
};
