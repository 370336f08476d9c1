#pragma once
// The export screen of an archive: every card in a grid, one row per card, written to a
// spreadsheet file in the program folder when the operator clicks the export picture. The
// operator may retouch the editable columns first; what is typed changes the export, never the
// archive. TfrmExpVisite and TfrmExpClienti are its two uses, each with its own column table.

#include "output/SpreadsheetExport.h"
#include "widgets/Dialog.h"
#include "widgets/Help.h"

#include <QList>
#include <QString>

#include <span>

class ExportGridModel;
class ExportGridView;
class HintLine;

// A column of the grid: its header and width, and whether the operator may type in it. Column 0
// of every grid is the card's position in its file.
struct GridColumn
{
    QStringView header;
    int width;
    bool editable;
};

// The cells of the grid's data columns, filled row after row in one text.
class GridCells
{
public:
    explicit GridCells(int columns)
        : m_columns(columns)
    { }

    // The next cell; every `columns` cells complete a row.
    void add(QStringView text)
    {
        m_text += text;
        m_ends.append(m_text.size());
    }
    // Complete rows only: a row cut short by a failure is not shown.
    int rows() const { return int(m_ends.size() / m_columns); }
    QStringView at(int row, int column) const;

private:
    int m_columns;
    QString m_text;
    QList<qsizetype> m_ends;
};

struct ExportScreenSpec
{
    QString className;
    QString caption;
    std::span<const GridColumn> columns; // column 0 first
    ExportSheet sheet; // the exported columns are the grid's columns from 1 on
    HelpTopic help;
};

class ExportScreen : public Dialog
{
    Q_OBJECT

public:
    ExportScreen(const ExportScreenSpec &spec, QWidget *parent);
    ~ExportScreen() override;

protected:
    void showEvent(QShowEvent *event) override;
    // Adds the archive's cards to `cells`, in file order, each as its data columns. Throws
    // StorageError when the archive cannot be read; the cards added so far are kept.
    virtual void readCards(GridCells &cells) const = 0;

private:
    void formShow();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

    const ExportScreenSpec m_spec;
    ExportGridModel *m_model;
    ExportGridView *m_grid;
    HintLine *m_panInfo;
};
