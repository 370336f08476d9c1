#pragma once
// The presence list screen of the visit register: lists the cards of the open year file that one
// selection rule picks, finds a line by a word, prints the list and hands a double-clicked card
// to the visit card editor. TfrmNonUsciti, TfrmEntratiOggi and TfrmUscitiOggi are its three uses.

#include "app/Dialog.h"
#include "register/PresenceLines.h"

class ListBox;
class QLineEdit;
class QPushButton;

class PresenceList : public Dialog
{
    Q_OBJECT

public:
    PresenceList(PresenceKind kind, QWidget *parent);

    PresenceKind kind() const { return m_kind; }
    // The editor's open year file, read afresh at every use.
    static QString yearFile();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void formShow();
    void btnTrovaClick();
    void lstRecordsDblClick();
    void btnStampaClick();
    void btnChiudiClick();

    const PresenceKind m_kind;
    QLineEdit *m_txtTrova;
    QPushButton *m_btnTrova;
    ListBox *m_lstRecords;
    QPushButton *m_btnChiudi;
    QPushButton *m_btnStampa;
};
