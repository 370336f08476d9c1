#pragma once
// The list box of every list screen: one fixed-width text line per record, filled all at once
// (sorted once when the screen's list is sorted), drawn in Courier New, wider than the box so long
// lines scroll sideways, with the screen's Trova built in.

#include "base/FindInList.h"
#include "storage/LineStore.h"

#include <QListView>

class ListLinesModel;

class ListBox : public QListView
{
    Q_OBJECT

public:
    enum class Order { Sorted, AsGiven };

    // Named lstRecords on every list screen.
    ListBox(const QString &objectName, const QRect &geometry, QWidget *parent, Order order = Order::Sorted);

    // Replaces every line in one step; a sorted list sorts them once here. Each line may carry a
    // hidden tag (tags[i] goes with lines[i]) that moves with it through the sort: the screen keeps
    // there what leads back to the record. No tags, or a count that differs, means no tags.
    void setLines(const QStringList &lines, const QList<int> &tags = {});
    // Lines built from stored records, each tagged with its record's position.
    void setLines(LineStore lines);
    void clear();
    // The lines in displayed order, made as texts.
    QStringList lines() const;
    int count() const;

    // -1 when no line is selected.
    int selectedRow() const;
    QString selectedText() const;
    // The tag of the selected line; -1 when no line is selected or the lines carry no tags.
    int selectedTag() const;
    // Selects the line, makes it current and scrolls it into view.
    void selectRow(int row);

    // Courier New 11 by default; the font never follows the window's.
    void setItemFont(const QFont &font);

    // Trova: forget the previous key (each time the screen is shown).
    void resetFind() { m_finder.reset(); }
    // Trova: one press with the search box's text as typed. An empty list shows the notice and
    // keeps no key; otherwise the found line, or item 0 when nothing was selected, is selected.
    FindInList::Outcome find(const QString &typedKey);

Q_SIGNALS:
    // Any double-click inside the list, on a line or not; the screen reads selectedRow().
    void lineDoubleClicked();
    // Enter on a selected line: the keyboard's double-click.
    void lineEntered();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateItemSize();

    ListLinesModel *m_model;
    Order m_order;
    // Wider than the box, whatever its own width, so long lines scroll sideways.
    static constexpr int ItemWidth = 1400;
    FindInList m_finder;
};
