#pragma once
// TfrmExpVisite: the cards of the year file open in the visit editor, in a grid that can be
// exported to the spreadsheet file Registro_Visite.xls.

#include "output/ExportScreen.h"

class TfrmExpVisite : public ExportScreen
{
    Q_OBJECT

public:
    explicit TfrmExpVisite(QWidget *parent = nullptr);

    // The year file to show and export; set before the screen is shown.
    void setYearFile(const QString &yearFile) { m_yearFile = yearFile; }

protected:
    void readCards(GridCells &cells) const override;

private:
    QString m_yearFile;
};
