#include "widgets/ListLinesModel.h"

ListLinesModel::ListLinesModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void ListLinesModel::setLines(LineStore lines, bool tagged)
{
    beginResetModel();
    m_lines = std::move(lines);
    m_tagged = tagged;
    endResetModel();
}

void ListLinesModel::setItemSize(const QSize &size)
{
    if (size == m_itemSize)
        return;
    // Views with uniform item sizes measure one item only, so a new size needs a fresh layout.
    beginResetModel();
    m_itemSize = size;
    endResetModel();
}

int ListLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ListLinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_lines.line(index.row());
    case Qt::UserRole:
        return m_tagged ? QVariant(m_lines.tag(index.row())) : QVariant();
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return QVariant();
    }
}
