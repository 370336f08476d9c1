#pragma once
// TfrmExpVisite: its content arrives with its own feature; for now caption, size and the year file it is given.

#include "widgets/Dialog.h"

class TfrmExpVisite : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmExpVisite(QWidget *parent = nullptr);

    // The year file to show and export; set before the screen is shown.
    void setYearFile(const QString &yearFile) { m_yearFile = yearFile; }

private:
    QString m_yearFile;
};
