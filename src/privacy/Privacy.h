#pragma once
// TfrmPrivacy: how long visits are kept and their anonymising, the privacy notice printed on the
// receipt, and a person's data found in every archive and made anonymous on request. Opened from
// the start menu; with operators, by administrators only.

#include "privacy/PersonData.h"
#include "widgets/Dialog.h"

#include <optional>

class ListBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TfrmPrivacy : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmPrivacy(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadSettings();
    // The months typed: nothing for a blank box (visits kept for ever).
    std::optional<int> typedMonths() const;
    void updatePreview();
    void btnSalvaImpostazioniClick();
    void btnAnonimizzaClick();
    void btnCercaClick();
    void btnStampaPersonaClick();
    void btnCancellaPersonaClick();
    void showFound();

    QLineEdit *m_txtMesi;
    QLabel *m_lblAnteprima;
    QLabel *m_lblUltima;
    QPushButton *m_btnAnonimizza;
    QCheckBox *m_chkInformativa;
    QPlainTextEdit *m_txtInformativa;
    QPushButton *m_btnSalvaImpostazioni;
    QLineEdit *m_txtCognomePersona;
    QLineEdit *m_txtNomePersona;
    QLineEdit *m_txtCodFiscPersona;
    QPushButton *m_btnCerca;
    ListBox *m_lstSchede;
    QLabel *m_lblTrovate;
    QPushButton *m_btnStampaPersona;
    QPushButton *m_btnCancellaPersona;
    QPushButton *m_btnEsci;
    PersonCards m_found;
    // The person as typed for the cards found: what the printed answer names.
    std::optional<PersonQuery> m_foundFor;
    bool m_previewShown = false;
};

// The access message of a file that stopped the work, naming it.
QString PrivacyFailureText(const QString &file);
