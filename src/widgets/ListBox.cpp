#include "widgets/ListBox.h"

#include "base/ListText.h"
#include "base/TextFunctions.h"
#include "widgets/ListLinesModel.h"
#include "widgets/Messages.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

ListBox::ListBox(const QString &objectName, const QRect &geometry, QWidget *parent, Order order)
    : QListView(parent)
    , m_model(new ListLinesModel(this))
    , m_order(order)
{
    setObjectName(objectName);
    setGeometry(geometry);
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setFrameShape(QFrame::Box);

    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    setItemFont(QFont(u"Courier New"_s, 11));
}

void ListBox::setLines(const QStringList &lines, const QList<int> &tags)
{
    const bool tagged = !tags.isEmpty() && tags.size() == lines.size();
    LineStore store = LineStore::fromLines(lines, tagged ? tags : QList<int>());
    if (m_order == Order::Sorted)
        store.sort();
    m_model->setLines(std::move(store), tagged);
}

void ListBox::setLines(LineStore lines)
{
    if (m_order == Order::Sorted)
        lines.sort();
    m_model->setLines(std::move(lines), true);
}

void ListBox::clear()
{
    m_model->setLines(LineStore(), false);
}

QStringList ListBox::lines() const
{
    return m_model->lines().lines();
}

int ListBox::count() const
{
    return int(m_model->lines().size());
}

int ListBox::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QString ListBox::selectedText() const
{
    const int row = selectedRow();
    return row >= 0 ? m_model->lines().line(row) : QString();
}

int ListBox::selectedTag() const
{
    const int row = selectedRow();
    return row >= 0 && m_model->tagged() ? m_model->lines().tag(row) : -1;
}

void ListBox::selectRow(int row)
{
    if (row < 0 || row >= count())
        return;
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

void ListBox::setItemFont(const QFont &font)
{
    QFont f = font;
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    setFont(f);
    updateItemSize();
}

void ListBox::updateItemSize()
{
    const QFontMetrics metrics(font());
    m_model->setItemSize(QSize(ItemWidth, metrics.height() + 2));
}

FindInList::Outcome ListBox::find(const QString &typedKey)
{
    const LineStore &store = m_model->lines();
    // The key is folded once for the whole list, and the lines are searched as stored.
    const FoldedKey key(LowerAZ(typedKey));
    const FindInList::Result result
        = m_finder.find(count(), selectedRow(), typedKey, [&](int row) { return store.lineMatches(row, key); });
    if (result.outcome == FindInList::Outcome::EmptyList) {
        Messages::notice(FindInList::emptyListMessage(), window());
        return result.outcome;
    }
    selectRow(result.row);
    return result.outcome;
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT lineDoubleClicked();
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // Taken here, so that the window's default button never sees it.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedRow() >= 0) {
        event->accept();
        Q_EMIT lineEntered();
        return;
    }
    QListView::keyPressEvent(event);
}
