#pragma once
// TfrmPassword: the login screen and main window. The operator types the installation's password
// to reach the start menu, or goes on to change it. Once the office has operators, each types
// their own name and password instead.

#include "widgets/Screen.h"

#include <QRect>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmPassword : public Screen
{
    Q_OBJECT

public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    // Empties the password box and the working label, as the change screen leaves them on closing.
    void clearPassword();
    // The operator's name as typed, trimmed: whose password the change screen changes.
    QString operatorName() const;

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
    // The operator's box and its caption appear, and the screen grows for them, once an operator exists.
    void layOut(bool withOperators);
    // Empties both boxes, for the next operator.
    void clearBoxes();
    void enter();
    void operatorLogin();

    QLabel *m_lblOperatore;
    QLineEdit *m_txtOperatore;
    QLabel *m_lblPassword;
    QLineEdit *m_txtPassword;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdEsci;
    QPushButton *m_btnCambiaPassword;
    QLabel *m_lblMemory;
};

// The look both password screens share: the login banner across the top, masked Verdana boxes
// with their focus frames, and buttons.
inline constexpr QRect LoginBannerRect(0, 0, 440, 84);
QLineEdit *MakePasswordBox(QWidget *parent, const QString &name, const QRect &geometry);
