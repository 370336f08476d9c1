#pragma once
// The last check of an editor's save: no box may hold characters the record files cannot store.

#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

struct CaptionedBox
{
    QLineEdit *box = nullptr;
    QWidget *focus = nullptr; // the control that takes the focus for the box (itself, or its drop-down)
    QString caption;
};

// True when every box can be stored as it is. Otherwise nothing may be saved yet: the operator is
// asked whether to write those characters in Latin letters; on Yes every such box is transcribed,
// the first of them takes the focus and the editor's hint line, if given, says the card still waits
// for Salva; on No the first box named takes the focus.
bool CheckStorableBoxes(QWidget *owner, const QList<CaptionedBox> &boxes, QLabel *hintLine = nullptr);
