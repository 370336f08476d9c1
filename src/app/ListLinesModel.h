#pragma once
// The lines of a list screen as one block of text lines behind a list view: replaced all at once,
// read-only, every item of the same size so that a view of hundreds of thousands stays quick.

#include <QAbstractListModel>
#include <QSize>
#include <QStringList>

class ListLinesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ListLinesModel(QObject *parent = nullptr);

    // One reset for the whole list, however long.
    void setLines(QStringList lines);
    const QStringList &lines() const { return m_lines; }
    void setItemSize(const QSize &size);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_lines;
    QSize m_itemSize;
};
