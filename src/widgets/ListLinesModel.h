#pragma once
// The lines of a list screen behind a list view: replaced all at once, read-only, every item of the
// same size so that a view of hundreds of thousands stays quick. The lines are held compactly with
// their positions (LineStore); a line's text is made only when the view asks for it. Each line may
// carry a hidden tag (Qt::UserRole), such as the position of the record it was built from.

#include "storage/LineStore.h"

#include <QAbstractListModel>
#include <QSize>

class ListLinesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ListLinesModel(QObject *parent = nullptr);

    // One reset for the whole list, however long; `tagged` says whether the lines' tags count.
    void setLines(LineStore lines, bool tagged);
    const LineStore &lines() const { return m_lines; }
    bool tagged() const { return m_tagged; }
    void setItemSize(const QSize &size);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    LineStore m_lines;
    bool m_tagged = false;
    QSize m_itemSize;
};
