#pragma once
// The lines of a list screen as one block of text lines behind a list view: replaced all at once,
// read-only, every item of the same size so that a view of hundreds of thousands stays quick. Each
// line may carry a hidden tag (Qt::UserRole), such as the position of the record it was built from.

#include <QAbstractListModel>
#include <QList>
#include <QSize>
#include <QStringList>

class ListLinesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ListLinesModel(QObject *parent = nullptr);

    // One reset for the whole list, however long. `tags` is empty (no tags) or one per line.
    void setLines(QStringList lines, QList<int> tags = {});
    const QStringList &lines() const { return m_lines; }
    // Empty when the lines were given without tags.
    const QList<int> &tags() const { return m_tags; }
    void setItemSize(const QSize &size);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_lines;
    QList<int> m_tags;
    QSize m_itemSize;
};
