#pragma once
// A list screen: one list panel with the list's name in its banner. Lists its lines afresh on every
// showing, finds a line by a word, prints the list, and hands a chosen line (double-click, or Enter
// on it) to the screen, which then closes. The presence lists and the instalments due are its uses.

#include "widgets/Dialog.h"

class ListBox;
class ListPanel;

class ListDialog : public Dialog
{
    Q_OBJECT

protected:
    ListDialog(const QString &className, const QString &caption, const QString &banner, QWidget *parent);

    // Fills the list; never throws. False when the operator cancelled the reading: the screen then
    // closes without a word.
    virtual bool fill(ListBox *list) = 0;
    // The operator chose this line, built from the card at `listedPosition`: find the card and keep
    // it for the opener. Throws StorageError when the file cannot be read: the screen closes without
    // a word and the opener keeps the card it had.
    virtual void takeLine(const QString &line, int listedPosition) = 0;
    // Stampa: print the lines, in displayed order.
    virtual void printLines(const QStringList &lines) = 0;

    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void lstRecordsDblClick();

    ListPanel *m_panel;
};
