#pragma once
// TfrmGuida: the help window. Every help control opens it with its own topic, as a new modal
// window; from it the guide in PDF form opens, when it is in the program folder.

#include "base/HelpTopics.h"
#include "widgets/Dialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmGuida : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmGuida(QWidget *parent = nullptr);

    void showTopic(HelpTopic topic);

    // The help opener start-up sets: the topic in a new help window owned by owner.
    static void open(QWidget *owner, HelpTopic topic);

private:
    void lnkWebClick();

    QLabel *m_lblTitolo;
    QPlainTextEdit *m_txtGuida;
    QPushButton *m_btnChiudi;
};
