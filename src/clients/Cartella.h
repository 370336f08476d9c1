#pragma once
// TfrmCartella: opens, in the desktop's file manager, the folder that belongs to the client card on
// screen ("Visitatore_" + its position in the program folder), creating it the first time.

#include "widgets/Dialog.h"

class QLabel;
class QPushButton;

class TfrmCartella : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmCartella(QWidget *parent = nullptr);

    // The stored card's position, which names its folder (the hidden lblMemory shows it).
    void setPosition(int position);

private:
    void btnApriCartellaClick();
    void btnChiudiClick();

    QLabel *m_lblMemory;
    int m_position = 0;
    QPushButton *m_btnApriCartella;
    QPushButton *m_btnChiudi;
};
