#pragma once
// TfrmOperatori: the office's operators, their roles and passwords, and the check of the activity
// register. Opened from the start menu by an administrator, or by anyone before the first operator
// exists.

#include "storage/OperatorStore.h"
#include "widgets/Dialog.h"

class ListBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class TfrmOperatori : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmOperatori(QWidget *parent = nullptr);

private:
    void btnAggiungiClick();
    void btnCambiaRuoloClick();
    void btnDisattivaClick();
    void btnNuovaPasswordClick();
    void btnVerificaRegistroClick();

    // Reads the store afresh (another desk may have changed it) and selects `selectName` again.
    void fill(const QString &selectName = QString());
    QString selectedName() const;
    void updateButtons();
    // Runs a change of the store: false when it was refused (its message shown) or failed.
    bool change(const std::function<OperatorRefusal()> &action);
    void clearBoxes();

    QList<Operator> m_operators;
    ListBox *m_lstOperatori;
    QLineEdit *m_txtNome;
    QLineEdit *m_txtPassword;
    QLineEdit *m_txtConferma;
    QComboBox *m_cboRuolo;
    QPushButton *m_btnAggiungi;
    QPushButton *m_btnCambiaRuolo;
    QPushButton *m_btnDisattiva;
    QPushButton *m_btnNuovaPassword;
    QPushButton *m_btnVerificaRegistro;
    QPushButton *m_btnEsci;
};
