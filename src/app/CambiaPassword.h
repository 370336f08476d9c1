#pragma once
// TfrmCambiaPassword: changes the installation's password, or, once the office has operators, the
// password of the operator named on the login screen, after checking the old one and a
// confirmation of the new one. Closing it always leads back to the login screen.

#include "widgets/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmCambiaPassword : public Screen
{
    Q_OBJECT

public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

protected:
    void onShow() override;
    void onClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtChange();
    void cmdOKClick();
    void changeOperatorPassword();
    void cmdEsciClick();
    // Empties the boxes and puts the focus into the first of them.
    void refuse(const QString &message, const QList<QLineEdit *> &boxes);

    QLineEdit *m_txtPasswordOld;
    QLineEdit *m_txtPasswordNew;
    QLineEdit *m_txtConferma;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdEsci;
    QLabel *m_lblMemory;
};
