#pragma once
// TfrmPassword: the login screen and main window. The operator types the installation's password
// to reach the start menu, or goes on to change it.

#include "widgets/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRect;

class TfrmPassword : public Screen
{
    Q_OBJECT

public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    // Empties the password box and the working label, as the change screen leaves them on closing.
    void clearPassword();

protected:
    void onShow() override;
    void onClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtPasswordChange();
    void txtPasswordKeyDown();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

    QLineEdit *m_txtPassword;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdEsci;
    QPushButton *m_btnCambiaPassword;
    QLabel *m_lblMemory;
};

// The look both password screens share: a band across the top with a picture and a line of text,
// masked Verdana boxes with their focus frames, and buttons.
void MakePasswordHeader(QWidget *parent, int width, const QString &picture, const QString &text);
QLineEdit *MakePasswordBox(QWidget *parent, const QString &name, const QRect &geometry);
