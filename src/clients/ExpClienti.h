#pragma once
// TfrmExpClienti: the cards of the registry in a grid that can be exported to the spreadsheet
// file Visitatori.xls.

#include "output/ExportScreen.h"

class TfrmExpClienti : public ExportScreen
{
    Q_OBJECT

public:
    explicit TfrmExpClienti(QWidget *parent = nullptr);

protected:
    void readCards(GridCells &cells) const override;
};
