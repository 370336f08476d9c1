#pragma once
// The shared shape of the validator dialogs: an instruction, one value box, Controlla and Chiudi.
// Each validator names its box, its typing rules and what its check tells.

#include "checks/CheckCommon.h"
#include "widgets/Dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class CheckDialog : public Dialog
{
    Q_OBJECT

public:
    // The value handed in by the opener, shown in the box as the box's own typing rules leave it.
    void setValue(const QString &text);
    QString value() const;

protected:
    enum class Typing { AnyCharacter, UpperCaseAsTyped, DigitsOnly, DigitsUpperCaseAsTyped };

    struct Design
    {
        QString className;
        QString caption;
        QString instruction;
        QString picture;
        QString boxName;
        int maxLength = 0;
        // How many characters the box shows without scrolling.
        int shownCharacters = 0;
        Typing typing = Typing::AnyCharacter;
    };

    // What Controlla does after a check: show the message, then close unless asked to stay.
    struct Verdict
    {
        CheckMessage message;
        bool staysOpen = false;
    };

    CheckDialog(const Design &design, QWidget *parent);

    virtual Verdict check(const QString &text) const = 0;

    void showEvent(QShowEvent *event) override;

private:
    void btnControllaClick();
    void btnChiudiClick();

    bool m_upperCaseAsTyped = false;
    QLabel *m_lblTitolo = nullptr;
    QLineEdit *m_box = nullptr;
    QPushButton *m_btnControlla = nullptr;
    QPushButton *m_btnChiudi = nullptr;
};

// Opens a validator over its owner with the value handed in, and waits for it to close.
template<typename Check> void ShowCheck(QWidget *owner, const QString &value)
{
    Check dialog(owner);
    dialog.setValue(value);
    dialog.exec();
}
